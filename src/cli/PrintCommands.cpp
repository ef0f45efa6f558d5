// vorlanctl legends and vorlanctl sheet: key legends to scale and the layout
// sheet of a layout file, as PDF, SVG or PNG, without a display.
#include "cli/Commands.h"
#include "cli/FileArguments.h"
#include "cli/PrintJob.h"
#include "common/StringTable.h"
#include "hyphenation/HyphenationChoice.h"
#include "layout/LayoutFile.h"

#include <iostream>
#include <optional>

namespace vorlan::cli {

namespace {

int Usage(const PrintJob& job, std::string_view problem) {
    std::cerr << "vorlanctl " << (job.sheet ? "sheet" : "legends") << ": " << problem
              << "\n\nUsage:\n"
              << (job.sheet ? kSheetUsage : kLegendsUsage);
    return 2;
}

int Run(Args args, bool sheet, const CodeNaming& naming) {
    PrintJob job;
    job.naming = naming;
    job.sheet = sheet;
    std::optional<PaperSize> paper = PaperSize::A4;
    double margin = job.legends.page.marginMm;
    cmdline::Parsed parsed;
    if (const auto status = ReadArguments(args, sheet ? "sheet" : "legends", parsed)) {
        return *status;
    }
    if (parsed.operands.size() > 1) {
        return Usage(job, "only one layout file");
    }
    if (!parsed.operands.empty()) {
        job.layoutPath = parsed.operands[0];
    }
    job.outPath = parsed.Value("-o").value_or(std::string());
    if (const auto v = parsed.Value("--page")) {
        paper = ParsePaperName(*v);
        if (!paper) {
            return Usage(job, "--page takes A4 or Letter");
        }
    }
    // The declaration keeps --dpi within what a page image can be drawn at.
    job.dpi = static_cast<int>(parsed.Number("--dpi", job.dpi));
    job.saveInk = sheet && parsed.Has("--save-ink");
    if (const auto v = parsed.Value("--hyphenate")) {
        const std::optional<std::string> language = NormalizeHyphenationLanguage(*v);
        if (*v != kNoHyphenation && !language) {
            return Usage(job, "--hyphenate takes a language such as de or fr_CH, or none");
        }
        job.legends.hyphenation = *v == kNoHyphenation ? std::string(kNoHyphenation) : *language;
    }
    if (!sheet) {
        for (const std::string_view option : {"--pitch", "--margin"}) {
            if (const auto v = parsed.Value(option)) {
                const auto mm = ParseMm(*v);
                if (!mm) {
                    return Usage(job, std::string(option) + " needs a size in millimetres");
                }
                (option == "--pitch" ? job.legends.pitchMm : margin) = *mm;
            }
        }
        if (const auto v = parsed.Value("--legend")) {
            const auto size = ParseMmSize(*v);
            if (!size) {
                return Usage(job, "--legend needs WIDTHxHEIGHT in millimetres, e.g. 14x14");
            }
            job.legends.legendWidthMm = size->width;
            job.legends.legendHeightMm = size->height;
        }
        if (const auto v = parsed.Value("--type-size"); v && *v != "auto") {
            const auto mm = ParseMm(*v);
            if (!mm) {
                return Usage(job, "--type-size needs a size in millimetres or auto");
            }
            // 0 stands for "auto" inside; given as a size, it is out of range.
            if (*mm == 0) {
                std::cerr << StringText(StringId::Error) << ": "
                          << StringText(StringId::LegendBadTypeSize) << '\n';
                return 2;
            }
            job.legends.typeSizeMm = *mm;
        }
        job.legends.packed = job.legends.packed || parsed.Has("--packed");
        job.legends.blankLegends = job.legends.blankLegends || parsed.Has("--blank");
        job.legends.cutMarks = job.legends.cutMarks && !parsed.Has("--no-cut-marks");
        job.legends.frame = job.legends.frame && !parsed.Has("--no-frame");
    }
    if (job.layoutPath.empty() || job.outPath.empty()) {
        return Usage(job, "a layout file and -o OUT are needed");
    }
    job.legends.page = StandardPage(*paper, margin);
    if (!sheet) {
        if (const auto problem = CheckLegendOptions(job.legends)) {
            std::cerr << StringText(StringId::Error) << ": " << StringText(*problem) << '\n';
            return 2;
        }
    }
    if (!PrintingAvailable()) {
        std::cerr << "vorlanctl: " << (sheet ? "sheet" : "legends")
                  << " is not available in this build (it needs Qt)\n";
        return 1;
    }
    StderrObserver observer;
    LayoutDocument doc;
    doc.SetObserver(&observer);
    doc.ResetToNew();
    doc.filePath = job.layoutPath;
    if (const LayoutReadResult read = ReadLayout(doc); !read) {
        ShowReadResult(observer, read);
        return 1;
    }
    doc.RebuildAfterLoad();
    return WritePrintJob(doc, job);
}

} // namespace

int RunLegends(Args args) {
    return Run(args, false, CodeNaming{});
}
int RunSheet(Args args, const CodeNaming& naming) {
    return Run(args, true, naming);
}

} // namespace vorlan::cli
