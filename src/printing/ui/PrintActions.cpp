#include "printing/ui/PrintActions.h"

#include "common/ui/DialogSeam.h"
#include "common/ui/MessageBox.h"
#include "common/ui/QtText.h"
#include "common/ui/UiText.h"
#include "layout/LayoutDocument.h"
#include "printing/PrintPages.h"

#include <QAction>
#include <QDir>
#include <QEventLoop>
#include <QFile>
#include <QFileDialog>
#include <QFileInfo>
#include <QLocale>
#include <QMenu>
#include <QPrinter>
#include <QProgressDialog>
#include <QTimer>
#include <atomic>
#include <thread>

namespace vorlan {
namespace {

std::optional<PrintChoices> AskOptions(QWidget* parent, LegendOptionsDialog::Purpose purpose) {
    const PrintChoices saved = LoadPrintChoices();
    if (auto* seam = dynamic_cast<PrintOptionsSeam*>(&DialogsFor(parent))) {
        return seam->AskPrintOptions(parent, purpose, saved);
    }
    LegendOptionsDialog dialog(purpose, saved, parent);
    if (dialog.exec() != QDialog::Accepted) {
        return std::nullopt;
    }
    return dialog.Choices();
}

QString Suggested(const LayoutDocument& doc, PrintWhat what, ExportFormat format) {
    const QFileInfo info(FromPath(doc.filePath));
    const QString stem = doc.filePath.empty() ? QStringLiteral("layout") : info.completeBaseName();
    const QString dir = doc.filePath.empty() ? QDir::homePath() : info.absolutePath();
    const QString ext = format == ExportFormat::Pdf   ? QStringLiteral("pdf")
                        : format == ExportFormat::Svg ? QStringLiteral("svg")
                                                      : QStringLiteral("png");
    return QDir(dir).filePath(
        QStringLiteral("%1-%2.%3")
            .arg(stem,
                 what == PrintWhat::Legends ? QStringLiteral("legends") : QStringLiteral("sheet"),
                 ext));
}

std::optional<QString> AskPath(QWidget* parent, ExportFormat format, const QString& suggested) {
    const QString filter = format == ExportFormat::Pdf   ? UiText(StringId::ExportFilterPdf)
                           : format == ExportFormat::Svg ? UiText(StringId::ExportFilterSvg)
                                                         : UiText(StringId::ExportFilterPng);
    // The dialog would ask only about the name typed, before the extension is
    // added and never about the -1, -2 ... files: the export asks itself.
    const std::optional<SaveNameAnswer> answer = DialogsFor(parent).AskSaveName(
        parent, {UiText(StringId::ExportCaption), suggested, filter, false});
    if (!answer) {
        return std::nullopt;
    }
    return answer->path;
}

// The name as it will be written: a name typed without the format's extension gets it.
QString WithExtension(QString path, ExportFormat format, const QString& suggested) {
    if (!ExportFormatOf(path) || *ExportFormatOf(path) != format) {
        path += QLatin1Char('.') + QFileInfo(suggested).suffix();
    }
    return path;
}

// One question for every file the export will write that is there already.
bool MayReplace(QWidget* parent, const QStringList& files) {
    QStringList existing;
    for (const QString& file : files) {
        if (QFileInfo::exists(file)) {
            existing << QDir::toNativeSeparators(file);
        }
    }
    return existing.isEmpty() ||
           AskYesNo(parent,
                    UiText(StringId::ExportReplaceAsk).arg(existing.join(QLatin1Char('\n'))),
                    StringId::ExportReplaceAsk);
}

// A very large export is named before it takes the disk and the time.
bool MayWriteThatMuch(QWidget* parent, const PrintDocument& document, int dpi) {
    const std::uint64_t bytes = EstimateExportBytes(
        document.Page(), document.PageCount(),
        document.GreyOnly() ? ExportKind::GreyImage : ExportKind::ColourImage, dpi);
    return bytes <= kLargeExportBytes ||
           AskYesNo(parent,
                    UiText(StringId::ExportLargeAsk, document.PageCount())
                        .arg(QLocale().toString(qRound64(bytes / 1e6)))
                        .arg(dpi),
                    StringId::ExportLargeAsk);
}

// Pages are drawn and written on a thread of their own, with progress and
// Cancel, so the window keeps painting and its timers keep running (a page
// at 2,400 dpi takes many seconds). Cancel stops before the next page; no
// file is replaced until every page is written.
ExportResult ExportInBackground(QWidget* parent, const PrintDocument& document, const QString& path,
                                ExportFormat format, int dpi, const InputFiles& inputs) {
    std::atomic<bool> cancel{false};
    std::atomic<int> done{0};
    std::atomic<bool> finished{false};
    ExportResult result;
    QProgressDialog progress(parent);
    progress.setWindowTitle(UiText(StringId::ExportCaption));
    progress.setLabelText(QDir::toNativeSeparators(path));
    progress.setRange(0, document.PageCount());
    progress.setWindowModality(Qt::WindowModal);
    progress.setMinimumDuration(500);
    std::thread worker([&] {
        result = ExportDocument(document, path, format, dpi, inputs, [&](int pages) {
            done = pages;
            return !cancel;
        });
        finished = true;
    });
    QEventLoop loop;
    QTimer poll;
    QObject::connect(&poll, &QTimer::timeout, &loop, [&] {
        if (progress.wasCanceled()) {
            cancel = true;
        }
        if (finished) {
            loop.quit();
        } else if (done > progress.value()) {
            progress.setValue(done);
        }
    });
    poll.start(30);
    loop.exec();
    worker.join();
    return result;
}

} // namespace

void PrintWithPreview(QWidget* parent, PrintWhat what, const LayoutDocument& doc,
                      const CodeNaming& naming) {
    std::optional<PrintChoices> choices =
        AskOptions(parent, what == PrintWhat::Legends ? LegendOptionsDialog::Purpose::Print
                                                      : LegendOptionsDialog::Purpose::SheetPrint);
    if (!choices) {
        return;
    }
    SavePrintChoices(*choices);
    choices->naming = naming;
    QPrinter printer(QPrinter::HighResolution);
    printer.setDocName(QFileInfo(FromPath(doc.filePath)).fileName());
    PreparePrinter(printer, *choices);
    RunPrintPreview(parent, printer, what, doc, *choices);
}

void ExportToFile(QWidget* parent, PrintWhat what, ExportFormat format, const LayoutDocument& doc,
                  const CodeNaming& naming) {
    if (format == ExportFormat::Svg && !SvgExportAvailable()) {
        ShowError(parent, UiText(StringId::ExportNoSvg));
        return;
    }
    // The sheet too asks for its paper: the file gets the page chosen here,
    // not one remembered from another command.
    using Purpose = LegendOptionsDialog::Purpose;
    const bool png = format == ExportFormat::Png;
    const Purpose purpose = what == PrintWhat::Legends
                                ? (png ? Purpose::ExportPng : Purpose::Export)
                            : png                         ? Purpose::SheetPng
                            : format == ExportFormat::Svg ? Purpose::SheetSvg
                                                          : Purpose::SheetPdf;
    const std::optional<PrintChoices> choices = AskOptions(parent, purpose);
    if (!choices) {
        return;
    }
    SavePrintChoices(*choices);
    const QString suggested = Suggested(doc, what, format);
    const auto typed = AskPath(parent, format, suggested);
    if (!typed) {
        return;
    }
    const std::optional<QString> path = WithExtension(*typed, format, suggested);
    std::optional<StringId> error;
    const auto document =
        MakePrintDocument(what, doc, choices->legends,
                          SheetInkOf(*choices, format != ExportFormat::Pdf), naming, error);
    if (error) {
        ShowError(parent, UiText(*error));
        return;
    }
    if (png && !MayWriteThatMuch(parent, *document, choices->pngDpi)) {
        return;
    }
    if (!MayReplace(parent, ExportFileNames(*path, format, document->PageCount()))) {
        return;
    }
    const ExportResult result = ExportInBackground(parent, *document, *path, format,
                                                   choices->pngDpi, InputFiles{doc.filePath});
    if (result.cancelled) {
        return;
    }
    if (result.error) {
        ShowError(parent, result.errorText);
        return;
    }
    MessageRequest done;
    done.parent = parent;
    done.icon = MessageIcon::Information;
    done.caption = UiText(StringId::ExportCaption);
    QStringList shown;
    for (const QString& f : result.files) {
        shown << QDir::toNativeSeparators(f);
    }
    done.text = UiText(StringId::ExportWritten).arg(shown.join(QLatin1Char('\n')));
    if (const auto* legends = dynamic_cast<const LegendDocument*>(document.get())) {
        if (const QString note = SmallerLegendsNote(legends->Plan()); !note.isEmpty()) {
            done.text += QStringLiteral("\n\n") + note;
        }
    }
    ShowMessage(done);
}

void AddPrintMenuEntries(QMenu* menu, QAction* before, QWidget* window,
                         std::function<const LayoutDocument*()> document,
                         std::function<CodeNaming()> naming) {
    const auto add = [&](QMenu* into, StringId text, const char* name, auto run) {
        auto* action = new QAction(UiText(text), into);
        action->setObjectName(QString::fromLatin1(name));
        QObject::connect(action, &QAction::triggered, window, [window, document, naming, run] {
            if (const LayoutDocument* doc = document()) {
                run(window, *doc, naming());
            }
        });
        if (into == menu) {
            menu->insertAction(before, action);
        } else {
            into->addAction(action);
        }
        return action;
    };
    add(menu, StringId::MenuPrintLegends, "actionPrintLegends",
        [](QWidget* w, const LayoutDocument& d, CodeNaming n) {
            PrintWithPreview(w, PrintWhat::Legends, d, n);
        })
        ->setShortcut(QKeySequence::Print);
    add(menu, StringId::MenuPrintSheet, "actionPrintSheet",
        [](QWidget* w, const LayoutDocument& d, CodeNaming n) {
            PrintWithPreview(w, PrintWhat::Sheet, d, n);
        })
        ->setShortcut(QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_P));
    auto* exportMenu = new QMenu(UiText(StringId::MenuExport), menu);
    exportMenu->setObjectName(QStringLiteral("exportMenu"));
    menu->insertMenu(before, exportMenu);
    struct Entry {
        StringId text;
        const char* name;
        PrintWhat what;
        ExportFormat format;
    };
    const Entry entries[] = {
        {StringId::MenuExportLegendsPdf, "actionExportLegendsPdf", PrintWhat::Legends,
         ExportFormat::Pdf},
        {StringId::MenuExportLegendsSvg, "actionExportLegendsSvg", PrintWhat::Legends,
         ExportFormat::Svg},
        {StringId::MenuExportLegendsPng, "actionExportLegendsPng", PrintWhat::Legends,
         ExportFormat::Png},
        {StringId::MenuExportSheetPdf, "actionExportSheetPdf", PrintWhat::Sheet, ExportFormat::Pdf},
        {StringId::MenuExportSheetSvg, "actionExportSheetSvg", PrintWhat::Sheet, ExportFormat::Svg},
        {StringId::MenuExportSheetPng, "actionExportSheetPng", PrintWhat::Sheet, ExportFormat::Png},
    };
    for (const Entry& e : entries) {
        if (e.what == PrintWhat::Sheet && e.format == ExportFormat::Pdf) {
            exportMenu->addSeparator();
        }
        add(exportMenu, e.text, e.name, [e](QWidget* w, const LayoutDocument& d, CodeNaming n) {
            ExportToFile(w, e.what, e.format, d, n);
        });
    }
    menu->insertSeparator(before);
}

} // namespace vorlan
