// File > Import key list... and Export key list...: a layout from a product
// list as a spreadsheet writes it, and back, in the window's PC layout.
#pragma once

#include <string>

class QWidget;

namespace vorlan {

class KeyEditor;

// Asks for the list and the layout file to write, writes it and opens it in
// the editor; a list with wrong rows is shown by row and column and nothing
// is written. layoutId: the PC layout the texts are typed in.
void ImportKeyList(QWidget& window, KeyEditor& editor, const std::string& layoutId);

// Asks for the CSV file and writes the layout's key list to it.
void ExportKeyList(QWidget& window, KeyEditor& editor, const std::string& layoutId);

} // namespace vorlan
