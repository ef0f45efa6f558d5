#include "layout/ui/CompareWindow.h"

#include "common/ui/UiMessageText.h"
#include "common/ui/UiText.h"
#include "layout/LayoutDiff.h"

#include <QCloseEvent>
#include <QKeyEvent>
#include <QListWidget>
#include <QVBoxLayout>
#include <algorithm>

namespace vorlan {

CompareWindow::CompareWindow(QWidget* parent) : QDialog(parent) {
    setObjectName(QStringLiteral("compareWindow"));
    setModal(false);
    auto* column = new QVBoxLayout(this);
    list = new QListWidget(this);
    list->setObjectName(QStringLiteral("compareList"));
    column->addWidget(list);
    resize(420, 360);
    connect(list, &QListWidget::currentRowChanged, this, [this](int row) {
        const auto r = static_cast<std::size_t>(row);
        if (row >= 0 && r < keys.size() && keys[r] != 0) {
            emit KeyChosen(keys[r]);
        }
    });
}

void CompareWindow::SetDifferences(const QString& otherName,
                                   const std::vector<Difference>& differences) {
    setWindowTitle(FillPlaceholders(UiText(StringId::CompareCaption), {otherName}));
    const QSignalBlocker block(list);
    list->clear();
    keys.clear();
    marks.clear();
    for (const Difference& d : differences) {
        list->addItem(UiMessageText(d.message));
        keys.push_back(d.key != 0 ? d.key : d.otherKey);
        if (d.key != 0) {
            marks.push_back(d.key);
        }
        if (d.otherKey != 0) {
            marks.push_back(d.otherKey);
        }
    }
    if (differences.empty()) {
        list->addItem(UiText(StringId::CompareEqual));
        keys.push_back(0);
    }
}

std::vector<int> CompareWindow::MarkedKeys() const {
    std::vector<int> marked = marks;
    std::sort(marked.begin(), marked.end());
    marked.erase(std::unique(marked.begin(), marked.end()), marked.end());
    return marked;
}

void CompareWindow::closeEvent(QCloseEvent* event) {
    emit Closed();
    QDialog::closeEvent(event);
}

// Escape closes the list like its close box, ending the compare.
void CompareWindow::keyPressEvent(QKeyEvent* event) {
    if (event->key() == Qt::Key_Escape) {
        close();
        return;
    }
    QDialog::keyPressEvent(event);
}

} // namespace vorlan
