#include "app/FileActions.h"

#include "app/StandardKeys.h"
#include "common/ui/QtText.h"
#include "common/ui/UiText.h"
#include "editor/KeyEditor.h"
#include "printing/ui/PrintActions.h"

#include <QAction>
#include <QMainWindow>
#include <QMenu>
#include <QMenuBar>

namespace vorlan {

// The platform's keys for a standard command; where it names none (Save As
// and Quit on some desktops), the keys most programs use there.
QList<QKeySequence> StandardKeys(QKeySequence::StandardKey command) {
    QList<QKeySequence> keys = QKeySequence::keyBindings(command);
    if (keys.isEmpty()) {
        switch (command) {
        case QKeySequence::New:
            keys << QKeySequence(Qt::CTRL | Qt::Key_N);
            break;
        case QKeySequence::Open:
            keys << QKeySequence(Qt::CTRL | Qt::Key_O);
            break;
        case QKeySequence::Save:
            keys << QKeySequence(Qt::CTRL | Qt::Key_S);
            break;
        case QKeySequence::SaveAs:
            keys << QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_S);
            break;
        case QKeySequence::Quit:
            keys << QKeySequence(Qt::CTRL | Qt::Key_Q);
            break;
        case QKeySequence::HelpContents:
            keys << QKeySequence(Qt::Key_F1);
            break;
        default:
            break;
        }
    }
    return keys;
}

FileActions::FileActions(QMainWindow& theWindow) : QObject(&theWindow), window(theWindow) {
    fileMenu = window.menuBar()->addMenu(UiText(StringId::MenuFile));
    fileMenu->setObjectName(QStringLiteral("fileMenu"));
    const auto add = [this](StringId text, const char* name) {
        QAction* action = fileMenu->addAction(UiText(text));
        action->setObjectName(QString::fromLatin1(name));
        return action;
    };
    newAction = add(StringId::MenuNew, "actionNew");
    newAction->setShortcuts(StandardKeys(QKeySequence::New));
    openAction = add(StringId::MenuOpen, "actionOpen");
    openAction->setShortcuts(StandardKeys(QKeySequence::Open));
    saveAction = add(StringId::MenuSave, "actionSave");
    saveAction->setShortcuts(StandardKeys(QKeySequence::Save));
    saveAsAction = add(StringId::MenuSaveAs, "actionSaveAs");
    saveAsAction->setShortcuts(StandardKeys(QKeySequence::SaveAs));
    compareAction = add(StringId::MenuCompareWith, "actionCompareWith");
    fileMenu->addSeparator();
    programmingAction = add(StringId::MenuProgramming, "actionProgramming");
    fileMenu->addSeparator();
    settingsAction = add(StringId::MenuSettings, "actionSettings");
    // Printing and export work on the layout with the panel's typing taken in.
    AddPrintMenuEntries(
        fileMenu, settingsAction, &window,
        [this]() -> const LayoutDocument* {
            if (editor == nullptr) {
                return nullptr;
            }
            editor->TakePanelValues();
            return &editor->Document();
        },
        [this] { return editor != nullptr ? editor->Naming() : CodeNaming{}; });
    fileMenu->addSeparator();
    exitAction = add(StringId::MenuExit, "actionExit");
    exitAction->setShortcuts(StandardKeys(QKeySequence::Quit));
    connect(exitAction, &QAction::triggered, &window, &QWidget::close);
}

void FileActions::Connect(KeyEditor& theEditor, QWidget& theGrid) {
    editor = &theEditor;
    grid = &theGrid;
    KeyEditor* e = editor;
    connect(newAction, &QAction::triggered, this, [this, e] {
        e->OnFileNew();
        grid->setFocus(Qt::OtherFocusReason);
    });
    connect(openAction, &QAction::triggered, this, [this, e] {
        e->OnFileOpen();
        grid->setFocus(Qt::OtherFocusReason);
    });
    connect(saveAction, &QAction::triggered, this, [e] { e->OnFileSave(); });
    connect(saveAsAction, &QAction::triggered, this, [e] { e->OnFileSaveAs(); });
    connect(programmingAction, &QAction::triggered, this, [e] { e->OnFileProgramming(); });
    connect(settingsAction, &QAction::triggered, this, [e] { e->OnFileSettings(); });
}

void FileActions::ShowRecentFiles(const std::vector<RecentFileEntry>& entries) {
    for (QAction* a : recentBlock) {
        fileMenu->removeAction(a);
        a->deleteLater();
    }
    recentBlock.clear();
    if (entries.empty()) {
        return;
    }
    for (const RecentFileEntry& entry : entries) {
        // "&1" to "&4" pick an entry by its number; an "&" in the path itself is
        // shown, not taken as an access key.
        const QString shown = FromPath(entry.path).replace(QLatin1Char('&'), QStringLiteral("&&"));
        const int i = entry.index;
        auto* action =
            new QAction(i < 9 ? QStringLiteral("&%1 %2").arg(i + 1).arg(shown) : shown, fileMenu);
        action->setObjectName(QStringLiteral("actionRecent%1").arg(i + 1));
        connect(action, &QAction::triggered, this, [this, i] {
            editor->OnRecentFile(i);
            grid->setFocus(Qt::OtherFocusReason);
        });
        fileMenu->insertAction(exitAction, action);
        recentBlock.push_back(action);
    }
    recentBlock.push_back(fileMenu->insertSeparator(exitAction));
}

} // namespace vorlan
