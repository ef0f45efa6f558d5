// Linked into every core test on Windows, which runs under Wine: the core
// has no system dictionary folder there (the program passes the one shipped
// beside it), so the tests take the Linux system's dictionaries, which Wine
// shows on drive Z: (the root), as the package ships them.
#include "hyphenation/HyphenationChoice.h"

namespace {

const bool kDictionariesSet = [] {
    vorlan::SetHyphenationFolders({"Z:\\usr\\share\\hyphen"});
    return true;
}();

} // namespace
