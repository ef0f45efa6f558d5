#include "scancodes/CodeNames.h"

namespace vorlan {

std::string NameOfCodeAs(CodeNaming naming, std::uint32_t code, std::uint32_t previousCode) {
    switch (naming) {
    case CodeNaming::Standard:
        return StandardNameOfCode(code, previousCode);
    case CodeNaming::Chosen:
        break;
    }
    return NameOfCode(code, previousCode);
}

} // namespace vorlan
