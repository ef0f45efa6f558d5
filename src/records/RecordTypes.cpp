#include "records/RecordTypes.h"

#include <array>
#include <utility>

namespace vorlan {
namespace {

template <typename E, std::size_t N>
std::string_view NameIn(const std::array<std::pair<E, std::string_view>, N>& names, E value) {
    for (const auto& [e, name] : names) {
        if (e == value) {
            return name;
        }
    }
    return names[0].second;
}

template <typename E, std::size_t N>
std::optional<E> ValueIn(const std::array<std::pair<E, std::string_view>, N>& names,
                         std::string_view name) {
    for (const auto& [e, n] : names) {
        if (n == name) {
            return e;
        }
    }
    return std::nullopt;
}

// The words stored in the record: changing one is a migration.
constexpr std::array<std::pair<BatchTest, std::string_view>, 3> kTests{{
    {BatchTest::None, "none"},
    {BatchTest::ProgrammedKeys, "programmed-keys"},
    {BatchTest::EveryKey, "every-key"},
}};
constexpr std::array<std::pair<KeyTestOutcome, std::string_view>, 4> kKeyTests{{
    {KeyTestOutcome::NotRun, "not-run"},
    {KeyTestOutcome::NotChosen, "none"},
    {KeyTestOutcome::Passed, "passed"},
    {KeyTestOutcome::Failed, "failed"},
}};
constexpr std::array<std::pair<BatchOutcome, std::string_view>, 3> kOutcomes{{
    {BatchOutcome::Passed, "passed"},
    {BatchOutcome::Failed, "failed"},
    {BatchOutcome::SetAside, "set-aside"},
}};
constexpr std::array<std::pair<RunState, std::string_view>, 4> kRunStates{{
    {RunState::Running, "running"},
    {RunState::Programmed, "programmed"},
    {RunState::Finished, "finished"},
    {RunState::Interrupted, "interrupted"},
}};
constexpr std::array<std::pair<BatchState, std::string_view>, 3> kBatchStates{{
    {BatchState::Open, "open"},
    {BatchState::Complete, "complete"},
    {BatchState::Ended, "ended"},
}};

} // namespace

std::string_view BatchTestName(BatchTest test) {
    return NameIn(kTests, test);
}
std::optional<BatchTest> BatchTestFromName(std::string_view name) {
    return ValueIn(kTests, name);
}
std::string_view KeyTestName(KeyTestOutcome outcome) {
    return NameIn(kKeyTests, outcome);
}
std::optional<KeyTestOutcome> KeyTestFromName(std::string_view name) {
    return ValueIn(kKeyTests, name);
}
std::string_view OutcomeName(BatchOutcome outcome) {
    return NameIn(kOutcomes, outcome);
}
std::optional<BatchOutcome> OutcomeFromName(std::string_view name) {
    return ValueIn(kOutcomes, name);
}
std::string_view RunStateName(RunState state) {
    return NameIn(kRunStates, state);
}
std::optional<RunState> RunStateFromName(std::string_view name) {
    return ValueIn(kRunStates, name);
}
std::string_view BatchStateName(BatchState state) {
    return NameIn(kBatchStates, state);
}
std::optional<BatchState> BatchStateFromName(std::string_view name) {
    return ValueIn(kBatchStates, name);
}

} // namespace vorlan
