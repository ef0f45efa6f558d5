// The keys of the File and Help menus' standard commands (defined with the
// File menu, FileActions.cpp).
#pragma once

#include <QKeySequence>
#include <QList>

namespace vorlan {

// The platform's key sequences of a standard command, or the usual ones where
// the platform has none.
QList<QKeySequence> StandardKeys(QKeySequence::StandardKey command);

} // namespace vorlan
