// Writes a PrintDocument to PDF (all pages in one file), SVG or PNG (one file
// per page: OUT.ext for one page, OUT-1.ext, OUT-2.ext ... for more), all
// files or none.
#pragma once

#include "common/FileWriter.h"
#include "common/StringTable.h"
#include "printing/ui/PrintRenderer.h"

#include <QImage>
#include <QString>
#include <QStringList>
#include <functional>
#include <optional>
#include <string>
#include <vector>

namespace vorlan {

enum class ExportFormat { Pdf, Svg, Png };

// From the file name's extension (any letter case); nothing for others.
std::optional<ExportFormat> ExportFormatOf(const QString& path);

// Whether this build can write SVG (Qt SVG is optional at configure time).
bool SvgExportAvailable();

inline constexpr int kDefaultPngDpi = 300;
// SVG files are written at 10 units per millimetre, so their size in
// millimetres is exact.
inline constexpr int kSvgDpi = 254;
inline constexpr int kPdfDpi = 1200;

struct ExportResult {
    std::optional<StringId> error;  // nothing: written
    QString errorPath;              // the file the error is about
    QString errorText;              // the whole message, translated
    QStringList files;              // the files written
    std::vector<std::string> paths; // the same as program text (a name's bytes on Linux)
    bool cancelled = false;         // stopped by the progress callback: nothing was replaced
};

// Told the number of pages done before each page and at the end; false stops
// the export before the next page. Called on the thread the export runs on.
using ExportProgress = std::function<bool(int pagesDone)>;

// A white page image of `page` at `dpi`, 8-bit grey when `grey` (a quarter
// of the memory of a colour page: 8.7 MB instead of 35 MB for A4 at 300 dpi);
// null when it cannot be had.
QImage BlankPageImage(const PageSetup& page, int dpi, bool grey);

// The files a document of `pageCount` pages is written to.
QStringList ExportFileNames(const QString& path, ExportFormat format, int pageCount);

// Draws every page and writes it beside its target under a temporary name;
// only when all are written are they renamed into place (FileSetWriter). All
// targets are refused before the first is drawn when one is not a plain file
// or is one of inputs; a failure or a stop leaves every old file as it was.
// The path is program text (common/FilePath.h): on Linux a name's bytes,
// whatever they are, so the names written are exactly the one given.
ExportResult ExportDocument(const PrintDocument& doc, const std::string& path, ExportFormat format,
                            int pngDpi = kDefaultPngDpi, const InputFiles& inputs = {},
                            const ExportProgress& progress = {});
ExportResult ExportDocument(const PrintDocument& doc, const QString& path, ExportFormat format,
                            int pngDpi = kDefaultPngDpi, const InputFiles& inputs = {},
                            const ExportProgress& progress = {});

} // namespace vorlan
