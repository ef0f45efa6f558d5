#include "printing/ui/PrintExport.h"

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

ExportResult Failed(StringId id, const QString& path) {
    ExportResult r;
    r.error = id;
    r.errorPath = path;
    return r;
}

ExportResult WritePdf(const PrintDocument& doc, const QString& path) {
    QPdfWriter writer(path);
    const PageSetup page = doc.Page();
    writer.setPageSize(QPageSize(QSizeF(page.widthMm, page.heightMm), QPageSize::Millimeter));
    writer.setPageMargins(QMarginsF(0, 0, 0, 0), QPageLayout::Millimeter);
    writer.setResolution(kPdfDpi);
    writer.setCreator(QStringLiteral("Vorlan"));
    QPainter painter;
    if (!painter.begin(&writer)) {
        return Failed(StringId::ExportCannotWrite, path);
    }
    for (int i = 0; i < doc.PageCount(); ++i) {
        if (i > 0) {
            writer.newPage();
        }
        doc.PaintPage(painter, i, kPdfDpi / 25.4);
    }
    if (!painter.end()) {
        return Failed(StringId::ExportCannotWrite, path);
    }
    ExportResult r;
    r.files << path;
    return r;
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
                            int pngDpi, const ExportProgress& progress) {
    if (doc.PageCount() == 0) {
        return Failed(StringId::ExportNothing, path);
    }
    if (format == ExportFormat::Pdf) {
        return WritePdf(doc, path);
    }
    if (format == ExportFormat::Svg && !SvgExportAvailable()) {
        return Failed(StringId::ExportNoSvg, path);
    }
    if (format == ExportFormat::Png && (pngDpi < 30 || pngDpi > 2400)) {
        return Failed(StringId::ExportBadDpi, path);
    }
    const QStringList names = ExportFileNames(path, format, doc.PageCount());
    ExportResult result;
    for (int i = 0; i < doc.PageCount(); ++i) {
        if (progress && !progress(i)) {
            result.cancelled = true;
            return result;
        }
        const QString& name = names[i];
        if (format == ExportFormat::Png) {
            QImage image = BlankPageImage(doc.Page(), pngDpi, doc.GreyOnly());
            if (image.isNull()) {
                return Failed(StringId::ExportCannotWrite, name);
            }
            QPainter painter(&image);
            doc.PaintPage(painter, i, pngDpi / 25.4);
            painter.end();
            if (!image.save(name, "PNG")) {
                return Failed(StringId::ExportCannotWrite, name);
            }
        } else {
#ifdef VORLAN_HAVE_QT_SVG
            QSvgGenerator svg;
            svg.setFileName(name);
            const QSize size = PagePixels(doc.Page(), kSvgDpi);
            svg.setSize(size);
            svg.setViewBox(QRect(QPoint(0, 0), size));
            svg.setResolution(kSvgDpi);
            svg.setTitle(QFileInfo(name).fileName());
            QPainter painter;
            if (!painter.begin(&svg)) {
                return Failed(StringId::ExportCannotWrite, name);
            }
            painter.fillRect(QRect(QPoint(0, 0), size), Qt::white);
            doc.PaintPage(painter, i, kSvgDpi / 25.4);
            painter.end();
#endif
        }
        result.files << name;
    }
    if (progress) {
        progress(doc.PageCount());
    }
    return result;
}

} // namespace vorlan
