#include "records/RecordStore.h"

#include "records/SqliteRecordStore.h"

#include <algorithm>

#ifdef VORLAN_WITH_POSTGRES
#include "records/PostgresRecordStore.h"
#endif

namespace vorlan {

UiMessage RecordResult::Message() const {
    switch (failure) {
    case RecordFailure::None:
        return {};
    case RecordFailure::CannotOpen:
        return {StringId::RecordCannotOpen, {name, detail}};
    case RecordFailure::ReadOnly:
        return {StringId::RecordReadOnly, {name}};
    case RecordFailure::DiskFull:
        return {StringId::RecordDiskFull, {name}};
    case RecordFailure::Locked:
        return {StringId::RecordLocked, {name}};
    case RecordFailure::Damaged:
        return {StringId::RecordDamaged, {name}};
    case RecordFailure::Foreign:
        return {StringId::RecordForeign, {name}};
    case RecordFailure::Newer:
        return {StringId::RecordNewer, {name}};
    case RecordFailure::NotOwned:
        return {StringId::RecordNotOwned, {name}};
    case RecordFailure::Link:
        return {StringId::RecordLink, {name}};
    case RecordFailure::Held:
        return {StringId::RecordHeld, {detail}};
    case RecordFailure::Exists:
        return {StringId::RecordExists, {detail}};
    case RecordFailure::NotFound:
        return {StringId::RecordNotFound, {name}};
    case RecordFailure::BadOrder:
        if (detail == "empty") {
            return {StringId::RecordOrderEmpty, {}};
        }
        if (detail == "long") {
            return {StringId::RecordOrderLong, {std::to_string(kMaxOrderBytesForMessage)}};
        }
        return {detail == "utf8" ? StringId::RecordOrderUtf8 : StringId::RecordOrderControl, {}};
    case RecordFailure::Full:
        return {StringId::RecordBatchFull, {detail}};
    case RecordFailure::Offline:
        return {StringId::RecordServerOffline, {name, detail}};
    case RecordFailure::Refused:
        return {StringId::RecordLoginRefused, {name, detail}};
    case RecordFailure::NoDatabase:
        return {StringId::RecordNoDatabase, {name, detail}};
    case RecordFailure::Older:
        return {StringId::RecordOlder, {name, detail}};
    case RecordFailure::PasswordGiven:
        return {StringId::RecordPasswordGiven, {name}};
    case RecordFailure::NoBackend:
        return {StringId::RecordNoServerBackend, {name}};
    case RecordFailure::Kept: {
        // The sentence goes on after the server's words.
        std::string words = detail;
        while (!words.empty() && (words.back() == '.' || words.back() == ' ')) {
            words.pop_back();
        }
        return {StringId::RecordKept, {name, words, keptIn}};
    }
    case RecordFailure::Other:
        break;
    }
    return {StringId::RecordOther, {name, detail}};
}

std::string LocationWithoutPassword(std::string_view location) {
    std::string out(location);
    const std::size_t scheme = out.find("://");
    if (scheme == std::string::npos) {
        return out;
    }
    // user:password@host — the user stays, the password goes.
    const std::size_t start = scheme + 3;
    const std::size_t end = std::min(out.find_first_of("/?", start), out.size());
    const std::size_t at = out.rfind('@', end - 1);
    if (at != std::string::npos && at >= start) {
        const std::size_t colon = out.find(':', start);
        if (colon != std::string::npos && colon < at) {
            out.erase(colon, at - colon);
        }
    }
    // ...?password=secret&sslmode=require
    const std::size_t query = out.find('?');
    if (query == std::string::npos) {
        return out;
    }
    std::string kept = out.substr(0, query);
    char separator = '?';
    std::size_t i = query + 1;
    while (i <= out.size()) {
        const std::size_t next = std::min(out.find('&', i), out.size());
        const std::string param = out.substr(i, next - i);
        if (!param.empty() && param.rfind("password=", 0) != 0 && param != "password") {
            kept += separator + param;
            separator = '&';
        }
        i = next + 1;
    }
    return kept;
}

bool IsServerRecord(std::string_view location) {
    return location.rfind("postgresql://", 0) == 0 || location.rfind("postgres://", 0) == 0;
}

std::unique_ptr<RecordStore> OpenRecordStore(const std::string& location, RecordResult& result) {
    if (IsServerRecord(location)) {
#ifdef VORLAN_WITH_POSTGRES
        return PostgresRecordStore::Open(location, result);
#else
        // A password given where others read it is refused first, backend or none.
        const std::string shown = LocationWithoutPassword(location);
        result = {
            shown != location ? RecordFailure::PasswordGiven : RecordFailure::NoBackend, shown, {}};
        return nullptr;
#endif
    }
    return SqliteRecordStore::Open(location, result);
}

} // namespace vorlan
