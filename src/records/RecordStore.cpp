#include "records/RecordStore.h"

#include "records/SqliteRecordStore.h"

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
    case RecordFailure::Other:
        break;
    }
    return {StringId::RecordOther, {name, detail}};
}

std::unique_ptr<RecordStore> OpenRecordStore(const std::string& location, RecordResult& result) {
    return SqliteRecordStore::Open(location, result);
}

} // namespace vorlan
