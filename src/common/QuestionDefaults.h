// Which answer Enter gives to each question of the program. Where Yes
// replaces or throws away something the user has, No is the default, so a
// key pressed before the question was read never destroys work.
#pragma once

#include "common/StringTable.h"

namespace vorlan {

enum class DefaultAnswer { Yes, No };

DefaultAnswer DefaultAnswerOf(StringId question);

} // namespace vorlan
