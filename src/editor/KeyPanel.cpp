#include "editor/KeyPanel.h"

#include "keyboards/PcLayouts.h"
#include "keyboards/TextCodes.h"
#include "scancodes/CodeNames.h"

#include <algorithm>
#include <charconv>
#include <vector>

namespace vorlan {
namespace {

// Names are single-byte text (as in the layout files), so the limit is a
// plain byte count.
std::string CutName(const std::string& text) {
    return text.substr(0, kMaxPanelNameBytes);
}

// A decimal integer 0..255, blanks around it allowed.
std::optional<int> ParseByte(const std::string& text) {
    const auto first = text.find_first_not_of(" \t");
    if (first == std::string::npos) {
        return std::nullopt;
    }
    const auto last = text.find_last_not_of(" \t");
    const char* begin = text.data() + first;
    const char* end = text.data() + last + 1;
    int value = 0;
    const auto [ptr, ec] = std::from_chars(begin, end, value);
    if (ec != std::errc{} || ptr != end || value < 0 || value > 255) {
        return std::nullopt;
    }
    return value;
}

} // namespace

std::array<std::string, kCodesPerKey> CodeTexts(const KeyCodes& codes, const CodeNaming& naming) {
    std::vector<std::string> names = CodeNames(codes, naming);
    std::array<std::string, kCodesPerKey> texts;
    std::move(names.begin(), names.end(), texts.begin());
    return texts;
}

std::string TypesText(const KeyCodes& codes, const CodeNaming& naming) {
    return keyboards::KeyTypesShown(codes, keyboards::LayoutOfNaming(naming)).value_or("");
}

void KeyPanel::Load(int slot, const KeyRecord& key, const CodeNaming& naming) {
    values_.keyNumber = slot;
    values_.groupKey = key.groupKey();
    values_.singleKey = key.singleKey();
    values_.mode = key.mode();
    values_.nameLatin1 = key.name.str();
    values_.codeTextsUtf8 = CodeTexts(key.codes, naming);
    values_.typesUtf8 = TypesText(key.codes, naming);
}

bool KeyPanel::Show(const RfidOptions& rfid) {
    values_.digitsCount = rfid.digitsCount;
    values_.digitsTypeNum = rfid.digitsTypeNum;
    values_.prefixLatin1 = std::to_string(rfid.prefix);
    values_.prefixExtended = rfid.prefixExtended;
    values_.suffixLatin1 = std::to_string(rfid.suffix);
    values_.suffixExtended = rfid.suffixExtended;
    // The fields show valid numbers again, so a later refusal is news.
    refusedPrefix_.reset();
    refusedSuffix_.reset();
    controls_.ShowPanelValues(values_);

    const bool nameChanged = values_.nameLatin1 != shownName_;
    shownName_ = values_.nameLatin1;
    return nameChanged;
}

std::optional<KeyPanel::Taken> KeyPanel::Take(const RfidOptions& current) {
    if (refusing_) {
        return std::nullopt;
    }
    const PanelValues v = controls_.PanelValuesFromControls();
    values_.groupKey = v.groupKey;
    values_.nameLatin1 = CutName(v.nameLatin1);
    shownName_ = v.nameLatin1;
    values_.codeTextsUtf8 = v.codeTextsUtf8;
    values_.mode = v.mode;
    values_.singleKey = v.singleKey;

    Taken taken{current, true};
    RfidOptions& rfid = taken.rfid;
    // A refused text keeps the option's value and the text last taken.
    const auto takeByte = [&](RfidField field, const std::string& text, std::uint8_t& value,
                              std::string& shown) {
        if (const auto byte = TakeRfidByte(field, text)) {
            value = static_cast<std::uint8_t>(*byte);
            shown = text;
        } else {
            taken.ok = false;
        }
    };
    takeByte(RfidField::Prefix, v.prefixLatin1, rfid.prefix, values_.prefixLatin1);
    rfid.prefixExtended = v.prefixExtended;
    values_.prefixExtended = v.prefixExtended;
    if (v.digitsCount >= 0 && v.digitsCount <= 255) {
        rfid.digitsCount = static_cast<std::uint8_t>(v.digitsCount);
        values_.digitsCount = v.digitsCount;
    }
    takeByte(RfidField::Suffix, v.suffixLatin1, rfid.suffix, values_.suffixLatin1);
    rfid.suffixExtended = v.suffixExtended;
    values_.suffixExtended = v.suffixExtended;
    rfid.digitsTypeNum = v.digitsTypeNum;
    values_.digitsTypeNum = v.digitsTypeNum;
    return taken;
}

std::optional<int> KeyPanel::TakeRfidByte(RfidField field, const std::string& text) {
    std::optional<std::string>& refused =
        field == RfidField::Prefix ? refusedPrefix_ : refusedSuffix_;
    if (const auto value = ParseByte(text)) {
        refused.reset();
        return value;
    }
    // Values are taken on every paint as well: say it once per refused text,
    // not again until the field has been filled anew.
    if (refused != text) {
        refused = text;
        refusing_ = true;
        controls_.RefuseRfidText(field, {StringId::RfidByteRange, {}});
        refusing_ = false;
    }
    return std::nullopt;
}

} // namespace vorlan
