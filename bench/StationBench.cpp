// The station's own share of a batch: ten emulated keyboards of 1014 bytes
// programmed by the real station view at the real 3 ms pace, each taken away
// for one detection after its write. Prints, as JSON, the longest time from
// a keyboard answering to its first byte and from its last byte to the
// station waiting again, the batch's wall time, and its floor: the bytes'
// pauses plus the detection intervals the batch must wait out.
#include "layout/LayoutFile.h"
#include "programming/EmulatedKeyboard.h"
#include "station/Batch.h"
#include "station/ui/StationView.h"

#include <QApplication>
#include <QEventLoop>
#include <QTemporaryDir>
#include <chrono>
#include <cstdio>
#include <mutex>

namespace {

using Clock = std::chrono::steady_clock;
constexpr int kKeyboards = 10;
constexpr int kPollMs = 500;

// Stamps the detections that found a keyboard and every byte written.
class TimedKeyboard : public vorlan::KeyboardDriver {
public:
    explicit TimedKeyboard(vorlan::EmulatedKeyboard& keyboard) : inner(keyboard) {}
    bool Open() override { return inner.Open(); }
    bool RequestKeyboardType(std::uint8_t& type, std::uint32_t& bytes) override {
        const bool ok = inner.RequestKeyboardType(type, bytes);
        const std::lock_guard lock(mutex);
        if (ok && !writing) {
            answered.push_back(Clock::now());
            writing = true;
        }
        return ok;
    }
    bool WriteImageByte(std::uint8_t byte) override {
        const bool ok = inner.WriteImageByte(byte);
        const std::lock_guard lock(mutex);
        if (firstByte.size() < answered.size()) {
            firstByte.push_back(Clock::now());
        }
        lastByte = Clock::now();
        return ok;
    }
    void Close() override { inner.Close(); }
    void Judged() {
        const std::lock_guard lock(mutex);
        lastBytes.push_back(lastByte);
        writing = false;
    }

    vorlan::EmulatedKeyboard& inner;
    std::mutex mutex;
    bool writing = false;
    std::vector<Clock::time_point> answered, firstByte, lastBytes;
    Clock::time_point lastByte;
};

double Ms(Clock::duration d) {
    return std::chrono::duration<double, std::milli>(d).count();
}

} // namespace

int main(int argc, char** argv) {
    qputenv("QT_QPA_PLATFORM", "offscreen");
    if (argc != 2) {
        std::fprintf(stderr, "usage: vorlan_bench_station LAYOUT-1014.txt\n");
        return 2;
    }
    QApplication app(argc, argv);
    QTemporaryDir folder;
    vorlan::LayoutDocument doc;
    doc.ResetToNew();
    doc.filePath = argv[1];
    if (!vorlan::ReadLayout(doc)) {
        return 1;
    }
    doc.RebuildAfterLoad();
    vorlan::EmulatorFaults faults;
    faults.away = 1;
    vorlan::EmulatedKeyboard emulated(1, faults);
    TimedKeyboard keyboard(emulated);
    vorlan::BatchSettings settings{"bench", kKeyboards, vorlan::BatchTest::None, argv[1], {}};
    vorlan::StationView view(vorlan::Batch(settings), doc, keyboard, nullptr,
                             folder.filePath(QStringLiteral("programming.log")), nullptr);
    std::vector<Clock::time_point> waiting;
    QEventLoop loop;
    QObject::connect(&view, &vorlan::StationView::StateChanged,
                     [&](vorlan::StationView::State state) {
                         using State = vorlan::StationView::State;
                         if (state == State::Passed || state == State::Complete) {
                             waiting.push_back(Clock::now());
                             keyboard.Judged();
                         }
                         if (state == State::Complete || state == State::Failed) {
                             loop.quit();
                         }
                     });
    const auto started = Clock::now();
    loop.exec();
    const auto ended = Clock::now();
    if (view.CurrentState() != vorlan::StationView::State::Complete ||
        keyboard.firstByte.size() != kKeyboards || waiting.size() != kKeyboards) {
        std::fprintf(stderr, "vorlan_bench_station: the batch did not complete\n");
        return 1;
    }
    double answerToFirst = 0;
    double lastToWaiting = 0;
    for (std::size_t k = 0; k < kKeyboards; ++k) {
        answerToFirst = std::max(answerToFirst, Ms(keyboard.firstByte[k] - keyboard.answered[k]));
        lastToWaiting = std::max(lastToWaiting, Ms(waiting[k] - keyboard.lastBytes[k]));
    }
    const double floor = kKeyboards * 1013 * 3.0 + (2 * kKeyboards - 1) * kPollMs;
    std::printf("{\"answer_to_first_byte_ms\": %.3f, \"last_byte_to_waiting_ms\": %.3f, "
                "\"batch_ms\": %.1f, \"floor_ms\": %.1f}\n",
                answerToFirst, lastToWaiting, Ms(ended - started), floor);
    return 0;
}
