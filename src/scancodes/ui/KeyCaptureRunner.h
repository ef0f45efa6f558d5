// Runs the capture dialog for the key editor's key edit, converting between
// the key's codes and the dialog's slots.
#pragma once

#include "scancodes/CaptureResult.h"
#include "scancodes/ScanCodeTables.h"

namespace vorlan {

class CaptureScanCodesDialog;

CaptureResult RunCaptureDialogForKey(CaptureScanCodesDialog& dialog, const KeyCodes& codes,
                                     const std::array<std::string, kCodesPerKey>& names,
                                     const CodeNaming& naming);

} // namespace vorlan
