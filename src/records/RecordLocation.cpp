#include "records/RecordLocation.h"

#include "common/FilePath.h"
#include "records/RecordStore.h"
#include "records/RecordText.h"

#include <algorithm>

namespace vorlan {

std::string TrimmedAddress(std::string_view address) {
    const auto blank = [](char c) { return c == ' ' || c == '\t'; };
    while (!address.empty() && blank(address.front())) {
        address.remove_prefix(1);
    }
    while (!address.empty() && blank(address.back())) {
        address.remove_suffix(1);
    }
    return std::string(address);
}

WindowRecordPlace WindowRecordAt(std::string_view setting, const std::string& logPath) {
    const std::string address = TrimmedAddress(setting);
    // A setting that cannot be one (edited by hand) is not used: the file
    // beside the log is, so the window never sends a password anywhere.
    const std::string beside = Utf8FromPath(PathFromUtf8(logPath).parent_path() /
                                            PathFromUtf8(std::string(kRecordFileName)));
    if (!address.empty() && !ServerAddressProblem(address)) {
        return {address, {}, beside};
    }
    return {beside, logPath, {}};
}

std::optional<StringId> ServerAddressProblem(std::string_view given) {
    const std::string address = TrimmedAddress(given);
    if (!IsServerRecord(address) || std::any_of(address.begin(), address.end(), [](char c) {
            return static_cast<unsigned char>(c) < 0x20 || c == 0x7F;
        })) {
        return StringId::RecordsNotServer;
    }
    if (LocationWithoutPassword(address) != address) {
        return StringId::RecordPasswordGiven;
    }
    return std::nullopt;
}

} // namespace vorlan
