// vorlanctl legends and vorlanctl sheet: key legends to scale and the layout
// sheet of a layout file, as PDF, SVG or PNG, without a display.
#include "cli/Commands.h"
#include "cli/PrintJob.h"
#include "layout/LayoutFile.h"

#include <charconv>
#include <iostream>
#include <optional>

namespace vorlan::cli {

const std::string_view kLegendsUsage =
    "  vorlanctl legends LAYOUT -o OUT.{pdf,svg,png} [--pitch MM] [--legend WxH]\n"
    "                    [--page A4|Letter] [--margin MM] [--packed] [--blank]\n"
    "                    [--no-cut-marks] [--no-frame] [--dpi N]\n"
    "                          key legends to scale (default pitch 19.05 mm, legend\n"
    "                          14x14 mm), laid out as on the keyboard or --packed;\n"
    "                          --blank adds empty legends for keys without a name;\n"
    "                          SVG and PNG write one file per page (OUT-1.png ...)\n";
const std::string_view kSheetUsage =
    "  vorlanctl sheet LAYOUT -o OUT.{pdf,svg,png} [--page A4|Letter] [--dpi N]\n"
    "                  [--pc-layout ID]\n"
    "                          the layout sheet: the key grid with names, settings,\n"
    "                          RFID options and the table of programmed keys\n";

namespace {

class StderrObserver : public LayoutObserver {
public:
    void ShowError(StringId text) override {
        std::cerr << StringText(StringId::Error) << ": " << StringText(text) << '\n';
    }
};

int Usage(const PrintJob& job, std::string_view problem) {
    std::cerr << "vorlanctl " << (job.sheet ? "sheet" : "legends") << ": " << problem
              << "\n\nUsage:\n"
              << (job.sheet ? kSheetUsage : kLegendsUsage);
    return 2;
}

int Run(Args args, bool sheet) {
    PrintJob job;
    job.sheet = sheet;
    std::optional<PaperSize> paper = PaperSize::A4;
    double margin = job.legends.page.marginMm;
    for (std::size_t i = 0; i < args.size(); ++i) {
        const std::string_view arg = args[i];
        const auto value = [&]() -> std::optional<std::string_view> {
            if (i + 1 >= args.size()) {
                return std::nullopt;
            }
            return std::string_view(args[++i]);
        };
        const bool legendOnly = arg == "--pitch" || arg == "--legend" || arg == "--margin" ||
                                arg == "--packed" || arg == "--blank" || arg == "--no-cut-marks" ||
                                arg == "--no-frame";
        if (sheet && legendOnly) {
            return Usage(job, "unknown option " + std::string(arg));
        }
        if (arg == "--help" || arg == "-h") {
            std::cout << "Usage:\n" << (sheet ? kSheetUsage : kLegendsUsage);
            return 0;
        } else if (arg == "-o") {
            const auto v = value();
            if (!v) {
                return Usage(job, "-o needs a file name");
            }
            job.outPath = *v;
        } else if (arg == "--pitch" || arg == "--margin") {
            const auto v = value();
            const auto mm = v ? ParseMm(*v) : std::nullopt;
            if (!mm) {
                return Usage(job, std::string(arg) + " needs a size in millimetres");
            }
            (arg == "--pitch" ? job.legends.pitchMm : margin) = *mm;
        } else if (arg == "--legend") {
            const auto v = value();
            const auto size = v ? ParseMmSize(*v) : std::nullopt;
            if (!size) {
                return Usage(job, "--legend needs WIDTHxHEIGHT in millimetres, e.g. 14x14");
            }
            job.legends.legendWidthMm = size->width;
            job.legends.legendHeightMm = size->height;
        } else if (arg == "--page") {
            const auto v = value();
            paper = v ? ParsePaperName(*v) : std::nullopt;
            if (!paper) {
                return Usage(job, "--page takes A4 or Letter");
            }
        } else if (arg == "--dpi") {
            const auto v = value();
            int dpi = 0;
            if (!v || std::from_chars(v->data(), v->data() + v->size(), dpi).ptr !=
                          v->data() + v->size()) {
                return Usage(job, "--dpi needs a whole number");
            }
            job.dpi = dpi;
        } else if (arg == "--packed") {
            job.legends.packed = true;
        } else if (arg == "--blank") {
            job.legends.blankLegends = true;
        } else if (arg == "--no-cut-marks") {
            job.legends.cutMarks = false;
        } else if (arg == "--no-frame") {
            job.legends.frame = false;
        } else if (arg.size() > 1 && arg[0] == '-') {
            return Usage(job, "unknown option " + std::string(arg));
        } else if (job.layoutPath.empty()) {
            job.layoutPath = arg;
        } else {
            return Usage(job, "only one layout file");
        }
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
    if (!ReadLayout(doc)) {
        return 1;
    }
    doc.RebuildAfterLoad();
    return WritePrintJob(doc, job);
}

} // namespace

int RunLegends(Args args) {
    return Run(args, false);
}
int RunSheet(Args args) {
    return Run(args, true);
}

} // namespace vorlan::cli
