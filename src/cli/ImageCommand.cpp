// vorlanctl image: the device image of a layout file, without a keyboard.
#include "cli/Commands.h"
#include "cli/FileArguments.h"
#include "common/FileWriter.h"
#include "common/StringTable.h"
#include "programming/DeviceImage.h"
#include "programming/LayoutImageFile.h"

#include <cstdio>
#include <iostream>
#include <string>

namespace vorlan::cli {

namespace {

int Usage(std::string_view problem) {
    std::cerr << "vorlanctl image: " << problem << "\n\nUsage:\n" << kImageUsage;
    return 2;
}

void Fail(StringId message, std::string_view detail = {}) {
    std::cerr << StringText(StringId::Error) << ": " << StringText(message) << detail << "\n";
}

std::string HexDump(const std::vector<std::uint8_t>& bytes) {
    std::string text;
    char buffer[24];
    for (std::size_t i = 0; i < bytes.size(); ++i) {
        if (i % 16 == 0) {
            std::snprintf(buffer, sizeof buffer, "%04zx:", i);
            text += buffer;
        }
        std::snprintf(buffer, sizeof buffer, " %02x", bytes[i]);
        text += buffer;
        if (i % 16 == 15 || i + 1 == bytes.size()) {
            text += '\n';
        }
    }
    return text;
}

} // namespace

int RunImage(Args args) {
    cmdline::Parsed parsed;
    if (const auto status = ReadArguments(args, "image", parsed)) {
        return *status;
    }
    if (parsed.operands.size() > 1) {
        return Usage("only one layout file");
    }
    const std::string layoutPath = parsed.operands.empty() ? std::string() : parsed.operands[0];
    const std::string outPath = parsed.Value("-o").value_or(std::string());
    const bool hex = parsed.Has("--hex");
    if (layoutPath.empty() || outPath.empty()) {
        return Usage("a layout file and -o OUT are needed");
    }

    if (outPath != kStandardOutput) {
        if (const FileWriteResult refused = CheckWriteTarget(outPath, {layoutPath});
            !refused.Ok()) {
            ShowWriteFailure(refused);
            return 1;
        }
    }
    DeviceImage image;
    const LayoutImageRead read = ReadLayoutImage(layoutPath, image);
    // The reader's words for a file it cannot read, as check, show and
    // convert say them.
    if (read.check != PathCheck::Plain) {
        Fail(ReadFailureId(read.check));
        return 1;
    }
    if (read.capped) {
        std::cerr << CappedFileNote(layoutPath) << '\n';
    }
    if (read.step != ImageOk) {
        Fail(StringId::InvalidFileFormat, ImageFailureDetail(read));
        return 1;
    }

    const std::string bytes =
        hex ? HexDump(image.bytes) : std::string(image.bytes.begin(), image.bytes.end());
    if (outPath == kStandardOutput) {
        return WriteStandardOutput(bytes) ? 0 : 1;
    }
    const FileWriteResult written = ReplaceFile(outPath, bytes, {layoutPath});
    if (!written.Ok()) {
        ShowWriteFailure(written);
        return 1;
    }
    return 0;
}

} // namespace vorlan::cli
