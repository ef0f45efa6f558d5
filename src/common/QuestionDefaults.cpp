#include "common/QuestionDefaults.h"

namespace vorlan {

DefaultAnswer DefaultAnswerOf(StringId question) {
    switch (question) {
    case StringId::AskClearKey:
    case StringId::AskClearAll:
    case StringId::AskInsertKey:
    case StringId::AskReplaceKey:
    case StringId::AskOverwriteChanged:
    case StringId::AskReloadLosingChanges:
    case StringId::AskDiscardRecovery:
    case StringId::LossAsk:
    case StringId::ExportReplaceAsk:
    case StringId::StationEndQuestion:
    case StringId::StationLeaveQuestion:
    case StringId::StationStopQuestion:
        return DefaultAnswer::No;
    default:
        // Saving, recovering, reloading a layout without changes, writing
        // where the file was removed, a large export, resuming a batch, digits
        // of an imported key list from the number pad: Yes loses nothing.
        return DefaultAnswer::Yes;
    }
}

} // namespace vorlan
