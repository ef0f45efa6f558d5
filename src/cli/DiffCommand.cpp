// vorlanctl diff: the differences of two layout files as the editor holds
// them after opening each.
#include "cli/Commands.h"
#include "cli/FileArguments.h"
#include "common/TerminalText.h"
#include "common/Text.h"
#include "layout/LayoutDiff.h"
#include "layout/LayoutFile.h"

#include <iostream>
#include <nlohmann/json.hpp>
#include <string>
#include <vector>

namespace vorlan::cli {

namespace {

using json = nlohmann::ordered_json;

std::string_view KindName(DiffKind kind) {
    switch (kind) {
    case DiffKind::KeyAdded:
        return "added";
    case DiffKind::KeyRemoved:
        return "removed";
    case DiffKind::KeyMoved:
        return "moved";
    case DiffKind::Name:
        return "name";
    case DiffKind::Codes:
        return "codes";
    case DiffKind::Flags:
        return "flags";
    case DiffKind::Mode:
        return "mode";
    case DiffKind::Span:
        return "span";
    case DiffKind::KeyCount:
        return "keyCount";
    case DiffKind::Setting:
        return "setting";
    case DiffKind::Rfid:
        return "rfid";
    }
    return "?";
}

bool Open(const std::string& path, LayoutDocument& doc) {
    doc.ResetToNew();
    doc.filePath = path;
    const LayoutReadResult read = ReadLayout(doc);
    if (!read) {
        std::cerr << "vorlanctl diff: " << TerminalArgument(path) << ": "
                  << StringText(*read.failure) << '\n';
        return false;
    }
    doc.RebuildAfterLoad();
    // The comparison needs no report; a note can quote a field of megabytes,
    // and two files' notes would be held to the end.
    doc.readReport.Clear();
    return true;
}

std::string TerminalText(const UiMessage& message) {
    return TerminalLine(TerminalMessage(message));
}

} // namespace

int RunDiff(Args args) {
    FileArguments arguments;
    if (const auto status = ReadFileArguments(args, "diff", kDiffUsage, arguments)) {
        return *status;
    }
    const std::vector<std::string>& files = arguments.files;
    const bool asJson = arguments.asJson;
    if (files.size() != 2) {
        return UsageError("diff", "needs two layout files", kDiffUsage);
    }
    LayoutDocument a;
    LayoutDocument b;
    if (!Open(files[0], a) || !Open(files[1], b)) {
        return 2;
    }
    const std::vector<Difference> differences = DiffLayouts(a, b);
    if (asJson) {
        json all = json::array();
        for (const Difference& d : differences) {
            json item;
            item["kind"] = KindName(d.kind);
            item["key"] = d.key;
            item["otherKey"] = d.otherKey;
            item["message"] = d.message.English();
            all.push_back(std::move(item));
        }
        std::cout << all.dump(2, ' ', false, json::error_handler_t::replace) << '\n';
    } else {
        for (const Difference& d : differences) {
            std::cout << TerminalText(d.message) << '\n';
        }
    }
    if (!std::cout.good()) {
        return 2;
    }
    return differences.empty() ? 0 : 1;
}

} // namespace vorlan::cli
