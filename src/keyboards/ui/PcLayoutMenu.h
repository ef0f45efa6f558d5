// View > PC keyboard layout: whose signs name the codes everywhere the
// program shows code names. The choice is remembered in the user's settings.
#pragma once

#include "keyboards/PcLayouts.h"
#include "keyboards/SystemLayout.h"

#include <QObject>
#include <functional>
#include <optional>
#include <string>

class QAction;
class QActionGroup;
class QMenu;

namespace vorlan {

// The layout the system uses now: the foreground thread's keyboard layout on
// Windows, the XKB layout on X11, else the locale's country; none when the
// layout is not one of those offered.
std::optional<std::string> DetectSystemPcLayout();

// No signals of its own, so no Q_OBJECT (moc cannot read the string table).
class PcLayoutMenu : public QObject {
public:
    // Adds the submenu to `parent` and applies the stored choice;
    // `namesChanged` is given the names after each later change of the
    // layout in use (the first are Naming()).
    PcLayoutMenu(QMenu& parent, std::function<void(CodeNaming)> namesChanged);

    QMenu* Menu() const { return menu_; }
    // The entry of a choice: "auto", "standard" or a layout id.
    QAction* Entry(const std::string& stored) const;
    // The layout whose names are in use; empty for the standard names.
    const std::string& LayoutInUse() const { return inUse_; }
    CodeNaming Naming() const { return keyboards::NamingFor(inUse_); }

    void Choose(const keyboards::PcLayoutChoice& choice);

private:
    void Apply();
    void Redetect();

    QMenu* menu_ = nullptr;
    QActionGroup* group_ = nullptr;
    QAction* automatic_ = nullptr;
    std::function<void(CodeNaming)> namesChanged_;
    keyboards::PcLayoutChoice choice_;
    std::optional<std::string> detected_;
    std::string inUse_;
};

} // namespace vorlan
