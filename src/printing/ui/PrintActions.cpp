#include "printing/ui/PrintActions.h"

#include "common/ui/MessageBox.h"
#include "common/ui/QtText.h"
#include "common/ui/UiText.h"
#include "layout/LayoutDocument.h"

#include <QAction>
#include <QDir>
#include <QEventLoop>
#include <QFile>
#include <QFileDialog>
#include <QFileInfo>
#include <QMenu>
#include <QPainter>
#include <QPrintPreviewDialog>
#include <QPrinter>
#include <QProgressDialog>
#include <QTimer>
#include <atomic>
#include <thread>

namespace vorlan {
namespace {

PrintDialogHooks& Hooks() {
    static PrintDialogHooks hooks;
    return hooks;
}

std::string FileNameOf(const LayoutDocument& doc) {
    return QFileInfo(FromPath(doc.filePath)).fileName().toStdString();
}

std::unique_ptr<PrintDocument> MakeDocument(PrintWhat what, const LayoutDocument& doc,
                                            const LegendOptions& options,
                                            std::optional<StringId>& error) {
    const QtTextMeasurer measurer;
    if (what == PrintWhat::Legends) {
        LegendPlan plan = PlanLegends(doc, options, FileNameOf(doc), measurer);
        error = plan.error;
        return std::make_unique<LegendDocument>(std::move(plan));
    }
    SheetPlan plan = PlanSheet(doc, options.page, FileNameOf(doc), measurer);
    error = plan.error;
    return std::make_unique<SheetDocument>(std::move(plan));
}

std::optional<PrintChoices> AskOptions(QWidget* parent, LegendOptionsDialog::Purpose purpose) {
    const PrintChoices saved = LoadPrintChoices();
    if (Hooks().askLegendOptions) {
        return Hooks().askLegendOptions(parent, purpose, saved);
    }
    LegendOptionsDialog dialog(purpose, saved, parent);
    if (dialog.exec() != QDialog::Accepted) {
        return std::nullopt;
    }
    return dialog.Choices();
}

// The paper the plan is made for: the printer's, or the chosen one set on the printer.
PageSetup PrinterPage(QPrinter& printer, const PrintChoices& choices) {
    if (!choices.paperFromPrinter) {
        const PageSetup page = choices.legends.page;
        printer.setPageSize(page.paper == PaperSize::Letter ? QPageSize(QPageSize::Letter)
                                                            : QPageSize(QPageSize::A4));
        printer.setPageOrientation(QPageLayout::Portrait);
    }
    QPageLayout layout = printer.pageLayout();
    layout.setUnits(QPageLayout::Millimeter);
    const QRectF full = layout.fullRect(QPageLayout::Millimeter);
    const QMarginsF least = layout.minimumMargins();
    PageSetup page;
    page.paper = PaperSize::Custom;
    page.widthMm = full.width();
    page.heightMm = full.height();
    page.marginMm = std::max(
        {choices.legends.page.marginMm, least.left(), least.top(), least.right(), least.bottom()});
    return page;
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
    if (Hooks().askExportPath) {
        return Hooks().askExportPath(parent, format, suggested);
    }
    const QString filter = format == ExportFormat::Pdf   ? UiText(StringId::ExportFilterPdf)
                           : format == ExportFormat::Svg ? UiText(StringId::ExportFilterSvg)
                                                         : UiText(StringId::ExportFilterPng);
    // The dialog would ask only about the name typed, before the extension is
    // added and never about the -1, -2 ... files: the export asks itself.
    const QString path =
        QFileDialog::getSaveFileName(parent, UiText(StringId::ExportCaption), suggested, filter,
                                     nullptr, QFileDialog::DontConfirmOverwrite);
    if (path.isEmpty()) {
        return std::nullopt;
    }
    return path;
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
                    UiText(StringId::ExportReplaceAsk).arg(existing.join(QLatin1Char('\n'))));
}

// Pages are drawn and written on a thread of their own, with progress and
// Cancel, so the window keeps painting and its timers keep running (a page
// at 2,400 dpi takes many seconds). Cancel stops before the next page and
// removes the files this export wrote.
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
    if (result.cancelled) {
        for (const QString& file : result.files) {
            QFile::remove(file);
        }
    }
    return result;
}

} // namespace

void SetPrintDialogHooks(PrintDialogHooks hooks) {
    Hooks() = std::move(hooks);
}

std::optional<StringId> PrintOn(QPrinter& printer, PrintWhat what, const LayoutDocument& doc,
                                const PrintChoices& choices) {
    LegendOptions options = choices.legends;
    options.page = PrinterPage(printer, choices);
    printer.setFullPage(true);
    std::optional<StringId> error;
    const auto document = MakeDocument(what, doc, options, error);
    if (error) {
        return error;
    }
    QPainter painter;
    if (!painter.begin(&printer)) {
        return StringId::PrintFailed;
    }
    for (int i = 0; i < document->PageCount(); ++i) {
        if (i > 0) {
            printer.newPage();
        }
        document->PaintPage(painter, i, printer.resolution() / 25.4);
    }
    painter.end();
    return std::nullopt;
}

void PrintWithPreview(QWidget* parent, PrintWhat what, const LayoutDocument& doc) {
    std::optional<PrintChoices> choices = LoadPrintChoices();
    if (what == PrintWhat::Legends) {
        choices = AskOptions(parent, LegendOptionsDialog::Purpose::Print);
        if (!choices) {
            return;
        }
        SavePrintChoices(*choices);
    } else {
        choices->paperFromPrinter = true;
    }
    QPrinter printer(QPrinter::HighResolution);
    printer.setDocName(QString::fromStdString(FileNameOf(doc)));
    // Checked once before the preview, so a plan that cannot be made says why.
    LegendOptions options = choices->legends;
    options.page = PrinterPage(printer, *choices);
    std::optional<StringId> error;
    MakeDocument(what, doc, options, error);
    if (error) {
        ShowError(parent, UiText(*error));
        return;
    }
    QPrintPreviewDialog preview(&printer, parent);
    preview.setWindowTitle(
        UiText(what == PrintWhat::Legends ? StringId::MenuPrintLegends : StringId::MenuPrintSheet)
            .remove(QLatin1Char('&'))
            .remove(QStringLiteral("...")));
    QObject::connect(&preview, &QPrintPreviewDialog::paintRequested, &preview,
                     [&](QPrinter* p) { PrintOn(*p, what, doc, *choices); });
    preview.exec();
}

void ExportToFile(QWidget* parent, PrintWhat what, ExportFormat format, const LayoutDocument& doc) {
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
    const auto document = MakeDocument(what, doc, choices->legends, error);
    if (error) {
        ShowError(parent, UiText(*error));
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
    ShowMessage(done);
}

void AddPrintMenuEntries(QMenu* menu, QAction* before, QWidget* window,
                         std::function<const LayoutDocument*()> document) {
    const auto add = [&](QMenu* into, StringId text, const char* name, auto run) {
        auto* action = new QAction(UiText(text), into);
        action->setObjectName(QString::fromLatin1(name));
        QObject::connect(action, &QAction::triggered, window, [window, document, run] {
            if (const LayoutDocument* doc = document()) {
                run(window, *doc);
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
        [](QWidget* w, const LayoutDocument& d) { PrintWithPreview(w, PrintWhat::Legends, d); })
        ->setShortcut(QKeySequence::Print);
    add(menu, StringId::MenuPrintSheet, "actionPrintSheet",
        [](QWidget* w, const LayoutDocument& d) { PrintWithPreview(w, PrintWhat::Sheet, d); })
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
        add(exportMenu, e.text, e.name,
            [e](QWidget* w, const LayoutDocument& d) { ExportToFile(w, e.what, e.format, d); });
    }
    menu->insertSeparator(before);
}

} // namespace vorlan
