#include "app/GridViewActions.h"

#include "app/MainDialog.h"
#include "common/ui/QtText.h"
#include "common/ui/UiText.h"
#include "editor/KeyEditor.h"
#include "editor/ui/KeyFindBar.h"
#include "grid/GridGeometry.h"
#include "grid/ui/KeyGridWidget.h"
#include "grid/ui/KeyTexts.h"
#include "keyboards/ui/PcLayoutMenu.h"
#include "layout/ui/SettingsProfileStore.h"

#include <QAction>
#include <QApplication>
#include <QLayout>
#include <QLineEdit>
#include <QMainWindow>
#include <QMenu>
#include <QMenuBar>
#include <QToolBar>
#include <algorithm>

namespace vorlan {
namespace {

constexpr std::string_view kViewSection = "View";
constexpr std::string_view kKeyNamesEntry = "KeyNamesOnGrid";

// The menu bar's entry of the menu with this object name, or null.
QAction* MenuEntry(QMenuBar* bar, const QString& name) {
    for (QAction* entry : bar->actions()) {
        if (entry->menu() != nullptr && entry->menu()->objectName() == name) {
            return entry;
        }
    }
    return nullptr;
}

} // namespace

GridViewActions::GridViewActions(QMainWindow& theWindow, KeyGridWidget& theGrid,
                                 KeyEditor& theEditor)
    : QObject(&theWindow), window(theWindow), grid(theGrid), editor(theEditor) {
    BuildMenus();
    theGrid.SetToolTipSource(
        [this](int slot) { return KeyToolTipText(editor.Document(), slot, editor.Naming()); });
    SettingsProfileStore store;
    SetKeyNamesShown(store.ReadString(kViewSection, kKeyNamesEntry) == "1");
}

// The Edit menu sits right after File; made here when the window has none.
QMenu* GridViewActions::EditMenu() {
    QMenuBar* menuBar = window.menuBar();
    if (QAction* entry = MenuEntry(menuBar, QStringLiteral("editMenu"))) {
        return entry->menu();
    }
    auto* menu = new QMenu(UiText(StringId::FindEditMenu), menuBar);
    menu->setObjectName(QStringLiteral("editMenu"));
    QAction* file = MenuEntry(menuBar, QStringLiteral("fileMenu"));
    const QList<QAction*> entries = menuBar->actions();
    const qsizetype afterFile = entries.indexOf(file) + 1;
    menuBar->insertMenu(
        afterFile > 0 && afterFile < entries.size() ? entries.at(afterFile) : nullptr, menu);
    return menu;
}

void GridViewActions::BuildMenus() {
    QMenu* edit = EditMenu();
    if (!edit->isEmpty()) {
        edit->addSeparator();
    }
    find = edit->addAction(UiText(StringId::FindKeyMenu));
    find->setObjectName(QStringLiteral("actionFindKey"));
    find->setShortcut(QKeySequence::Find);
    findNext = edit->addAction(UiText(StringId::FindNextMenu));
    findNext->setObjectName(QStringLiteral("actionFindNext"));
    findNext->setShortcut(QKeySequence(Qt::Key_F3));
    findPrevious = edit->addAction(UiText(StringId::FindPreviousMenu));
    findPrevious->setObjectName(QStringLiteral("actionFindPrevious"));
    findPrevious->setShortcut(QKeySequence(Qt::SHIFT | Qt::Key_F3));
    connect(find, &QAction::triggered, this, &GridViewActions::OpenFind);
    connect(findNext, &QAction::triggered, this, &GridViewActions::FindNext);
    connect(findPrevious, &QAction::triggered, this, &GridViewActions::FindPrevious);

    // View goes between Edit and Help.
    QMenuBar* menuBar = window.menuBar();
    auto* view = new QMenu(UiText(StringId::ViewMenu), menuBar);
    view->setObjectName(QStringLiteral("viewMenu"));
    // File, Edit, View, Tools, Help, whichever of them was made first.
    QAction* tools = MenuEntry(menuBar, QStringLiteral("toolsMenu"));
    menuBar->insertMenu(tools != nullptr ? tools : MenuEntry(menuBar, QStringLiteral("helpMenu")),
                        view);
    keyNames = view->addAction(UiText(StringId::ViewKeyNames));
    keyNames->setObjectName(QStringLiteral("actionKeyNames"));
    keyNames->setCheckable(true);
    connect(keyNames, &QAction::toggled, this, [this](bool on) {
        SetKeyNamesShown(on);
        SettingsProfileStore().WriteString(kViewSection, kKeyNamesEntry, on ? "1" : "0");
    });
    AddPcLayoutMenu(*view);
}

// Code names follow the PC keyboard layout: the editor is given the names,
// and the key panel, the grid's labels and the find marks are made again when
// they change; tooltips are made when shown.
void GridViewActions::AddPcLayoutMenu(QMenu& view) {
    pcLayouts = new PcLayoutMenu(view, [this](CodeNaming naming) {
        editor.SetCodeNaming(naming);
        editor.DrawGrid();
        if (editor.CurrentKey() >= 1) {
            editor.ShowKey(editor.CurrentKey());
        }
        if (FindBarOpen()) {
            Search();
        }
    });
    editor.SetCodeNaming(pcLayouts->Naming());
}

void GridViewActions::SetKeyNamesShown(bool on) {
    {
        const QSignalBlocker block(keyNames);
        keyNames->setChecked(on);
    }
    grid.SetShowNames(on);
}

bool GridViewActions::FindBarOpen() const {
    return barHolder != nullptr && barHolder->isVisible();
}

// Made on first use, not before the window's first paint.
void GridViewActions::OpenFind() {
    if (barHolder == nullptr) {
        barHolder = new QToolBar(&window);
        barHolder->setObjectName(QStringLiteral("findToolBar"));
        barHolder->setMovable(false);
        barHolder->setFloatable(false);
        barHolder->toggleViewAction()->setVisible(false);
        bar = new KeyFindBar(barHolder);
        bar->setFont(window.centralWidget()->font());
        barHolder->addWidget(bar);
        window.addToolBar(Qt::TopToolBarArea, barHolder);
        connect(bar, &KeyFindBar::QueryChanged, this, &GridViewActions::Search);
        connect(bar, &KeyFindBar::NextRequested, this, &GridViewActions::FindNext);
        connect(bar, &KeyFindBar::PreviousRequested, this, &GridViewActions::FindPrevious);
        connect(bar, &KeyFindBar::CloseRequested, this, &GridViewActions::CloseFind);
    }
    if (!barHolder->isVisible()) {
        QWidget* focused = QApplication::focusWidget();
        focusBefore = focused != nullptr && focused->window() == &window ? focused : nullptr;
        barHolder->show();
        FitWindow();
        Search();
    }
    bar->FocusField();
}

void GridViewActions::CloseFind() {
    if (!FindBarOpen()) {
        return;
    }
    barHolder->hide();
    grid.SetFoundCells({});
    FitWindow();
    // The selection stays; the focus goes back where it was.
    if (focusBefore != nullptr) {
        focusBefore->setFocus(Qt::OtherFocusReason);
    } else {
        window.setFocus(Qt::OtherFocusReason);
    }
}

// The window grows by the bar's height and shrinks back.
void GridViewActions::FitWindow() {
    if (auto* main = qobject_cast<MainDialog*>(&window)) {
        main->FitAroundClient();
        return;
    }
    if (window.layout() != nullptr) {
        window.layout()->activate();
    }
    window.setFixedSize(window.sizeHint());
}

void GridViewActions::Search() {
    if (bar == nullptr) {
        return;
    }
    const QString text = bar->Field()->text();
    // Code names may hold any sign the PC layout types, so the query is UTF-8.
    finder.Search(editor.Document(), ToUtf8Text(text), editor.Naming());
    grid.SetFoundCells(FindBarOpen() ? finder.FoundCells() : std::vector<int>{});
    bar->ShowResult(finder.Position(), static_cast<int>(finder.Found().size()));
}

void GridViewActions::Step(bool forward) {
    if (!FindBarOpen()) {
        OpenFind();
        return;
    }
    // The layout may have changed since the last keystroke in the field.
    Search();
    const int selected = editor.CurrentKey();
    const int slot = forward ? finder.Next(editor.Document(), selected)
                             : finder.Previous(editor.Document(), selected);
    if (slot != 0) {
        editor.OnSelectKey(slot);
    }
    bar->ShowResult(finder.Position(), static_cast<int>(finder.Found().size()));
}

void GridViewActions::FindNext() {
    Step(true);
}

void GridViewActions::FindPrevious() {
    Step(false);
}

} // namespace vorlan
