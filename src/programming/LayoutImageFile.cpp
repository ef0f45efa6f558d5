#include "programming/LayoutImageFile.h"

#include "common/StringTable.h"
#include "layout/LayoutFileCap.h"

#include <algorithm>
#include <istream>
#include <streambuf>
#include <string_view>

namespace vorlan {
namespace {

// The bytes read, handed to the builder a block at a time; a stop ends the
// stream early, as if the file ended there.
class StoppableBytes : public std::streambuf {
public:
    StoppableBytes(std::string& bytes, const std::atomic<bool>* stop)
        : bytes_(bytes), stop_(stop) {}

    bool Stopped() const { return stopped_; }

protected:
    int_type underflow() override {
        if (stop_ != nullptr && stop_->load()) {
            stopped_ = true;
        }
        if (stopped_ || next_ >= bytes_.size()) {
            return traits_type::eof();
        }
        const std::size_t size = std::min(kBlock, bytes_.size() - next_);
        char* begin = bytes_.data() + next_;
        setg(begin, begin, begin + size);
        next_ += size;
        return traits_type::to_int_type(*begin);
    }

private:
    static constexpr std::size_t kBlock = 64 * 1024;
    std::string& bytes_;
    const std::atomic<bool>* stop_;
    std::size_t next_ = 0;
    bool stopped_ = false;
};

} // namespace

LayoutImageRead ReadLayoutImage(const std::string& path, DeviceImage& image,
                                const std::atomic<bool>* stop) {
    LayoutImageRead read;
    std::string bytes;
    // One byte past the cap tells a file that was cut, as the editor's reader does.
    read.check = ReadPlainFile(path, bytes, kMaxLayoutFileBytes + 1);
    if (read.check != PathCheck::Plain) {
        return read;
    }
    if (bytes.size() > kMaxLayoutFileBytes) {
        read.capped = true;
        bytes.resize(kMaxLayoutFileBytes);
    }
    StoppableBytes buffer(bytes, stop);
    std::istream stream(&buffer);
    read.step = BuildDeviceImage(stream, image);
    read.line = image.failedLine;
    read.stopped = buffer.Stopped() || (stop != nullptr && stop->load());
    return read;
}

std::string ImageFailureDetail(const LayoutImageRead& read) {
    return " (" + std::to_string(read.step) + ") " +
           FormatString(StringText(StringId::ImageFailedAtLine), {std::to_string(read.line)});
}

} // namespace vorlan
