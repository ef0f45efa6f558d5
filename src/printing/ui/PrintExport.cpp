#include "printing/ui/PrintExport.h"

#include "common/ui/QtText.h"

#include <QBuffer>
#include <QFile>
#include <QFileInfo>
#include <QImage>
#include <QPageSize>
#include <QPainter>
#include <QPdfWriter>
#include <cmath>

#ifdef VORLAN_HAVE_QT_SVG
#include <QSvgGenerator>
#endif

namespace vorlan {
namespace {

QSize PagePixels(const PageSetup& page, double dpi) {
    return {static_cast<int>(std::lround(page.widthMm * dpi / 25.4)),
            static_cast<int>(std::lround(page.heightMm * dpi / 25.4))};
}

// Only placeholders the text has are filled: Qt warns about the others.
QString Filled(QString text, const QStringList& values) {
    for (int i = 0; i < values.size(); ++i) {
        if (text.contains(QLatin1Char('%') + QString::number(i + 1))) {
            text = text.arg(values[i]);
        }
    }
    return text;
}

ExportResult Failed(StringId id, const QString& path, const QStringList& values = {}) {
    ExportResult r;
    r.error = id;
    r.errorPath = path;
    r.errorText = Filled(PrintText(id), values.isEmpty() ? QStringList{path} : values);
    return r;
}

// With several files, the message says that none of them was replaced.
ExportResult WriteFailed(const FileWriteResult& failure, bool several = false) {
    const QString path = FromPath(failure.path);
    ExportResult r =
        Failed(WriteFailureId(failure.failure), path, {path, FromLocalText(failure.detail)});
    if (several) {
        r.errorText += QLatin1Char(' ') + PrintText(StringId::ExportNothingReplaced);
    }
    return r;
}

// OUT.ext, or OUT-1.ext, OUT-2.ext ... as bytes: a name that is no UTF-8
// stays the name it was.
std::vector<std::string> ExportPaths(const std::string& path, ExportFormat format, int pageCount) {
    if (format == ExportFormat::Pdf || pageCount <= 1) {
        return {path};
    }
    const std::size_t dot = path.rfind('.');
    const std::string stem = path.substr(0, dot);
    const std::string suffix = path.substr(dot);
    std::vector<std::string> names;
    for (int i = 1; i <= pageCount; ++i) {
        names.push_back(stem + "-" + std::to_string(i) + suffix);
    }
    return names;
}

// The PDF in memory: only a whole, finished document reaches the file.
std::optional<QByteArray> PdfBytes(const PrintDocument& doc) {
    QBuffer buffer;
    buffer.open(QIODevice::WriteOnly);
    QPdfWriter writer(&buffer);
    const PageSetup page = doc.Page();
    writer.setPageSize(QPageSize(QSizeF(page.widthMm, page.heightMm), QPageSize::Millimeter));
    writer.setPageMargins(QMarginsF(0, 0, 0, 0), QPageLayout::Millimeter);
    writer.setResolution(kPdfDpi);
    writer.setCreator(QStringLiteral("Vorlan"));
    QPainter painter;
    if (!painter.begin(&writer)) {
        return std::nullopt;
    }
    for (int i = 0; i < doc.PageCount(); ++i) {
        if (i > 0) {
            writer.newPage();
        }
        doc.PaintPage(painter, i, kPdfDpi / 25.4);
    }
    if (!painter.end()) {
        return std::nullopt;
    }
    return buffer.data();
}

std::optional<QByteArray> PageBytes(const PrintDocument& doc, int index, ExportFormat format,
                                    int pngDpi, const QString& name) {
    QBuffer buffer;
    buffer.open(QIODevice::WriteOnly);
    if (format == ExportFormat::Png) {
        QImage image = BlankPageImage(doc.Page(), pngDpi, doc.GreyOnly());
        if (image.isNull()) {
            return std::nullopt;
        }
        QPainter painter(&image);
        doc.PaintPage(painter, index, pngDpi / 25.4);
        painter.end();
        if (!image.save(&buffer, "PNG")) {
            return std::nullopt;
        }
        return buffer.data();
    }
#ifdef VORLAN_HAVE_QT_SVG
    QSvgGenerator svg;
    svg.setOutputDevice(&buffer);
    const QSize size = PagePixels(doc.Page(), kSvgDpi);
    svg.setSize(size);
    svg.setViewBox(QRect(QPoint(0, 0), size));
    svg.setResolution(kSvgDpi);
    svg.setTitle(QFileInfo(name).fileName());
    QPainter painter;
    if (!painter.begin(&svg)) {
        return std::nullopt;
    }
    painter.fillRect(QRect(QPoint(0, 0), size), Qt::white);
    doc.PaintPage(painter, index, kSvgDpi / 25.4);
    if (!painter.end()) {
        return std::nullopt;
    }
    return buffer.data();
#else
    (void)name;
    return std::nullopt;
#endif
}

} // namespace

std::optional<ExportFormat> ExportFormatOf(const QString& path) {
    const QString ext = QFileInfo(path).suffix().toLower();
    if (ext == QLatin1String("pdf")) {
        return ExportFormat::Pdf;
    }
    if (ext == QLatin1String("svg")) {
        return ExportFormat::Svg;
    }
    if (ext == QLatin1String("png")) {
        return ExportFormat::Png;
    }
    return std::nullopt;
}

bool SvgExportAvailable() {
#ifdef VORLAN_HAVE_QT_SVG
    return true;
#else
    return false;
#endif
}

QImage BlankPageImage(const PageSetup& page, int dpi, bool grey) {
    QImage image(PagePixels(page, dpi), grey ? QImage::Format_Grayscale8 : QImage::Format_RGB32);
    if (!image.isNull()) {
        image.fill(Qt::white);
        image.setDotsPerMeterX(static_cast<int>(std::lround(dpi / 0.0254)));
        image.setDotsPerMeterY(static_cast<int>(std::lround(dpi / 0.0254)));
    }
    return image;
}

QStringList ExportFileNames(const QString& path, ExportFormat format, int pageCount) {
    if (format == ExportFormat::Pdf || pageCount <= 1) {
        return {path};
    }
    const QFileInfo info(path);
    const QString stem = path.left(path.size() - info.suffix().size() - 1);
    QStringList names;
    for (int i = 1; i <= pageCount; ++i) {
        names << QStringLiteral("%1-%2.%3").arg(stem).arg(i).arg(info.suffix());
    }
    return names;
}

ExportResult ExportDocument(const PrintDocument& doc, const QString& path, ExportFormat format,
                            int pngDpi, const InputFiles& inputs, const ExportProgress& progress) {
    return ExportDocument(doc, ToPath(path), format, pngDpi, inputs, progress);
}

ExportResult ExportDocument(const PrintDocument& doc, const std::string& path, ExportFormat format,
                            int pngDpi, const InputFiles& inputs, const ExportProgress& progress) {
    const QString shownPath = FromPath(path);
    if (doc.PageCount() == 0) {
        return Failed(StringId::ExportNothing, shownPath);
    }
    if (format == ExportFormat::Svg && !SvgExportAvailable()) {
        return Failed(StringId::ExportNoSvg, shownPath);
    }
    if (format == ExportFormat::Png) {
        if (pngDpi < 30 || pngDpi > 2400) {
            return Failed(StringId::ExportBadDpi, shownPath);
        }
        const int most = MaxPageImageDpi(doc.Page(), doc.GreyOnly());
        if (pngDpi > most) {
            return Failed(StringId::ExportDpiTooHigh, shownPath,
                          {QString::number(pngDpi), QString::number(most)});
        }
    }
    // Only an export of pages already given a number (an extension found) gets here.
    const std::vector<std::string> names = ExportPaths(path, format, doc.PageCount());
    const bool several = names.size() > 1;
    // Every target is looked at first, so a refused one leaves none written.
    for (const std::string& name : names) {
        if (const FileWriteResult refused = CheckWriteTarget(name, inputs); !refused.Ok()) {
            return WriteFailed(refused);
        }
    }
    FileSetWriter files(inputs);
    for (std::size_t i = 0; i < names.size(); ++i) {
        if (progress && !progress(static_cast<int>(i))) {
            ExportResult stopped;
            stopped.cancelled = true;
            return stopped;
        }
        const QString name = FromPath(names[i]);
        const std::optional<QByteArray> bytes =
            format == ExportFormat::Pdf ? PdfBytes(doc)
                                        : PageBytes(doc, static_cast<int>(i), format, pngDpi, name);
        if (!bytes) {
            ExportResult r = Failed(StringId::ExportCannotWrite, name);
            if (several) {
                r.errorText += QLatin1Char(' ') + PrintText(StringId::ExportNothingReplaced);
            }
            return r;
        }
        const FileWriteResult staged =
            files.Add(names[i], std::string_view(bytes->constData(),
                                                 static_cast<std::size_t>(bytes->size())));
        if (!staged.Ok()) {
            return WriteFailed(staged, several);
        }
    }
    // A stop asked for while the last page was drawn still leaves the old files.
    if (progress && !progress(doc.PageCount())) {
        ExportResult stopped;
        stopped.cancelled = true;
        return stopped;
    }
    if (const FileWriteResult placed = files.Commit(); !placed.Ok()) {
        return WriteFailed(placed, several);
    }
    ExportResult result;
    result.paths = names;
    for (const std::string& name : names) {
        result.files << FromPath(name);
    }
    return result;
}

} // namespace vorlan
