// What a failed programming run tells the user: the engine's own message
// first, then how much reached the keyboard, what was found and what to do.
// The window and vorlanctl show the same list.
#pragma once

#include "common/UiMessage.h"
#include "layout/LayoutType.h"
#include "programming/DeviceKeyboard.h"

#include <optional>
#include <string>
#include <vector>

namespace vorlan {

struct RunFailure {
    int message = 0;                        // the engine's result
    std::string layoutPath;                 // as the user knows the layout
    std::optional<LayoutType> layoutType;   // when the file makes an image
    std::optional<DeviceKeyboard> keyboard; // as answered or given, when known
    std::string device;                     // the driver's device the run used
    int bytesSent = 0;
    int bytesTotal = 0; // 0: the write never began
    // Why the layout file could not be read, in the reader's words; 0 when
    // not known.
    int readProblem = 0;
};

std::vector<UiMessage> RunFailureMessages(const RunFailure& failure);

// The programming window's lines while a run goes on: the keyboard's type
// (nullopt while it is being asked) and the bytes sent of the total with the time
// left, estimated from the pace so far (3 ms a byte before the first).
UiMessage KeyboardTypeMessage(std::optional<DeviceKeyboard> keyboard);
UiMessage RunProgressMessage(int bytesSent, int bytesTotal, long long elapsedMs);

// The type of the image the layout file makes; nullopt when the file cannot
// be read or makes no image.
std::optional<LayoutType> LayoutTypeOfFile(const std::string& path);

// The keyboard given as "/T" in the engine's arguments, if any.
std::optional<DeviceKeyboard> GivenKeyboard(const std::vector<std::string>& arguments);

} // namespace vorlan
