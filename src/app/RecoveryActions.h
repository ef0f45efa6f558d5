// The recovery guard's file actions, done by the window's file commands: the
// recovery room takes only what it needs, never the editor itself.
#pragma once

#include "editor/FileCommands.h"
#include "recovery/ui/RecoveryGuard.h"

namespace vorlan {

inline RecoveryFileActions RecoveryActionsOf(FileCommands& files) {
    return {[&files](const RecoveryRecord& r) {
                files.RestoreText(r.originalPath, r.layoutText, r.loadedVariant, r.stamp);
            },
            [&files] { files.CheckDiskChange(); }, [&files] { return files.Stamp(); }};
}

} // namespace vorlan
