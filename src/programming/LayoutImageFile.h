// The device image of a layout file, read as every reader of layouts reads
// it: a pipe, device or folder is refused before a byte is read, and no more
// than the reader's cap is taken, so a huge file costs a bounded time and the
// keyboard is sent what `check` and the editor read, never bytes beyond it.
#pragma once

#include "common/FileWriter.h"
#include "programming/DeviceImage.h"

#include <atomic>
#include <string>

namespace vorlan {

struct LayoutImageRead {
    PathCheck check = PathCheck::Plain; // anything else: nothing was read
    bool capped = false;                // longer than kMaxLayoutFileBytes: only those were read
    bool stopped = false;               // the stop flag was set before the image was built
    int step = ImageOk;                 // BuildDeviceImage's result on what was read
    int line = 0;                       // the line where it failed, when it did
    bool Ok() const { return check == PathCheck::Plain && !stopped && step == ImageOk; }
};

// Reads path and builds its image. The builder looks at stop between blocks
// of the file, so a stop asked for while a large file is read takes effect
// within milliseconds.
LayoutImageRead ReadLayoutImage(const std::string& path, DeviceImage& image,
                                const std::atomic<bool>* stop = nullptr);

// What follows "Invalid file format." for a build that failed: the step and
// the line it failed at, " (-26) At line 5.".
std::string ImageFailureDetail(const LayoutImageRead& read);

} // namespace vorlan
