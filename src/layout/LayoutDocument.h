// The one layout the main window edits: key slots, how cells are joined,
// keyboard-wide settings, RFID options, the programmed-keys catalogue and the
// bookkeeping of the file behind it. Plain data with the operations that keep
// it consistent; anything shown on screen goes through a LayoutObserver.
#pragma once

#include "layout/BoundedText.h"
#include "layout/LayoutObserver.h"
#include "layout/ReadReport.h"
#include "layout/SlotGeometry.h"

#include <array>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace vorlan {

// Fixed sizes of the layout and its file format.
inline constexpr int kKeySlots = 120; // slot 0 is a scratch key, 113..119 unused
inline constexpr int kCodesPerKey = 16;
inline constexpr int kMaxCatalogEntries = 200;
inline constexpr std::size_t kMaxKeyNameBytes = 102;
inline constexpr std::size_t kMaxCatalogNameBytes = 99;

static_assert(ReadReport::kSlots == kKeySlots, "a report locates every slot");

using KeyName = BoundedText<kMaxKeyNameBytes>;
using CatalogName = BoundedText<kMaxCatalogNameBytes>;
using KeyCodes = std::array<std::int32_t, kCodesPerKey>;

enum class KeyboardVariant : int {
    SevenThreeScan = 1,
    SixteenScan = 2,
    SingleLeft = 3,
    SingleRight = 4,
};

// The variant of a number 1..4 (a Save As type's position, --variant, a
// recovery file's field); nullopt for any other number.
constexpr std::optional<KeyboardVariant> KeyboardVariantFromNumber(long number) {
    if (number < static_cast<int>(KeyboardVariant::SevenThreeScan) ||
        number > static_cast<int>(KeyboardVariant::SingleRight)) {
        return std::nullopt;
    }
    return static_cast<KeyboardVariant>(number);
}

// How the variant is named to people, e.g. "16scan".
std::string_view VariantName(KeyboardVariant variant);

// A key's mode, as its two bits hold it. The editor offers the first three
// ("Mode 1".."Mode 3"); the fourth value is legal in a file but names no mode.
enum class KeyMode : std::uint8_t { Mode1 = 0, Mode2 = 1, Mode3 = 2, Unnamed = 3 };

// The modes the editor offers, in the order of their buttons.
inline constexpr std::array kOfferedModes = {KeyMode::Mode1, KeyMode::Mode2, KeyMode::Mode3};

// The mode of the bits' value 0..3; nullopt for any other number.
constexpr std::optional<KeyMode> KeyModeFromNumber(int number) {
    if (number < static_cast<int>(KeyMode::Mode1) || number > static_cast<int>(KeyMode::Unnamed)) {
        return std::nullopt;
    }
    return static_cast<KeyMode>(number);
}

// The bits' value 0..3, as a file's flags and vorlanctl show hold it.
constexpr int ModeBits(KeyMode mode) {
    return static_cast<int>(mode);
}

// The mode's number as people read it: 1..3, and 4 for the unnamed one.
constexpr int ModeNumber(KeyMode mode) {
    return ModeBits(mode) + 1;
}

// One key slot.
struct KeyRecord {
    static constexpr std::uint8_t kGroupKeyBit = 0x01;
    static constexpr std::uint8_t kSingleKeyBit = 0x02;
    static constexpr std::uint8_t kModeMask = 0x0C;
    static constexpr int kModeShift = 2;
    // The bits a layout file carries.
    static constexpr std::uint8_t kFileFlagsMask = 0x0F;

    std::int32_t position = 0;
    KeyCodes codes{};
    std::uint8_t flags = kSingleKeyBit;
    KeyName name;
    std::int32_t groupNumber = 0;

    bool groupKey() const { return (flags & kGroupKeyBit) != 0; }
    bool singleKey() const { return (flags & kSingleKeyBit) != 0; }
    // The two bits can hold nothing but a KeyMode.
    KeyMode mode() const { return static_cast<KeyMode>((flags & kModeMask) >> kModeShift); }
    bool modeInRange() const { return mode() != KeyMode::Unnamed; }
    void SetGroupKey(bool on) { SetBit(kGroupKeyBit, on); }
    void SetSingleKey(bool on) { SetBit(kSingleKeyBit, on); }
    void SetMode(KeyMode mode) {
        flags = static_cast<std::uint8_t>((flags & ~kModeMask) |
                                          ((ModeBits(mode) << kModeShift) & kModeMask));
    }
    // groupKey + 2 * singleKey + 4 * mode, as written to files.
    int FileFlags() const { return flags & kFileFlagsMask; }
    bool IsProgrammed() const { return codes[0] != 0; }
    // Every field: undo compares whole records, so a new field is never missed.
    friend bool operator==(const KeyRecord&, const KeyRecord&) = default;

private:
    void SetBit(std::uint8_t bit, bool on) {
        flags = static_cast<std::uint8_t>(on ? (flags | bit) : (flags & ~bit));
    }
};

enum class SpanKind : int { Empty = 0, Single = 1, Double = 2, Quad = 3 };

// How a key's cell is joined with others. A Double's partner is partners[0];
// a Quad's partners are the other three cells, ascending.
struct KeySpan {
    SpanKind kind = SpanKind::Empty;
    std::array<std::int32_t, 3> partners{};

    // How many of partners[] are in use: Double 1, Quad 3, others none.
    int PartnerCount() const {
        return kind == SpanKind::Double ? 1 : kind == SpanKind::Quad ? 3 : 0;
    }
    friend bool operator==(const KeySpan&, const KeySpan&) = default;
};

// One entry of the "Programmed keys:" catalogue.
struct KeyDefinition {
    KeyCodes codes{};
    CatalogName name;
    bool inLayout = false;
    friend bool operator==(const KeyDefinition&, const KeyDefinition&) = default;
};

// The header of every layout file.
struct KeyboardSettings {
    std::int32_t keyCount = 56; // 56 (type S) or 112 (type D)
    std::int32_t keysType = 0;  // 0 make-break, 1 typematic
    std::int32_t keyBeep = 0;
    std::int32_t keyDelay = 2;       // 0..3
    std::int32_t typematicRate = 11; // 0..31
    std::int32_t keysPause = 3;      // milliseconds, 1..255
    friend bool operator==(const KeyboardSettings&, const KeyboardSettings&) = default;
};

struct RfidOptions {
    std::uint8_t digitsCount = 9;
    bool digitsTypeNum = true;
    std::uint8_t prefix = 0;
    bool prefixExtended = false;
    std::uint8_t suffix = 0;
    bool suffixExtended = false;

    // The one byte the 16scan header carries: digitsCount * 16, 4 when not
    // numeric, 2 for an extended suffix, 1 for an extended prefix.
    std::uint8_t FileFlags() const {
        return static_cast<std::uint8_t>(digitsCount * 16 + (digitsTypeNum ? 0 : 4) +
                                         (suffixExtended ? 2 : 0) + (prefixExtended ? 1 : 0));
    }
    friend bool operator==(const RfidOptions&, const RfidOptions&) = default;
};

class LayoutDocument {
public:
    // As the main window starts: 56 keys, 16scan, then reset to a new layout.
    LayoutDocument();

    // Slot k is key number k. Spans are indexed by key number as well (index 0
    // and 113..119 stay Empty), so keys[k] and spans[k] belong together.
    std::array<KeyRecord, kKeySlots> keys;
    std::array<KeySpan, kKeySlots> spans;
    KeyboardSettings settings;
    RfidOptions rfid;
    KeyboardVariant variant = KeyboardVariant::SixteenScan;
    KeyboardVariant loadedVariant = KeyboardVariant::SixteenScan;
    std::uint8_t nextGroupNumber = 1;
    std::array<KeyDefinition, kMaxCatalogEntries> keyCatalog;
    std::array<std::int32_t, kMaxCatalogEntries> catalogOrder{};
    std::int32_t catalogCount = 0;
    bool dirty = false;
    std::string filePath;
    std::array<std::string, 4> recentFiles;
    // What the reader changed or dropped when it read filePath (empty after New).
    ReadReport readReport;

    // The screen side; nullptr (the default) shows nothing. Not owned.
    void SetObserver(LayoutObserver* observer);
    LayoutObserver& Observer() const;

    // New: clears keys 1..112 and settings except keyCount and variant.
    void ResetToNew();
    // Both do nothing for k outside 1..112.
    void ClearSlot(int k);
    void MakeSlotSingle(int k);
    // The first code of key k is not 0 (false for k outside the slots).
    bool IsProgrammed(int k) const;
    // A later cell of a double or quad key: its first cell stands for the
    // whole key wherever keys are counted or listed.
    bool IsLaterCellOfJoinedKey(int k) const;
    // Rebuilds spans, group numbers and the catalogue from freshly read slots.
    void RebuildAfterLoad();
    // The cells that hold codes but belong to no key (none after a rebuild
    // or any edit: such a cell would be invisible yet still programmed).
    std::vector<int> CellsWithCodesButNoKey() const;
    void RebuildCatalog();
    void SortCatalog();
    // The entry's name, with " *" when it is in the layout; empty for a bad index.
    std::string CatalogEntryText(int j) const;
    void MarkDirty() { dirty = true; }

    // Appends a catalogue entry (name cut to the catalogue's size) and its
    // place in catalogOrder; returns its index, or -1 when the catalogue is full.
    int AddCatalogEntry(std::string_view name, const KeyCodes& codes, bool inLayout);
    // Index of the entry with exactly this name (after the catalogue's cut), or -1.
    int FindCatalogEntry(std::string_view name) const;
    // The catalogue box rows, in display order.
    std::vector<std::string> CatalogRows() const;
    // The keys the grid offers: 112 on a double keyboard, 56 otherwise.
    int KeysInUse() const { return settings.keyCount == kMaxKeys ? kMaxKeys : kBlockKeys; }
    // Whether any of the keys 1..keyCount is programmed.
    bool HasProgrammedKey() const;
    // The image an empty or single cell shows at slot k (unavailable in block 1
    // of a 56-key layout).
    KeyImage PlainImage(int k, KeyImage image) const;

private:
    void SetDouble(int a, int b);
    void SetQuad(std::array<int, 4> cells);
    void JoinGroup(const std::vector<int>& group, std::array<bool, kMaxKeys + 1>& done);
    LayoutObserver* observer_ = nullptr;
};

} // namespace vorlan
