#include "layout/ui/ReadReportBar.h"

#include "common/ui/QtText.h"
#include "common/ui/UiMessageText.h"
#include "common/ui/UiText.h"
#include "layout/ReadReport.h"

#include <QDialog>
#include <QDialogButtonBox>
#include <QFile>
#include <QFileInfo>
#include <QHBoxLayout>
#include <QLabel>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QVBoxLayout>

namespace vorlan {

ReadReportBar::ReadReportBar(QWidget* parent) : QFrame(parent) {
    setObjectName(QStringLiteral("readReportBar"));
    setFrameShape(QFrame::StyledPanel);
    setAutoFillBackground(true);
    QPalette palette = this->palette();
    palette.setColor(QPalette::Window, QColor(255, 244, 200));
    palette.setColor(QPalette::WindowText, Qt::black);
    setPalette(palette);

    auto* row = new QHBoxLayout(this);
    row->setContentsMargins(6, 2, 6, 2);
    summary = new QLabel(this);
    summary->setObjectName(QStringLiteral("readReportSummary"));
    detailsButton = new QPushButton(UiText(StringId::BarDetails), this);
    detailsButton->setObjectName(QStringLiteral("readReportDetails"));
    closeButton = new QPushButton(UiText(StringId::BarClose), this);
    closeButton->setObjectName(QStringLiteral("readReportClose"));
    row->addWidget(summary, 1);
    row->addWidget(detailsButton);
    row->addWidget(closeButton);
    summary->setBuddy(detailsButton);

    connect(detailsButton, &QPushButton::clicked, this, &ReadReportBar::ShowDetails);
    connect(closeButton, &QPushButton::clicked, this, [this] {
        hide();
        Q_EMIT VisibilityChanged();
    });
    hide();
}

QStringList ReadReportBar::NoteLines(const ReadReport& report) {
    const QString file = QFileInfo(FromPath(report.path)).fileName();
    QStringList lines;
    for (const ReadNote& note : report.Notes()) {
        QString place = file;
        if (note.line > 0) {
            place += QLatin1Char(':') + QString::number(note.line);
        }
        const StringId level = note.level == NoteLevel::Error ? StringId::ReportLevelError
                                                              : StringId::ReportLevelWarning;
        lines << place + QStringLiteral(": ") + UiText(level) + QStringLiteral(": ") +
                     UiMessageText(note.message);
    }
    return lines;
}

void ReadReportBar::ShowReport(const ReadReport& report) {
    // Hidden, not visible: the window may not be on screen yet.
    const bool wasHidden = isHidden();
    details = NoteLines(report);
    const int errorLines = report.ErrorLineCount();
    const auto counted = [](int count, StringId one, StringId many) {
        return count == 1 ? UiText(one) : UiText(many, count);
    };
    if (errorLines > 0) {
        summary->setText(
            counted(errorLines, StringId::BarOneLineNotRead, StringId::BarLinesNotRead));
    } else if (report.Count(NoteLevel::Error) > 0) {
        summary->setText(UiText(StringId::BarNotExact));
    } else {
        summary->setText(counted(report.Count(NoteLevel::Warning), StringId::BarOneWarning,
                                 StringId::BarWarnings));
    }
    setHidden(report.Empty());
    if (wasHidden != isHidden()) {
        Q_EMIT VisibilityChanged();
    }
}

QString ReadReportBar::Summary() const {
    return summary->text();
}

void ReadReportBar::ShowDetails() {
    auto* dialog = new QDialog(window());
    dialog->setObjectName(QStringLiteral("readReportDialog"));
    dialog->setAttribute(Qt::WA_DeleteOnClose);
    dialog->setWindowTitle(UiText(StringId::ReportDialogCaption));
    auto* column = new QVBoxLayout(dialog);
    auto* text = new QPlainTextEdit(details.join(QLatin1Char('\n')), dialog);
    text->setReadOnly(true);
    text->setLineWrapMode(QPlainTextEdit::NoWrap);
    column->addWidget(text);
    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Close, dialog);
    connect(buttons, &QDialogButtonBox::rejected, dialog, &QDialog::close);
    column->addWidget(buttons);
    dialog->resize(640, 320);
    dialog->show(); // not modal: the layout stays at hand beside it
}

} // namespace vorlan
