// File > Compare with...: the list of differences beside the window and the
// marks on the grid, kept in step with the layout in the window.
#include "app/MainDialog.h"
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
#include <QTimer>

namespace vorlan {

struct MainDialog::ComparedFile {
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

void MainDialog::CompareWithFile() {
    const std::optional<QString> path =
        DialogsFor(this).AskOpenPath(this, UiText(StringId::MenuCompareWith)
                                               .remove(QLatin1Char('&'))
                                               .remove(QStringLiteral("..."))
                                               .trimmed());
    if (!path) {
        return;
    }
    auto file = std::make_shared<ComparedFile>();
    file->other.filePath = ToPath(*path);
    if (!ReadLayout(file->other)) {
        vorlan::ShowError(this, FillPlaceholders(UiText(StringId::CompareCannotRead), {*path}));
        return;
    }
    file->other.RebuildAfterLoad();
    file->shownName = QFileInfo(*path).fileName();
    file->readNotes = ReadNotesOf(file->other, *path);
    editor->TakePanelValues();
    file->editedPath = editor->Document().filePath;
    if (compareWindow == nullptr) {
        compareWindow = new CompareWindow(this);
        connect(compareWindow, &CompareWindow::KeyChosen, this,
                [this](int key) { editor->OnSelectKey(key); });
        connect(compareWindow, &CompareWindow::Closed, this, [this] {
            compared.reset();
            grid->SetMarkedSlots({});
        });
    }
    compared = std::move(file);
    RefreshCompare();
    compareWindow->ShowBeside(this);
}

void MainDialog::FollowCompare() {
    if (!compared || compareFollowPending) {
        return;
    }
    // Once the command has run: an edit draws several keys, New resets first.
    compareFollowPending = true;
    QTimer::singleShot(0, this, [this] {
        compareFollowPending = false;
        if (!compared || compareWindow == nullptr) {
            return;
        }
        if (editor->Document().filePath != compared->editedPath) {
            // Another layout is in the window: the list and marks were about the old one.
            compareWindow->close();
            return;
        }
        RefreshCompare();
    });
}

void MainDialog::RefreshCompare() {
    const std::vector<Difference> differences = DiffLayouts(editor->Document(), compared->other);
    std::vector<QString> texts = Texts(differences);
    if (compareWindow->isVisible() && texts == compared->shown) {
        return; // the list keeps its selection while nothing changed
    }
    compared->shown = std::move(texts);
    compareWindow->SetDifferences(compared->shownName, differences, compared->readNotes);
    grid->SetMarkedSlots(compareWindow->MarkedKeys());
}

} // namespace vorlan
