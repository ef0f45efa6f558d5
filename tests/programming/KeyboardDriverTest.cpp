#include "programming/KeyboardDriver.h"

#include "programming/DeviceFileDriver.h"
#include "programming/EmulatedKeyboard.h"
#include "testing/ProgrammingTestSupport.h"

#include <gtest/gtest.h>
#include <numeric>

namespace vorlan {
namespace {

using namespace std::chrono_literals;
using test::FakeClock;

void ExpectClosedCleanly(const EmulatedKeyboard& keyboard) {
    EXPECT_FALSE(keyboard.IsOpen());
    EXPECT_EQ(keyboard.OpenCount(), keyboard.CloseCount());
    EXPECT_TRUE(keyboard.ProtocolErrors().empty());
}

std::vector<std::uint8_t> Image(int size) {
    std::vector<std::uint8_t> image(static_cast<std::size_t>(size));
    std::iota(image.begin(), image.end(), std::uint8_t{7});
    return image;
}

// ---- detection ------------------------------------------------------------

struct DetectCase {
    const char* name;
    int keyboardType;
    EmulatorFaults faults;
    Detection expected;
};

class DetectTest : public ::testing::TestWithParam<DetectCase> {};

TEST_P(DetectTest, AnswersAndClosesTheDevice) {
    EmulatedKeyboard keyboard(GetParam().keyboardType, GetParam().faults);
    EXPECT_EQ(DetectKeyboardType(keyboard), GetParam().expected);
    ExpectClosedCleanly(keyboard);
    EXPECT_EQ(keyboard.WriteRequestCount(), 0);
}

INSTANTIATE_TEST_SUITE_P(
    Cases, DetectTest,
    ::testing::Values(DetectCase{"Type0", 0, {}, Detection::Of(DeviceKeyboard::SevenThreeScan)},
                      DetectCase{"Type1", 1, {}, Detection::Of(DeviceKeyboard::Single16)},
                      DetectCase{"Type2", 2, {}, Detection::Of(DeviceKeyboard::Double16)},
                      DetectCase{"Answers3", 0, test::TypeAnswer(3),
                                 Detection::Failed(DetectError::UnknownType)},
                      DetectCase{"Answers255", 0, test::TypeAnswer(255),
                                 Detection::Failed(DetectError::UnknownType)},
                      DetectCase{"RequestFails", 2, test::TypeRequestFails(),
                                 Detection::Failed(DetectError::RequestFailed)},
                      DetectCase{"NoByteReturned", 2, test::TypeRequestReturnsNothing(),
                                 Detection::Failed(DetectError::RequestFailed)},
                      DetectCase{"DeviceMissing", 2, test::DeviceMissing(),
                                 Detection::Failed(DetectError::NoDevice)}),
    [](const auto& test) { return std::string(test.param.name); });

void PrintTo(const DetectCase& c, std::ostream* out) {
    *out << c.name;
}

// ---- writing --------------------------------------------------------------

// Records, for every progress step, how many bytes had been sent before it.
struct StepRecorder {
    const EmulatedKeyboard& keyboard;
    std::vector<std::size_t> sentBefore;

    WriteProgress Progress() {
        WriteProgress progress;
        progress.step = [this] { sentBefore.push_back(keyboard.Received().size()); };
        return progress;
    }
};

struct StepCountCase {
    int size;
    std::size_t steps;
    std::size_t firstBefore; // index of the byte the first step precedes
    std::size_t lastBefore;
};

TEST(WriteDeviceImage, SendsEveryByteWithAboutAHundredSteps) {
    // Steps come when the bytes still to send (this one included) are a
    // multiple of size / 100: 448, 444, ... 4 remaining for 450 bytes.
    for (const StepCountCase c :
         {StepCountCase{450, 112, 2, 446}, StepCountCase{1014, 101, 4, 1004},
          StepCountCase{2022, 101, 2, 2002}}) {
        EmulatedKeyboard keyboard(2);
        FakeClock clock;
        StepRecorder steps{keyboard, {}};
        const auto image = Image(c.size);
        EXPECT_EQ(WriteDeviceImage(keyboard, image.data(), c.size, steps.Progress(), clock), 0);
        EXPECT_EQ(keyboard.Received(), image);
        EXPECT_EQ(keyboard.WriteRequestCount(), c.size);
        ExpectClosedCleanly(keyboard);
        EXPECT_EQ(keyboard.OpenCount(), 1);
        ASSERT_EQ(steps.sentBefore.size(), c.steps) << c.size;
        EXPECT_EQ(steps.sentBefore.front(), c.firstBefore) << c.size;
        EXPECT_EQ(steps.sentBefore.back(), c.lastBefore) << c.size;
        for (std::size_t i = 1; i < steps.sentBefore.size(); ++i) {
            EXPECT_EQ(steps.sentBefore[i] - steps.sentBefore[i - 1],
                      static_cast<std::size_t>(c.size / 100));
        }
    }
}

TEST(WriteDeviceImage, ImagesUnderAHundredBytesStepOncePerByte) {
    for (const int size : {1, 7, 99}) {
        EmulatedKeyboard keyboard(0);
        FakeClock clock;
        StepRecorder steps{keyboard, {}};
        const auto image = Image(size);
        EXPECT_EQ(WriteDeviceImage(keyboard, image.data(), size, steps.Progress(), clock), 0);
        EXPECT_EQ(keyboard.Received(), image);
        EXPECT_EQ(steps.sentBefore.size(), static_cast<std::size_t>(size));
    }
    EXPECT_EQ(ProgressStepOf(100), 1);
    EXPECT_EQ(ProgressStepOf(0), 1);
}

TEST(WriteDeviceImage, PausesThreeMillisecondsAfterEachRequestEnds) {
    EmulatedKeyboard keyboard(1);
    FakeClock clock;
    keyboard.SetClock(&clock);
    // Each request takes the driver 1 ms; a progress step sometimes takes 5 ms,
    // which then counts towards the pause instead of adding to it.
    keyboard.SetAfterWrite([&clock](std::size_t) { clock.Advance(1ms); });
    int stepCount = 0;
    WriteProgress progress;
    progress.step = [&] {
        if (++stepCount % 2 == 0) {
            clock.Advance(5ms);
        }
    };
    const auto image = Image(1014);
    ASSERT_EQ(WriteDeviceImage(keyboard, image.data(), 1014, progress, clock), 0);

    const auto& times = keyboard.RequestTimes();
    ASSERT_EQ(times.size(), 1014u);
    ASSERT_EQ(clock.deadlines.size(), 1013u);
    int longGaps = 0;
    for (std::size_t i = 1; i < times.size(); ++i) {
        const auto previousEnd = times[i - 1] + 1ms;
        EXPECT_EQ(clock.deadlines[i - 1], previousEnd + 3ms) << i;
        const auto gap = times[i] - previousEnd;
        EXPECT_GE(gap, 3ms) << i;
        EXPECT_LE(gap, 5ms) << i;
        longGaps += gap == 5ms ? 1 : 0;
    }
    EXPECT_EQ(longGaps, 50); // every second of the 101 steps, none before the first byte
    EXPECT_EQ(clock.begun, 1);
    EXPECT_EQ(clock.ended, 1);
}

TEST(WriteDeviceImage, AFailedRequestEndsTheWriteAtOnce) {
    for (const std::size_t failAt : {1u, 10u, 450u}) {
        EmulatorFaults faults;
        faults.failWriteAt = failAt;
        EmulatedKeyboard keyboard(0, faults);
        FakeClock clock;
        const auto image = Image(450);
        EXPECT_EQ(WriteDeviceImage(keyboard, image.data(), 450, {}, clock), -2) << failAt;
        EXPECT_EQ(keyboard.Received(),
                  std::vector<std::uint8_t>(image.begin(), image.begin() + (failAt - 1)));
        EXPECT_EQ(keyboard.WriteRequestCount(), static_cast<int>(failAt));
        ExpectClosedCleanly(keyboard);
        EXPECT_EQ(clock.begun, clock.ended);
    }
}

TEST(WriteDeviceImage, NothingToSendAndNoDevice) {
    FakeClock clock;
    const auto image = Image(450);
    {
        EmulatedKeyboard keyboard(0);
        EXPECT_EQ(WriteDeviceImage(keyboard, nullptr, 0, {}, clock), 0);
        EXPECT_EQ(WriteDeviceImage(keyboard, image.data(), 0, {}, clock), 0);
        EXPECT_EQ(keyboard.OpenCount(), 0);
    }
    {
        EmulatedKeyboard keyboard(0);
        EXPECT_EQ(WriteDeviceImage(keyboard, nullptr, 450, {}, clock), -3);
        EXPECT_EQ(WriteDeviceImage(keyboard, image.data(), -1, {}, clock), -3);
        EXPECT_EQ(keyboard.OpenCount(), 0);
    }
    {
        EmulatedKeyboard keyboard(0, test::DeviceMissing());
        EXPECT_EQ(WriteDeviceImage(keyboard, image.data(), 450, {}, clock), -1);
        EXPECT_EQ(keyboard.WriteRequestCount(), 0);
    }
    EXPECT_EQ(clock.begun, 0);
}

TEST(WriteDeviceImage, StopsBetweenTwoBytesWhenAsked) {
    for (const std::size_t stopAfter : {0u, 1u, 100u, 2021u}) {
        EmulatedKeyboard keyboard(2);
        FakeClock clock;
        std::atomic<bool> stop{stopAfter == 0};
        keyboard.SetAfterWrite([&](std::size_t sent) {
            if (sent == stopAfter) {
                stop = true;
            }
        });
        WriteProgress progress;
        progress.stop = &stop;
        const auto image = Image(2022);
        EXPECT_EQ(WriteDeviceImage(keyboard, image.data(), 2022, progress, clock), WriteStopped);
        EXPECT_EQ(keyboard.Received().size(), stopAfter);
        ExpectClosedCleanly(keyboard);
        EXPECT_EQ(clock.begun, clock.ended);
    }
}

TEST(WriteDeviceImage, AStopDuringAProgressStepSendsNoFurtherByte) {
    EmulatedKeyboard keyboard(0);
    FakeClock clock;
    std::atomic<bool> stop{false};
    WriteProgress progress;
    progress.stop = &stop;
    int steps = 0;
    progress.step = [&] {
        if (++steps == 3) {
            stop = true;
        }
    };
    const auto image = Image(450);
    EXPECT_EQ(WriteDeviceImage(keyboard, image.data(), 450, progress, clock), WriteStopped);
    EXPECT_EQ(keyboard.Received().size(), 10u); // the third step precedes byte 10
    ExpectClosedCleanly(keyboard);
}

// ---- the device file ------------------------------------------------------

#ifndef _WIN32
TEST(DeviceFileDriver, MissingDeviceAndDeviceWithoutTheRequests) {
    FakeClock clock;
    const std::uint8_t byte = 1;
    DeviceFileDriver missing("/nonexistent/vorlan");
    EXPECT_EQ(DetectKeyboardType(missing), Detection::Failed(DetectError::NoDevice));
    EXPECT_EQ(WriteDeviceImage(missing, &byte, 1, {}, clock), -1);

    // A device that knows neither control code: both requests fail.
    DeviceFileDriver null("/dev/null");
    EXPECT_EQ(DetectKeyboardType(null), Detection::Failed(DetectError::RequestFailed));
    EXPECT_EQ(WriteDeviceImage(null, &byte, 1, {}, clock), -2);
    EXPECT_EQ(DeviceFileDriver().Path(), "/dev/vorlan");
}
#endif

} // namespace
} // namespace vorlan
