// The system clipboard for keys: the program's own readable text under its
// own type (so another window or instance pastes exactly that key) and a
// plain line of name and codes for other programs.
#pragma once

#include <QString>
#include <string>

class QMimeData;

namespace vorlan {

inline constexpr const char* kKeyMimeType = "application/x-vorlan-key";

// Fills data with both forms. Texts are the layout's single-byte text.
void FillKeyMimeData(QMimeData& data, const std::string& keyText, const std::string& plainText);
// The key text of data (the program's type first, else plain text); empty
// when there is none or it holds characters a layout cannot carry.
std::string KeyTextFromMimeData(const QMimeData* data);

void PutKeyOnClipboard(const std::string& keyText, const std::string& plainText);
std::string KeyTextFromClipboard();

} // namespace vorlan
