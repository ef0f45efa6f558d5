// The keyboard needs at least 3 ms between two byte requests. A late wake-up
// must never be made good by a shorter pause later: the write only drifts by
// what the system oversleeps, never below the keyboard's minimum.
#include "programming/EmulatedKeyboard.h"
#include "programming/KeyboardDriver.h"
#include "testing/ProgrammingTestSupport.h"

#include <gtest/gtest.h>
#include <vector>

namespace vorlan {
namespace {

using namespace std::chrono_literals;
using test::FakeClock;

// Wakes late by the next amount of a repeating pattern on every sleep that
// had to wait.
class LateClock : public FakeClock {
public:
    explicit LateClock(std::vector<std::chrono::microseconds> theLateness)
        : lateness(std::move(theLateness)) {}
    void SleepUntil(TimePoint deadline) override {
        const bool waits = deadline > now;
        FakeClock::SleepUntil(deadline);
        if (waits) {
            now += lateness[next++ % lateness.size()];
        }
    }

private:
    std::vector<std::chrono::microseconds> lateness;
    std::size_t next = 0;
};

struct LateCase {
    const char* what;
    std::vector<std::chrono::microseconds> lateness;
};

void PrintTo(const LateCase& c, std::ostream* out) {
    *out << c.what;
}

// Mostly 50 us late, with a stall of 5 ms once in 40 sleeps.
std::vector<std::chrono::microseconds> RareStalls() {
    std::vector<std::chrono::microseconds> lateness(40, 50us);
    lateness[7] = 5000us;
    return lateness;
}

class WritePacingTest : public ::testing::TestWithParam<LateCase> {};

TEST_P(WritePacingTest, NeverPausesLessThanThreeMsAndDriftsOnlyByTheLateness) {
    LateClock clock(GetParam().lateness);
    EmulatedKeyboard keyboard(2);
    keyboard.SetClock(&clock);
    // Each request takes the driver 200 us; the pause runs from its end.
    keyboard.SetAfterWrite([&clock](std::size_t) { clock.Advance(200us); });
    const int size = 2022;
    const std::vector<std::uint8_t> image(static_cast<std::size_t>(size), 0x5A);
    ASSERT_EQ(WriteDeviceImage(keyboard, image.data(), size, {}, clock), WriteOk);

    const auto& times = keyboard.RequestTimes();
    ASSERT_EQ(times.size(), static_cast<std::size_t>(size));
    std::chrono::microseconds expected{};
    std::size_t sleeps = 0;
    const auto& lateness = GetParam().lateness;
    for (std::size_t i = 1; i < times.size(); ++i) {
        const auto pause = times[i] - (times[i - 1] + 200us);
        EXPECT_GE(pause, 3000us) << i;
        expected += 3200us + lateness[sleeps++ % lateness.size()];
    }
    // The deadline is taken from the end of the previous request, so each
    // late wake-up adds itself once and nothing more accumulates.
    EXPECT_EQ(times.back() - times.front(), expected);
}

INSTANTIATE_TEST_SUITE_P(Lateness, WritePacingTest,
                         ::testing::Values(LateCase{"on time", {0us}},
                                           LateCase{"always 80 us", {80us}},
                                           // A 5 ms stall now and then must not burst bytes out.
                                           LateCase{"rare stalls", RareStalls()},
                                           LateCase{"half a millisecond", {500us}}),
                         [](const auto& test) {
                             std::string name = test.param.what;
                             for (char& c : name) {
                                 c = std::isalnum(static_cast<unsigned char>(c)) ? c : '_';
                             }
                             return name;
                         });

} // namespace
} // namespace vorlan
