#include "fuzz/FuzzHarness.h"
#include "scancodes/ScanCodeCapture.h"
#include "scancodes/ScanCodeTables.h"

#include <algorithm>
#include <vector>

namespace vorlan::hardening {
namespace {

// Reads the input byte by byte; past its end every read gives 0.
class ByteStream {
public:
    ByteStream(const std::uint8_t* data, std::size_t size) : data_(data), size_(size) {}
    bool AtEnd() const { return pos_ >= size_; }
    std::uint8_t Byte() { return pos_ < size_ ? data_[pos_++] : 0; }
    std::uint32_t Word() {
        std::uint32_t value = 0;
        for (int i = 0; i < 4; ++i) {
            value = (value << 8) | Byte();
        }
        return value;
    }

private:
    const std::uint8_t* data_;
    std::size_t size_;
    std::size_t pos_ = 0;
};

// Mostly realistic set-1 codes, sometimes anything at all.
std::uint32_t ScanCode(ByteStream& in) {
    const std::uint8_t pick = in.Byte();
    return (pick & 0xC0) == 0xC0 ? in.Word() : pick & 0x7F;
}

SlotCodes Codes(ByteStream& in) {
    SlotCodes codes{};
    for (std::uint32_t& code : codes) {
        code = in.Byte();
    }
    return codes;
}

std::string CheckKeyDown(ScanCodeCapture& capture, const KeyDownEvent& event) {
    const SlotCodes codesBefore = capture.slotCodes();
    const SlotNames namesBefore = capture.slotNames();
    const int before = capture.nextSlot();
    const bool changed = capture.KeyDown(event);
    const int after = capture.nextSlot();
    if (!changed) {
        if (after != before || capture.slotCodes() != codesBefore ||
            capture.slotNames() != namesBefore) {
            return "a refused key press changed the slots";
        }
        return {};
    }
    const int used = after - before;
    if (event.key == KeyIdentity::Pause || used < 1 || used > 2 || after > kSlotCount + 1) {
        return "a key press took " + std::to_string(used) + " slots, next slot " +
               std::to_string(after);
    }
    const std::size_t last = static_cast<std::size_t>(after - 2);
    if (capture.slotCodes()[last] > 0xFF) {
        return "a key press stored code " + std::to_string(capture.slotCodes()[last]);
    }
    if (used == 2 && (capture.slotCodes()[last - 1] != ExtendedPrefix ||
                      capture.slotNames()[last - 1] != ExtendedName)) {
        return "an extended key without its prefix";
    }
    for (std::size_t i = 0; i < codesBefore.size(); ++i) {
        if ((static_cast<int>(i) < before - 1 || static_cast<int>(i) > after - 2) &&
            capture.slotCodes()[i] != codesBefore[i]) {
            return "a key press changed slot " + std::to_string(i + 1);
        }
    }
    return {};
}

} // namespace

std::string RunCapture(const std::uint8_t* data, std::size_t size) {
    ByteStream in(data, size);
    ScanCodeCapture capture;
    // The slots each key press took since the last Open or Clear All. Edited
    // codes can put anything before the capture position, so they end the
    // bookkeeping until the slots start afresh.
    std::vector<int> presses;
    bool tracked = true;
    while (!in.AtEnd()) {
        const std::uint8_t op = in.Byte();
        switch (op % 8) {
        case 0: {
            SlotNames names;
            const SlotCodes codes = Codes(in);
            for (std::size_t i = 0; i < names.size(); ++i) {
                names[i] = NameOfCode(codes[i], i == 0 ? 0 : codes[i - 1], {});
            }
            capture.Open(codes, names);
            presses.clear();
            tracked = true;
            break;
        }
        case 1: {
            const int before = capture.nextSlot();
            const SlotCodes codesBefore = capture.slotCodes();
            const SlotNames namesBefore = capture.slotNames();
            capture.ClearLast();
            const int after = capture.nextSlot();
            if (before == 1 ? after != 1 : (after >= before || before - after > 2)) {
                return "clearing the last code moved from slot " + std::to_string(before) + " to " +
                       std::to_string(after);
            }
            if (tracked) {
                // A clear takes back the last key press whole, an extended
                // key together with its prefix.
                const int expected = presses.empty() ? 1 : before - presses.back();
                if (!presses.empty()) {
                    presses.pop_back();
                }
                if (after != expected) {
                    return "clearing the last key press went back to slot " +
                           std::to_string(after) + ", not " + std::to_string(expected);
                }
            }
            for (int slot = 1; slot <= kSlotCount; ++slot) {
                const std::size_t i = static_cast<std::size_t>(slot - 1);
                const bool cleared = slot >= after && slot < before;
                if (cleared ? (capture.slotCodes()[i] != 0 || !capture.slotNames()[i].empty())
                            : (capture.slotCodes()[i] != codesBefore[i] ||
                               capture.slotNames()[i] != namesBefore[i])) {
                    return std::string(cleared ? "clearing the last code left slot "
                                               : "clearing the last code changed slot ") +
                           std::to_string(slot);
                }
            }
            break;
        }
        case 2:
            capture.ClearAll();
            if (capture.nextSlot() != 1 ||
                std::any_of(capture.slotCodes().begin(), capture.slotCodes().end(),
                            [](std::uint32_t c) { return c != 0; })) {
                return "clearing all left something";
            }
            presses.clear();
            tracked = true;
            break;
        case 3:
            capture.TakeEditedCodes(Codes(in));
            tracked = false;
            break;
        default: {
            KeyDownEvent event;
            event.key = op == 0xFF   ? KeyIdentity::Pause
                        : op == 0xFE ? KeyIdentity::NumLock
                                     : KeyIdentity::Other;
            event.extended = (op & 0x08) != 0;
            event.scanCode = ScanCode(in);
            const int before = capture.nextSlot();
            if (std::string problem = CheckKeyDown(capture, event); !problem.empty()) {
                return problem;
            }
            if (capture.nextSlot() != before) {
                presses.push_back(capture.nextSlot() - before);
            }
            break;
        }
        }
        if (capture.nextSlot() < 1 || capture.nextSlot() > kSlotCount + 1) {
            return "next slot " + std::to_string(capture.nextSlot());
        }
    }
    return {};
}

} // namespace vorlan::hardening
