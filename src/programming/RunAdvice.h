// What a failed programming run tells the user: the engine's own message
// first, then how much reached the keyboard, what was found and what to do.
// The window and vorlanctl show the same list.
#pragma once

#include "common/UiMessage.h"

#include <string>
#include <vector>

namespace vorlan {

struct RunFailure {
    int message = 0;          // the engine's result
    std::string layoutPath;   // as the user knows the layout
    int layoutTypeNumber = 0; // 56, 57, 112 or 113; 0 when not known
    int keyboardType = -1;    // 0..2 as answered or given; -1 when not known
    std::string device;       // the driver's device the run used
    int bytesSent = 0;
    int bytesTotal = 0; // 0: the write never began
    // Why the layout file could not be read, in the reader's words; 0 when
    // not known.
    int readProblem = 0;
};

std::vector<UiMessage> RunFailureMessages(const RunFailure& failure);

// The programming window's lines while a run goes on: the keyboard's type
// (-1 while it is being asked) and the bytes sent of the total with the time
// left, estimated from the pace so far (3 ms a byte before the first).
UiMessage KeyboardTypeMessage(int keyboardType);
UiMessage RunProgressMessage(int bytesSent, int bytesTotal, long long elapsedMs);

// The type number of the image the layout file makes; 0 when the file cannot
// be read or makes no image.
int LayoutTypeNumberOf(const std::string& path);

// The type number given as "/T" in the engine's arguments, or -1.
int GivenKeyboardType(const std::vector<std::string>& arguments);

} // namespace vorlan
