#include "programming/ProgrammingEngine.h"

#include "common/StringTable.h"
#include "programming/DeviceImage.h"
#include "programming/DeviceKeyboard.h"
#include "programming/KeyboardSelection.h"
#include "programming/LayoutImageFile.h"

#include <cstring>
#include <optional>

namespace vorlan {
namespace {

constexpr int Message(StringId id) {
    return static_cast<int>(id);
}

} // namespace

int ProgrammingEngine(int argumentCount, const char* const* argumentVector,
                      const WriteProgress& progress, KeyboardDriver& driver, PacingClock& clock) {
    const char* filePath = nullptr;
    bool detect = true;
    std::optional<DeviceKeyboard> keyboard;

    if (argumentCount >= 2) {
        filePath = argumentVector[1];
    }
    if (argumentCount == 3) {
        detect = false;
        const char* type = argumentVector[2];
        if (std::strlen(type) != 2 || type[0] != '/') {
            return Message(StringId::InvalidArgument);
        }
        keyboard = DeviceKeyboardFromNumber(static_cast<signed char>(type[1]) - '0');
        if (!keyboard) {
            return Message(StringId::InvalidKeyboardType);
        }
    }
    if (argumentCount > 3) {
        return Message(StringId::SyntaxError);
    }
    if (filePath != nullptr) {
        for (const char* help : {"-h", "/h", "/?"}) {
            if (std::strcmp(filePath, help) == 0) {
                return Message(StringId::SyntaxError);
            }
        }
    }

    DeviceImage image;
    if (filePath != nullptr) {
        // Read whole and closed before the driver is asked; a stop asked for
        // while a large file is read is honoured before the keyboard is.
        const LayoutImageRead read = ReadLayoutImage(filePath, image, progress.stop);
        if (read.check != PathCheck::Plain) {
            return Message(StringId::UnableToOpenFile);
        }
        if (read.stopped) {
            return Message(StringId::ProgrammingStopped);
        }
        if (read.step != ImageOk) {
            return Message(StringId::InvalidFileFormat);
        }
    }

    if (detect) {
        const Detection detected = DetectKeyboardType(driver);
        if (!detected.Answered()) {
            switch (detected.Error()) {
            case DetectError::RequestFailed:
                return Message(StringId::KeyboardDetectingError);
            case DetectError::NoDevice:
                return Message(StringId::DriverError);
            case DetectError::UnknownType:
                return Message(StringId::InvalidKeyboardTypeDetected);
            }
        }
        keyboard = detected.Keyboard();
    }
    if (!image.type) {
        return 0;
    }

    if (KeyboardFor(*image.type) != keyboard) {
        return Message(StringId::FileFormatMismatch);
    }
    ExchangeImageHalves(image.bytes, *image.type);

    switch (WriteDeviceImage(driver, image.bytes.data(), static_cast<int>(image.bytes.size()),
                             progress, clock)) {
    case WriteOk:
        return 0;
    case WriteNoImage:
        return Message(StringId::DataBufferError);
    case WriteRequestFailed:
        switch (driver.LastFault()) {
        case DriverFault::NotAnswering:
            return Message(StringId::KeyboardNotAnswering);
        case DriverFault::Gone:
            return Message(StringId::KeyboardGone);
        default:
            return Message(StringId::KeyboardProgrammingError);
        }
    case WriteNoDevice:
        return Message(StringId::DriverError);
    default:
        return Message(StringId::ProgrammingStopped);
    }
}

int ProgrammingEngine(int argumentCount, const char* const* argumentVector,
                      const WriteProgress& progress) {
    const auto driver = MakeKeyboardDriver(SelectKeyboardFromEnvironment());
    SystemPacingClock clock;
    return ProgrammingEngine(argumentCount, argumentVector, progress, *driver, clock);
}

} // namespace vorlan
