// What a key-by-key test of a programmed keyboard checks: each key of the
// layout as the keyboard sends it (a joined key counts once), the keys whose
// sequences cannot be told apart, and the keys no key press on the PC can
// report. Built from the layout alone, before the first key is pressed.
#pragma once

#include "layout/LayoutDocument.h"
#include "layout/LayoutType.h"
#include "programming/RepeatTiming.h" // KeyDelayMilliseconds, as the test waits
#include "scancodes/ScanCodeCapture.h"

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

namespace vorlan {

using CodeSequence = std::vector<std::uint8_t>;

struct TestKey {
    int slot = 0; // the key's cell; the anchor of a joined key
    std::string name;
    CodeSequence codes; // in sending order, as the keyboard stores them
};

// Two keys a code stream cannot tell apart: equal sequences, or the sequence
// of `shorter` is the start of that of `longer` (indices into the keys).
struct Ambiguity {
    int shorter = 0;
    int longer = 0;
    bool equal = false;
};

struct KeyTestPlan {
    std::vector<TestKey> keys;
    std::vector<Ambiguity> ambiguities;
    // Keys with a code that no PC key press reports (codes typed in as
    // numbers): they can never be matched from key events.
    std::vector<int> untypable;
    // Keys that begin like the RFID prefix, or with which it begins: their
    // presses are read as cards.
    std::vector<int> cardClashes;
    int keyDelayMs = 750; // a longer pause ends a sequence
    CodeNaming naming;    // how the test names codes (the window's PC layout)
    bool rfidEnabled = false;
    RfidOptions rfid;

    // Whether key i takes part in an ambiguity.
    bool IsAmbiguous(int i) const;
    // The index of the key at a cell (any cell of a joined key), or -1.
    int KeyAt(int slot, const LayoutDocument& doc) const;
};

// The codes of an RFID prefix or suffix: none for 0, 0xE0 first when extended.
CodeSequence RfidAffix(std::uint8_t code, bool extended);

// How many codes of a key the keyboard stores for the layout's variant.
int StoredCodesPerKey(const LayoutDocument& doc);

// The layout's type as the keyboard's image knows it.
LayoutType ImageLayoutType(const LayoutDocument& doc);

// The sequence of each slot 1..112 (index = slot) in the last complete image
// of that type among the bytes a keyboard received; false when there is none.
bool StoredSequences(const std::vector<std::uint8_t>& received, LayoutType type,
                     std::vector<CodeSequence>& bySlot);

KeyTestPlan MakeKeyTestPlan(const LayoutDocument& doc, const CodeNaming& naming);

// Sorted by the shorter key, then the longer.
std::vector<Ambiguity> FindAmbiguities(const std::vector<TestKey>& keys);

// The key press that reports code (after the 0xE0 prefix when extended), in
// the capture's terms; empty when no key press gives exactly this code.
std::optional<KeyDownEvent> KeyDownForCode(std::uint8_t code, bool extended);

// A sequence split into key presses as the PC would report them; false when
// some code cannot come from a key press.
bool KeyPressesOf(const CodeSequence& codes, std::vector<KeyDownEvent>& presses);

// "Ctrl_left C", the display names of a sequence.
std::string CodeSequenceText(const CodeSequence& codes, const CodeNaming& naming);

} // namespace vorlan
