#include "records/BatchField.h"

#include "verify/TextEscaping.h"

#include <charconv>
#include <utility>

namespace vorlan {
namespace {

constexpr std::string_view kSetAside = "set-aside";
constexpr std::string_view kTestPrefix = "test=";

constexpr std::pair<KeyTestOutcome, std::string_view> kTestTokens[] = {
    {KeyTestOutcome::NotChosen, "none"},
    {KeyTestOutcome::Passed, "passed"},
    {KeyTestOutcome::Failed, "failed"},
};

// Splits off the last blank-separated word of text.
std::string_view TakeLastWord(std::string_view& text) {
    const std::size_t blank = text.rfind(' ');
    if (blank == std::string_view::npos) {
        const std::string_view word = text;
        text = {};
        return word;
    }
    const std::string_view word = text.substr(blank + 1);
    text = text.substr(0, blank);
    return word;
}

bool ParseCount(std::string_view text, int& value) {
    if (text.empty() || text.size() > 6) {
        return false;
    }
    const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), value);
    return error == std::errc() && end == text.data() + text.size() && value > 0;
}

bool ParsePlace(std::string_view word, int& place, int& count) {
    const std::size_t slash = word.find('/');
    count = 0;
    if (slash == std::string_view::npos) {
        return ParseCount(word, place);
    }
    return ParseCount(word.substr(0, slash), place) && ParseCount(word.substr(slash + 1), count);
}

} // namespace

std::string PlaceText(int place, int count) {
    return count > 0 ? std::to_string(place) + "/" + std::to_string(count) : std::to_string(place);
}

std::string FormatBatchField(const BatchMark& mark) {
    std::string field = OneLine(mark.order);
    if (!field.empty()) {
        field += ' ';
    }
    field += PlaceText(mark.place, mark.count);
    for (const auto& [outcome, token] : kTestTokens) {
        if (outcome == mark.test) {
            field += ' ';
            field += kTestPrefix;
            field += token;
        }
    }
    if (mark.setAside) {
        field += ' ';
        field += kSetAside;
    }
    return field;
}

std::optional<BatchMark> ParseBatchField(std::string_view field) {
    BatchMark mark;
    std::string_view rest = field;
    std::string_view word = TakeLastWord(rest);
    if (word == kSetAside) {
        mark.setAside = true;
        word = TakeLastWord(rest);
    }
    if (word.substr(0, kTestPrefix.size()) == kTestPrefix) {
        const std::string_view token = word.substr(kTestPrefix.size());
        bool known = false;
        for (const auto& [outcome, name] : kTestTokens) {
            if (name == token) {
                mark.test = outcome;
                known = true;
            }
        }
        if (!known) {
            return std::nullopt;
        }
        word = TakeLastWord(rest);
    }
    if (!ParsePlace(word, mark.place, mark.count)) {
        return std::nullopt;
    }
    mark.order = rest;
    return mark;
}

} // namespace vorlan
