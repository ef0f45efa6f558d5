#include "app/CompareController.h"

#include "common/ui/DialogSeam.h"
#include "common/ui/MessageBox.h"
#include "common/ui/QtText.h"
#include "common/ui/UiMessageText.h"
#include "common/ui/UiText.h"
#include "editor/KeyEditor.h"
#include "grid/ui/KeyGridWidget.h"
#include "layout/LayoutCheck.h"
#include "layout/LayoutDiff.h"
#include "layout/LayoutFile.h"
#include "layout/ui/CompareWindow.h"

#include <QFile>
#include <QFileInfo>
#include <QMainWindow>
#include <QPointer>
#include <QTimer>

namespace vorlan {

struct CompareController::ComparedFile {
    LayoutDocument other;
    QString shownName;
    QStringList readNotes;      // what is wrong with the other file, said first
    std::string editedPath;     // the file in the window when the compare began
    std::vector<QString> shown; // the differences listed now
};

namespace {

// The reader's errors about the other file, as after Open: a file that is no
// layout or was read only in part must not pass for an ordinary one.
QStringList ReadNotesOf(const LayoutDocument& other, const QString& path) {
    constexpr int kLineNotesShown = 3;
    QStringList notes;
    int lineNotes = 0;
    for (const ReadNote& note : other.readReport.Notes()) {
        if (note.level != NoteLevel::Error) {
            continue;
        }
        if (note.line == 0) {
            notes.prepend(UiMessageText(note.message));
        } else if (lineNotes++ < kLineNotesShown) {
            notes << UiMessageText(note.message);
        }
    }
    QFile file(path);
    const QByteArray head = file.open(QIODevice::ReadOnly) ? file.read(64) : QByteArray();
    if (!LooksLikeLayout(
            std::string_view(head.constData(), static_cast<std::size_t>(head.size())))) {
        notes.prepend(UiText(StringId::CompareNotALayout));
    }
    return notes;
}

std::vector<QString> Texts(const std::vector<Difference>& differences) {
    std::vector<QString> texts;
    texts.reserve(differences.size());
    for (const Difference& d : differences) {
        texts.push_back(UiMessageText(d.message));
    }
    return texts;
}

} // namespace

CompareController::CompareController(QMainWindow& theWindow, KeyEditor& theEditor,
                                     KeyGridWidget& theGrid)
    : QObject(&theWindow), window(theWindow), editor(theEditor), grid(theGrid) {
    editor.History().AddListener([guard = QPointer<CompareController>(this)](HistoryChange) {
        if (guard) {
            guard->Follow();
        }
    });
    connect(&window, &QWidget::windowTitleChanged, this, &CompareController::Follow);
}

CompareController::~CompareController() = default;

void CompareController::CompareWithFile() {
    const std::optional<QString> path =
        DialogsFor(&window).AskOpenPath(&window, UiText(StringId::MenuCompareWith)
                                                     .remove(QLatin1Char('&'))
                                                     .remove(QStringLiteral("..."))
                                                     .trimmed());
    if (!path) {
        return;
    }
    auto file = std::make_shared<ComparedFile>();
    file->other.filePath = ToPath(*path);
    if (!ReadLayout(file->other)) {
        ShowError(&window, FillPlaceholders(UiText(StringId::CompareCannotRead), {*path}));
        return;
    }
    file->other.RebuildAfterLoad();
    file->shownName = QFileInfo(*path).fileName();
    file->readNotes = ReadNotesOf(file->other, *path);
    editor.TakePanelValues();
    file->editedPath = editor.Document().filePath;
    if (compareWindow == nullptr) {
        compareWindow = new CompareWindow(&window);
        connect(compareWindow, &CompareWindow::KeyChosen, this,
                [this](int key) { editor.OnSelectKey(key); });
        connect(compareWindow, &CompareWindow::Closed, this, [this] {
            compared.reset();
            grid.SetMarkedSlots({});
        });
    }
    compared = std::move(file);
    Refresh();
    compareWindow->ShowBeside(&window);
}

void CompareController::Follow() {
    if (!compared || followPending) {
        return;
    }
    // Once the command has run: an edit draws several keys, New resets first.
    followPending = true;
    QTimer::singleShot(0, this, [this] {
        followPending = false;
        if (!compared || compareWindow == nullptr) {
            return;
        }
        if (editor.Document().filePath != compared->editedPath) {
            // Another layout is in the window: the list and marks were about the old one.
            compareWindow->close();
            return;
        }
        Refresh();
    });
}

void CompareController::Refresh() {
    const std::vector<Difference> differences = DiffLayouts(editor.Document(), compared->other);
    std::vector<QString> texts = Texts(differences);
    if (compareWindow->isVisible() && texts == compared->shown) {
        return; // the list keeps its selection while nothing changed
    }
    compared->shown = std::move(texts);
    compareWindow->SetDifferences(compared->shownName, differences, compared->readNotes);
    grid.SetMarkedSlots(compareWindow->MarkedKeys());
}

} // namespace vorlan
