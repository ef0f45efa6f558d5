#include "verify/ui/ProgrammingLogWindow.h"

#include "common/ui/QtText.h"
#include "common/ui/UiMessageText.h"
#include "common/ui/UiText.h"
#include "verify/ProgrammingLog.h"

#include <QApplication>
#include <QClipboard>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QPushButton>
#include <QScreen>
#include <QTableWidget>
#include <QVBoxLayout>
#include <algorithm>

namespace vorlan {
namespace {

// The log's English fields in the window's language; a field the program
// does not know how to read back is shown as it stands.
QString ResultCell(const std::string& result) {
    QStringList parts;
    for (const UiMessage& m : RunResultMessages(result)) {
        parts << UiMessageText(m);
    }
    return parts.isEmpty() ? QString::fromStdString(result) : parts.join(QLatin1Char(' '));
}

QString LayoutCell(const std::string& layout) {
    const std::optional<UiMessage> m = RunLayoutMessage(layout);
    if (!m) {
        return FromPath(layout);
    }
    QStringList values;
    for (const UiArg& value : m->args) {
        values << FromPath(value.bytes);
    }
    return FillPlaceholders(UiText(m->id), values);
}

} // namespace

ProgrammingLogWindow::ProgrammingLogWindow(Reader theRead, QWidget* parent)
    : QDialog(parent), read(std::move(theRead)) {
    setObjectName(QStringLiteral("ProgrammingLogWindow"));
    setWindowTitle(UiText(StringId::LogCaption));
    setProperty("helpSection", QStringLiteral("log"));
    auto* layout = new QVBoxLayout(this);
    empty = new QLabel(UiText(StringId::LogEmpty), this);
    layout->addWidget(empty);
    table = new QTableWidget(0, 7, this);
    table->setObjectName(QStringLiteral("logTable"));
    table->setHorizontalHeaderLabels(
        {UiText(StringId::LogColumnDate), UiText(StringId::LogColumnLayout),
         UiText(StringId::LogColumnSha), UiText(StringId::LogColumnType),
         UiText(StringId::LogColumnBytes), UiText(StringId::LogColumnDuration),
         UiText(StringId::LogColumnResult)});
    table->setEditTriggers(QAbstractItemView::NoEditTriggers);
    table->setSelectionBehavior(QAbstractItemView::SelectRows);
    table->horizontalHeader()->setStretchLastSection(true);
    table->verticalHeader()->setVisible(false);
    table->setTextElideMode(Qt::ElideMiddle);
    layout->addWidget(table);

    auto* row = new QHBoxLayout;
    row->addStretch();
    auto* copy = new QPushButton(UiText(StringId::LogCopy), this);
    copy->setObjectName(QStringLiteral("logCopy"));
    auto* close = new QPushButton(UiText(StringId::LogClose), this);
    row->addWidget(copy);
    row->addWidget(close);
    layout->addLayout(row);
    connect(copy, &QPushButton::clicked, this,
            [this] { QApplication::clipboard()->setText(CopyText()); });
    connect(close, &QPushButton::clicked, this, &QDialog::accept);
    resize(900, 360);
    Reload();
}

void ProgrammingLogWindow::Reload() {
    QString why;
    const std::vector<ProgrammingRun> runs = read(why);
    // A record that cannot be read says why where the runs would be.
    empty->setText(why.isEmpty() ? UiText(StringId::LogEmpty) : why);
    table->setRowCount(static_cast<int>(runs.size()));
    for (int r = 0; r < static_cast<int>(runs.size()); ++r) {
        const ProgrammingRun& run = runs[static_cast<std::size_t>(r)];
        const QStringList cells = {QString::fromStdString(run.dateTime),
                                   LayoutCell(run.layoutFile),
                                   QString::fromStdString(run.imageSha256),
                                   run.keyboardType < 0 ? QStringLiteral("-")
                                                        : QString::number(run.keyboardType),
                                   QString::number(run.bytesWritten),
                                   QString::number(run.durationMs),
                                   ResultCell(run.result)};
        for (int c = 0; c < cells.size(); ++c) {
            auto* item = new QTableWidgetItem(cells[c]);
            item->setToolTip(cells[c]);
            table->setItem(r, c, item);
        }
    }
    table->resizeColumnsToContents();
    // The digest is long; its start tells images apart, the tooltip holds it
    // whole. Its heading stays whole in every language.
    const int headingWidth = table->horizontalHeader()->sectionSizeHint(2);
    table->setColumnWidth(2, std::min(table->columnWidth(2), std::max(100, headingWidth)));
    // The path gives up what the result needs to be on screen when the
    // window opens, the rest shown elided in its middle, down to its heading;
    // where the headings need more, the window opens wider, up to the screen.
    int others = 0;
    for (int c = 0; c < table->columnCount() - 1; ++c) {
        others += c == 1 ? 0 : table->columnWidth(c);
    }
    const int least = std::max(80, table->horizontalHeader()->sectionSizeHint(1));
    const int fixed = 2 * layout()->contentsMargins().left() + others + 200;
    if (!isVisible() && fixed + least > width() && screen() != nullptr) {
        resize(std::min(fixed + least, screen()->availableGeometry().width()), height());
    }
    const int room = width() - fixed;
    table->setColumnWidth(
        1, std::clamp(room, least, std::max(least, std::min(table->columnWidth(1), 260))));
    empty->setVisible(runs.empty());
    if (!runs.empty()) {
        table->scrollToBottom();
    }
}

QString ProgrammingLogWindow::CopyText() const {
    QStringList rows;
    const bool onlySelected = !table->selectionModel()->selectedRows().isEmpty();
    for (int r = 0; r < table->rowCount(); ++r) {
        if (onlySelected && !table->selectionModel()->isRowSelected(r, QModelIndex())) {
            continue;
        }
        QStringList cells;
        for (int c = 0; c < table->columnCount(); ++c) {
            cells << table->item(r, c)->text();
        }
        rows << cells.join(QLatin1Char('\t'));
    }
    return rows.isEmpty() ? QString() : rows.join(QLatin1Char('\n')) + QLatin1Char('\n');
}

} // namespace vorlan
