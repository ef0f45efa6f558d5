// The key panel: the selected key's name, codes, flags and mode and the
// layout's RFID options as the controls show them. It keeps what was last
// shown and taken, refuses prefix and suffix texts that are not a byte (once
// per text), and talks to the controls only through PanelControls.
#pragma once

#include "common/UiMessage.h"
#include "layout/LayoutDocument.h"
#include "scancodes/ScanCodeTables.h"

#include <array>
#include <optional>
#include <string>

namespace vorlan {

// The longest key name the panel accepts (the catalogue's name size); the
// key-name field should refuse more, and the editor cuts anything longer.
inline constexpr std::size_t kMaxPanelNameBytes = kMaxCatalogNameBytes;

// The key panel's controls as plain values. Prefix and suffix are the texts of
// their fields, so the editor can refuse what is not a number 0..255. The key
// name, prefix and suffix are Latin-1 bytes, as a layout file holds them; the
// code names are UTF-8, as they may carry a PC layout's signs. The window
// turns them into its text only through QtText.h.
struct PanelValues {
    int keyNumber = 0;
    std::string nameLatin1;
    std::array<std::string, kCodesPerKey> codeTextsUtf8;
    // What the codes type in the PC layout of the code names, as a key shows
    // it ("158745⏎"); empty where they do not read as a text. Shown only.
    std::string typesUtf8;
    bool groupKey = false;
    bool singleKey = false;
    KeyMode mode = KeyMode::Mode1; // Unnamed (only from files) selects no button

    int digitsCount = 9;
    bool digitsTypeNum = true;
    std::string prefixLatin1 = "0";
    bool prefixExtended = false;
    std::string suffixLatin1 = "0";
    bool suffixExtended = false;

    friend bool operator==(const PanelValues&, const PanelValues&) = default;
};

enum class RfidField { Prefix, Suffix };

// The panel's controls (part of EditorView).
class PanelControls {
public:
    virtual ~PanelControls() = default;
    // Put the values into the controls without any change notification
    // reaching the editor / read the controls back.
    virtual void ShowPanelValues(const PanelValues& values) = 0;
    virtual PanelValues PanelValuesFromControls() = 0;
    // Tell the user that a prefix or suffix text was refused (the view may
    // also put the focus on the field).
    virtual void RefuseRfidText(RfidField field, const UiMessage& message) = 0;
};

// The code names a key's codes show in the panel.
std::array<std::string, kCodesPerKey> CodeTexts(const KeyCodes& codes, const CodeNaming& naming);
// What they type there, as PanelValues::typesUtf8 holds it.
std::string TypesText(const KeyCodes& codes, const CodeNaming& naming);

class KeyPanel {
public:
    explicit KeyPanel(PanelControls& controls) : controls_(controls) {}

    const PanelValues& Values() const { return values_; }
    // The editor sets single values (a mode click, captured codes, a
    // catalogue pick) before it shows them.
    PanelValues& Values() { return values_; }

    // The key's own values, for the key at slot.
    void Load(int slot, const KeyRecord& key, const CodeNaming& naming);
    // Shows the values with rfid's options; true when the name shown changed.
    bool Show(const RfidOptions& rfid);

    // What the controls hold: the RFID options (rfid with the controls'
    // values; a refused prefix or suffix keeps rfid's) and whether every
    // text was taken.
    struct Taken {
        RfidOptions rfid;
        bool ok = true;
    };
    // Takes the controls' values; nullopt while a refusal is on screen (a
    // repaint under the message), when nothing is read.
    std::optional<Taken> Take(const RfidOptions& rfid);

private:
    std::optional<int> TakeRfidByte(RfidField field, const std::string& text);

    PanelControls& controls_;
    PanelValues values_;
    // The text the key-name field shows, to tell whether a push changes it.
    std::string shownName_;
    // Refused prefix/suffix texts, so the same refusal is not repeated until
    // the field is filled again; and a guard while the refusal is on screen.
    std::optional<std::string> refusedPrefix_;
    std::optional<std::string> refusedSuffix_;
    bool refusing_ = false;
};

} // namespace vorlan
