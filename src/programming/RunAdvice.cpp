#include "programming/RunAdvice.h"

#include "programming/DeviceImage.h"
#include "programming/LayoutImageFile.h"

#include <algorithm>

namespace vorlan {
namespace {

void AddMismatch(const RunFailure& f, std::vector<UiMessage>& out) {
    if (!f.layoutType || !f.keyboard) {
        return;
    }
    const UiArgs layout{std::to_string(KeyCountOf(*f.layoutType)),
                        std::string(FamilyName(FamilyOf(*f.layoutType)))};
    switch (*f.keyboard) {
    case DeviceKeyboard::SevenThreeScan:
        out.push_back({StringId::FoundScanKeyboard, layout});
        out.push_back({StringId::AdviceScanLayout, {}});
        break;
    case DeviceKeyboard::Single16:
        out.push_back({StringId::FoundSingleKeyboard, layout});
        out.push_back({StringId::AdviceSingleLayout, {}});
        break;
    case DeviceKeyboard::Double16:
        out.push_back({StringId::FoundDoubleKeyboard, layout});
        out.push_back({StringId::AdviceDoubleLayout, {}});
        break;
    }
}

} // namespace

std::vector<UiMessage> RunFailureMessages(const RunFailure& f) {
    std::vector<UiMessage> out;
    if (f.message == 0) {
        return out;
    }
    out.push_back({static_cast<StringId>(f.message), {}});
    if (f.bytesTotal > 0) {
        out.push_back(
            {StringId::BytesReached, {std::to_string(f.bytesSent), std::to_string(f.bytesTotal)}});
    }
    switch (static_cast<StringId>(f.message)) {
    case StringId::FileFormatMismatch:
        AddMismatch(f, out);
        break;
    case StringId::DriverError:
        out.push_back({StringId::AdviceDriver, {PathText(f.device)}});
        break;
    case StringId::KeyboardDetectingError:
    case StringId::KeyboardNotAnswering:
    case StringId::KeyboardGone:
    case StringId::KeyboardProgrammingError:
        out.push_back({StringId::AdviceKeyboardCable, {}});
        break;
    case StringId::InvalidKeyboardTypeDetected:
        out.push_back({StringId::AdviceUnknownType, {}});
        break;
    case StringId::UnableToOpenFile:
        if (f.readProblem != 0) {
            out.push_back({static_cast<StringId>(f.readProblem), {}});
        }
        out.push_back({StringId::AdviceUnreadableFile, {PathText(f.layoutPath)}});
        break;
    case StringId::InvalidFileFormat:
        out.push_back({StringId::AdviceInvalidLayout, {PathText(f.layoutPath)}});
        break;
    default:
        break;
    }
    return out;
}

UiMessage KeyboardTypeMessage(std::optional<DeviceKeyboard> keyboard) {
    if (!keyboard) {
        return {StringId::ProgressKeyboardAsked, {}};
    }
    switch (*keyboard) {
    case DeviceKeyboard::SevenThreeScan:
        return {StringId::ProgressKeyboardScan, {}};
    case DeviceKeyboard::Single16:
        return {StringId::ProgressKeyboardSingle, {}};
    case DeviceKeyboard::Double16:
        break;
    }
    return {StringId::ProgressKeyboardDouble, {}};
}

UiMessage RunProgressMessage(int bytesSent, int bytesTotal, long long elapsedMs) {
    constexpr long long kPaceMs = 3;
    const long long left = std::max(0, bytesTotal - bytesSent);
    const long long msLeft = bytesSent > 0 ? elapsedMs * left / bytesSent : left * kPaceMs;
    return {StringId::ProgressBytes,
            {std::to_string(bytesSent), std::to_string(bytesTotal),
             std::to_string((msLeft + 999) / 1000)}};
}

std::optional<LayoutType> LayoutTypeOfFile(const std::string& path) {
    DeviceImage image;
    if (!ReadLayoutImage(path, image).Ok()) {
        return std::nullopt;
    }
    return image.type;
}

std::optional<DeviceKeyboard> GivenKeyboard(const std::vector<std::string>& arguments) {
    if (arguments.size() == 3 && arguments[2].size() == 2 && arguments[2][0] == '/') {
        return DeviceKeyboardFromNumber(arguments[2][1] - '0');
    }
    return std::nullopt;
}

} // namespace vorlan
