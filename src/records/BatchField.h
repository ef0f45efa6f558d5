// The batch field of a programming log line, as the text log has always
// written it: the record exports and imports it.
#pragma once

#include "records/RecordTypes.h"

#include <optional>
#include <string>
#include <string_view>

namespace vorlan {

// The batch field of a log line: "ORDER PLACE/COUNT[ test=...][ set-aside]".
// The order comes first and may hold anything but tabs and line ends; it is
// read back from the right, so an order with spaces or slashes survives.
struct BatchMark {
    std::string order;
    int place = 0; // from 1
    int count = 0; // 0: not known (a script that gave no number)
    KeyTestOutcome test = KeyTestOutcome::NotRun;
    bool setAside = false;

    friend bool operator==(const BatchMark&, const BatchMark&) = default;
};

std::string FormatBatchField(const BatchMark& mark);
std::optional<BatchMark> ParseBatchField(std::string_view field);

// "3/40", or "3" when the count is not known.
std::string PlaceText(int place, int count);

} // namespace vorlan
