#include "scancodes/ScanCodeCapture.h"

#include "scancodes/ScanCodeTables.h"

#include <utility>

namespace vorlan {

void ScanCodeCapture::Open(const SlotCodes& codes, const SlotNames& names) {
    slotCodes_ = codes;
    slotNames_ = names;
    nextSlot_ = 1;
}

void ScanCodeCapture::Store(std::uint32_t code, std::string name) {
    slotCodes_[nextSlot_ - 1] = code;
    slotNames_[nextSlot_ - 1] = std::move(name);
    ++nextSlot_;
}

std::vector<CodeAndName> CodesOfKeyDown(const KeyDownEvent& event, const CodeNaming& naming) {
    if (event.key == KeyIdentity::Pause) {
        return {};
    }
    // Num Lock arrives flagged as extended, but its code is the plain 0x77.
    const bool extended = event.key == KeyIdentity::NumLock ? false : event.extended;
    return TranslateKey(event.scanCode, extended, naming);
}

bool ScanCodeCapture::KeyDown(const KeyDownEvent& event) {
    std::vector<CodeAndName> pairs = CodesOfKeyDown(event, naming_);
    if (pairs.empty()) {
        return false;
    }
    const int needed = static_cast<int>(pairs.size());
    if (nextSlot_ + needed - 1 > kSlotCount) {
        return false;
    }
    for (CodeAndName& pair : pairs) {
        Store(pair.code, std::move(pair.name));
    }
    return true;
}

void ScanCodeCapture::ClearLast() {
    --nextSlot_;
    if (nextSlot_ < 1 || nextSlot_ > kSlotCount) {
        nextSlot_ = 1;
        return;
    }
    slotCodes_[nextSlot_ - 1] = 0;
    slotNames_[nextSlot_ - 1].clear();
    if (nextSlot_ >= 2 && slotCodes_[nextSlot_ - 2] == ExtendedPrefix) {
        --nextSlot_;
        slotCodes_[nextSlot_ - 1] = 0;
        slotNames_[nextSlot_ - 1].clear();
    }
}

void ScanCodeCapture::ClearAll() {
    slotCodes_.fill(0);
    for (std::string& name : slotNames_) {
        name.clear();
    }
    nextSlot_ = 1;
}

void ScanCodeCapture::TakeEditedCodes(const SlotCodes& codes) {
    // All 16 values are taken even when the first is 0, so the fields always
    // show what the slots hold and what the user typed is what gets stored.
    slotCodes_ = codes;
    for (int k = 0; k < kSlotCount; ++k) {
        slotNames_[k] = NameOfCode(slotCodes_[k], 0, naming_);
    }
}

} // namespace vorlan
