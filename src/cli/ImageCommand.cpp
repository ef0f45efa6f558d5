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

#ifdef _WIN32
#include <fcntl.h>
#include <io.h>
#endif

namespace vorlan::cli {

namespace {

int Usage(std::string_view problem) {
    std::cerr << "vorlanctl image: " << problem << "\n\nUsage:\n" << kImageUsage;
    return 2;
}

void Fail(StringId message, std::string_view detail = {}) {
    std::cerr << StringText(StringId::Error) << ": " << StringText(message) << detail << "\n";
}

void Fail(const FileWriteResult& failure) {
    std::cerr << StringText(StringId::Error) << ": " << WriteFailureText(failure) << "\n";
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

    if (outPath != "-") {
        if (const FileWriteResult refused = CheckWriteTarget(outPath, {layoutPath});
            !refused.Ok()) {
            Fail(refused);
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
        Fail(StringId::InvalidFileFormat, " (" + std::to_string(read.step) + ")");
        return 1;
    }

    const std::string hexText = hex ? HexDump(image.bytes) : std::string();
    const char* data = hex ? hexText.data() : reinterpret_cast<const char*>(image.bytes.data());
    const auto size = static_cast<std::streamsize>(hex ? hexText.size() : image.bytes.size());
    if (outPath == "-") {
#ifdef _WIN32
        // Raw bytes must reach the file as they are, not with line ends translated.
        _setmode(_fileno(stdout), _O_BINARY);
#endif
        std::cout.write(data, size);
        std::cout.flush();
        return std::cout ? 0 : 1;
    }
    const FileWriteResult written =
        ReplaceFile(outPath, std::string_view(data, static_cast<std::size_t>(size)), {layoutPath});
    if (!written.Ok()) {
        Fail(written);
        return 1;
    }
    return 0;
}

} // namespace vorlan::cli
