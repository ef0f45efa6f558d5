// "Keyboard settings": the keyboard-wide part of a layout (single or double
// keyboard, keys type, key beep, keys pause, typematic rate and key delay).
// The main window's Settings command runs it modally through the key editor,
// which applies the result.
#pragma once

#include <QDialog>
#include <memory>
#include <optional>

class QButtonGroup;
class QLabel;
class QLineEdit;
class QRadioButton;

class QSlider;

namespace vorlan {

struct KeyboardSettingsValues; // programming/KeyboardSettingsValues.h

class KeyboardSettingsDialog : public QDialog {
    Q_OBJECT
public:
    explicit KeyboardSettingsDialog(QWidget* parent);
    ~KeyboardSettingsDialog() override;

    // Shows values, runs the dialog modally; the chosen values on OK,
    // nullopt on Cancel.
    std::optional<KeyboardSettingsValues> Run(const KeyboardSettingsValues& values);

    // Puts values into the controls; the sliders are enabled exactly when
    // the keys type is Typematic.
    void SetValues(const KeyboardSettingsValues& values);
    // The values the dialog last accepted (or was given).
    const KeyboardSettingsValues& Values() const { return *values; }

    // Reads the controls; a keys pause that is not an integer 1..255 is
    // refused with a message and the dialog stays open.
    void accept() override;

    QRadioButton* SingleButton() const { return singleButton; }
    QRadioButton* DoubleButton() const { return doubleButton; }
    QRadioButton* MakeBreakButton() const { return makeBreakButton; }
    QRadioButton* TypematicButton() const { return typematicButton; }
    QRadioButton* BeepOffButton() const { return beepOffButton; }
    QRadioButton* BeepOnButton() const { return beepOnButton; }
    QLineEdit* KeysPauseEdit() const { return keysPauseEdit; }
    QSlider* RateSlider() const { return rateSlider; }
    QSlider* DelaySlider() const { return delaySlider; }

private:
    void EnableSliders(bool enable);

    std::unique_ptr<KeyboardSettingsValues> values;

    QButtonGroup* typeGroup = nullptr;
    QButtonGroup* keysTypeGroup = nullptr;
    QButtonGroup* beepGroup = nullptr;
    QRadioButton* singleButton = nullptr;
    QRadioButton* doubleButton = nullptr;
    QRadioButton* makeBreakButton = nullptr;
    QRadioButton* typematicButton = nullptr;
    QRadioButton* beepOffButton = nullptr;
    QRadioButton* beepOnButton = nullptr;
    QLineEdit* keysPauseEdit = nullptr;
    QSlider* rateSlider = nullptr;
    QSlider* delaySlider = nullptr;
    QLabel* rateValue = nullptr;
    QLabel* delayValue = nullptr;
};

} // namespace vorlan
