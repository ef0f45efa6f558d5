#include "station/StationRules.h"

#include <algorithm>
#include <cstdio>
#include <set>

namespace vorlan {

std::string TrimmedOrder(std::string_view text) {
    const auto blank = [](char c) { return c == ' ' || c == '\t' || c == '\r' || c == '\n'; };
    while (!text.empty() && blank(text.front())) {
        text.remove_prefix(1);
    }
    while (!text.empty() && blank(text.back())) {
        text.remove_suffix(1);
    }
    return std::string(text);
}

std::optional<StringId> OrderProblem(std::string_view trimmed) {
    // The record's rule, said in the dialog's words: one rule, so the dialog
    // never accepts what the record then refuses.
    const RecordResult bad = CheckOrder(trimmed);
    if (bad.Ok()) {
        return std::nullopt;
    }
    if (bad.detail == "empty") {
        return StringId::BatchOrderRequired;
    }
    if (bad.detail == "long") {
        return StringId::BatchOrderTooLong;
    }
    return StringId::BatchOrderControl; // a control character (the dialog's text is UTF-8)
}

std::vector<std::string> OrdersToChoose(const std::vector<std::string>& newestFirst,
                                        std::string_view current) {
    std::vector<std::string> orders;
    if (!current.empty()) {
        orders.emplace_back(current);
    }
    for (const std::string& order : newestFirst) {
        if (!order.empty() && std::find(orders.begin(), orders.end(), order) == orders.end()) {
            orders.push_back(order);
        }
    }
    return orders;
}

TestProgress ProgressOf(const KeyTestSession& session, BatchTest test) {
    const KeyTestPlan& plan = session.Plan();
    TestProgress progress;
    for (int k = 0; k < session.KeyCount(); ++k) {
        const bool untypable =
            std::find(plan.untypable.begin(), plan.untypable.end(), k) != plan.untypable.end();
        if (untypable && test == BatchTest::ProgrammedKeys) {
            continue;
        }
        ++progress.required;
        if (session.Result(k) == KeyResult::Passed) {
            ++progress.passed;
        } else {
            progress.missing.push_back(k);
        }
    }
    return progress;
}

std::vector<KeyCaption> MissingKeys(const KeyTestSession& session, const TestProgress& progress) {
    std::vector<KeyCaption> keys;
    for (const int k : progress.missing) {
        const TestKey& key = session.Plan().keys[static_cast<std::size_t>(k)];
        keys.push_back({key.slot, key.name});
    }
    return keys;
}

std::string HexCodes(const std::vector<std::uint8_t>& codes) {
    std::string text;
    for (const std::uint8_t code : codes) {
        char hex[4];
        std::snprintf(hex, sizeof hex, "%02X", code);
        text += text.empty() ? "" : " ";
        text += hex;
    }
    return text;
}

RecordResult ReadSharedProgress(RecordStore& store, const std::string& order, std::int64_t batchId,
                                SharedProgress& out) {
    SharedProgress read;
    if (RecordResult counted = store.CountOrder(order, read.counts); !counted.Ok()) {
        return counted;
    }
    RunQuery query;
    query.anyOrder = false;
    query.order = order;
    query.batchId = batchId;
    std::set<std::string> hosts;
    const RecordResult runs = store.ReadRuns(query, [&](const RunRecord& run) {
        hosts.insert(run.process.host);
        return true;
    });
    if (!runs.Ok()) {
        return runs;
    }
    read.stations = static_cast<int>(hosts.size());
    out = read;
    return {};
}

UiMessage PlaceMessage(int place, int count, int stations) {
    if (stations > 1) {
        return {StringId::StationKeyboardOfStations,
                {std::to_string(place), std::to_string(count), std::to_string(stations)}};
    }
    return {StringId::StationKeyboardOf, {std::to_string(place), std::to_string(count)}};
}

} // namespace vorlan
