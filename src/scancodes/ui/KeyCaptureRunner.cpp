#include "scancodes/ui/KeyCaptureRunner.h"

#include "scancodes/ui/CaptureScanCodesDialog.h"

namespace vorlan {

static_assert(kCodesPerKey == kSlotCount, "a key has one code per capture slot");

CaptureResult RunCaptureDialogForKey(CaptureScanCodesDialog& dialog, const KeyCodes& codes,
                                     const std::array<std::string, kCodesPerKey>& names,
                                     const CodeNaming& naming) {
    dialog.SetNaming(naming);
    SlotCodes slotCodes{};
    SlotNames slotNames;
    for (int k = 0; k < kSlotCount; ++k) {
        // A key's codes are 0..255 (the layout reader substitutes anything else).
        slotCodes[k] = codes[k] < 0 ? 0u : static_cast<std::uint32_t>(codes[k]);
        slotNames[k] = names[k];
    }
    const CaptureDialogResult run = dialog.Run(slotCodes, slotNames);
    CaptureResult result;
    result.accepted = run.accepted;
    if (run.accepted) {
        for (int k = 0; k < kSlotCount; ++k) {
            result.codes[k] = static_cast<std::int32_t>(run.codes[k]);
            result.names[k] = run.names[k];
        }
    }
    return result;
}

} // namespace vorlan
