// The main window's key panel: the RFID options, the key's flags and mode,
// the "Programmed keys:" list, the key's number, name, 16 codes and what they
// type, and the step buttons, each placed on the client area where the window was designed
// (so the window's sizing moves them as its own children). It shows what the
// editor puts into the panel and reads it back; only the user's own changes
// reach the editor's On... entries.
#pragma once

#include "editor/KeyPanel.h"

#include <QRect>
#include <array>
#include <string>
#include <vector>

class QButtonGroup;
class QCheckBox;
class QComboBox;
class QLabel;
class QLineEdit;
class QPushButton;
class QRadioButton;
class QSpinBox;
class QWidget;

namespace vorlan {

class KeyEditor;

// A rectangle in the dialog units the window was designed in (an 8-point
// font: 4 horizontal units are 6 pixels, 8 vertical units 13 pixels).
QRect DesignedRect(int x, int y, int w, int h);

class KeyPanelControls {
public:
    // Builds the controls on client, ahead of the grid in its children.
    explicit KeyPanelControls(QWidget& client);
    // Sends the user's changes to editor's On... entries.
    void Connect(KeyEditor& editor);

    // Without any change notification reaching the editor.
    void Show(const PanelValues& values);
    PanelValues Read() const;
    void FillCatalog(const std::vector<std::string>& rows);
    void SelectCatalogRow(int row);
    // The RFID field the editor refused takes the focus, its text selected.
    void FocusRfidField(RfidField field);

    // A code field is read-only: typing into it is told where codes are entered.
    bool IsCodeField(const QWidget* widget) const;
    // A long "for all keys" caption takes two lines of its group's free height
    // before the window widens for it.
    void WrapLongCaptions();

private:
    QWidget& client;
    QSpinBox* digitsCount = nullptr;
    QLineEdit* prefixEdit = nullptr;
    QLineEdit* suffixEdit = nullptr;
    QCheckBox* prefixExtended = nullptr;
    QCheckBox* suffixExtended = nullptr;
    QCheckBox* digitsTypeNum = nullptr;
    QCheckBox* singleKey = nullptr;
    QCheckBox* groupKey = nullptr;
    QPushButton* setFlagForAll = nullptr;
    std::array<QRadioButton*, 3> modeRadios{}; // one for each of kOfferedModes
    QButtonGroup* modeGroup = nullptr;
    QPushButton* setModeForAll = nullptr;
    QComboBox* programmedKeys = nullptr;
    QLineEdit* keyNumber = nullptr;
    QLineEdit* keyName = nullptr;
    std::array<QLineEdit*, 16> codeEdits{};
    QLabel* keyTypes = nullptr;
    QPushButton* previousButton = nullptr;
    QPushButton* nextButton = nullptr;
};

} // namespace vorlan
