// The reader's line measure and field reading: a layout file taken apart line
// by line and field by field in one pass over its bytes.
#pragma once

#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <limits>
#include <string_view>

namespace vorlan::layout_detail {

// Takes the file apart line by line and, within a line, token by token, in
// one pass over the bytes. Tokens end at ',' or ';'; past the end of a line
// every token is empty, so missing fields read as empty fields. Lines end at
// CR LF, a bare LF or a bare CR.
class LineScanner {
public:
    explicit LineScanner(std::string_view text) : text_(text) {}

    // Between lines: true once nothing is left to read.
    bool AtEnd() const { return pos_ >= text_.size(); }

    std::string_view Token() {
        if (!inLine_) {
            return {};
        }
        const std::size_t start = pos_;
        const std::size_t size = text_.size();
        while (pos_ < size && !IsStop(text_[pos_])) {
            ++pos_;
        }
        const std::string_view token = text_.substr(start, pos_ - start);
        if (pos_ < size && (text_[pos_] == ',' || text_[pos_] == ';')) {
            ++pos_;
        } else {
            inLine_ = false; // the line end is left for NextLine()
        }
        return token;
    }

    // Decimal conversion of the next token as the C library does it: leading
    // white space, an optional sign, digits up to the first other byte; no
    // digits give 0. Values beyond 32 bits saturate instead of overflowing.
    // Reads the bytes in place rather than through Token(), so each byte is
    // looked at once.
    std::int32_t Number() {
        given_ = inLine_;
        if (!inLine_) {
            clean_ = false;
            token_ = {};
            return 0;
        }
        const std::size_t size = text_.size();
        const std::size_t start = pos_;
        // CR and LF end the token, so only the other white space is skipped:
        // a number missing at the end of a line must not come from the next.
        while (pos_ < size && (text_[pos_] == ' ' || text_[pos_] == '\t' || text_[pos_] == '\v' ||
                               text_[pos_] == '\f')) {
            ++pos_;
        }
        bool negative = false;
        if (pos_ < size && (text_[pos_] == '+' || text_[pos_] == '-')) {
            negative = text_[pos_] == '-';
            ++pos_;
        }
        long long value = 0;
        constexpr long long kCap =
            static_cast<long long>(std::numeric_limits<std::int32_t>::max()) + 1;
        const std::size_t digits = pos_;
        for (; pos_ < size && text_[pos_] >= '0' && text_[pos_] <= '9'; ++pos_) {
            value = std::min(value * 10 + (text_[pos_] - '0'), kCap);
        }
        const bool anyDigit = pos_ > digits;
        const std::string_view rest = Token(); // up to its separator
        // Not find_first_not_of: it calls memchr once a byte.
        clean_ = anyDigit && std::all_of(rest.begin(), rest.end(),
                                         [](char c) { return c == ' ' || c == '\t'; });
        const auto restEnd = static_cast<std::size_t>(rest.data() + rest.size() - text_.data());
        token_ = text_.substr(start, restEnd - start);
        if (negative) {
            value = -value;
        }
        return static_cast<std::int32_t>(
            std::clamp<long long>(value, std::numeric_limits<std::int32_t>::min(),
                                  std::numeric_limits<std::int32_t>::max()));
    }

    // Skips what is left of the current line and its line end.
    void NextLine() {
        const std::size_t size = text_.size();
        while (pos_ < size && text_[pos_] != '\r' && text_[pos_] != '\n') {
            ++pos_;
        }
        if (pos_ < size) {
            const bool cr = text_[pos_] == '\r';
            ++pos_;
            if (cr && pos_ < size && text_[pos_] == '\n') {
                ++pos_;
            }
        }
        inLine_ = true;
        ++line_;
        lineStart_ = pos_;
    }

    // Whether the current line has a field left to read.
    bool InLine() const { return inLine_; }
    // Whether the last Number() had digits and nothing else, and its text.
    bool LastClean() const { return clean_; }
    // Whether the line still had a field for the last Number().
    bool LastGiven() const { return given_; }
    std::string_view LastToken() const { return token_; }
    // The current line's number (from 1) and its length without its line end.
    int Line() const { return line_; }
    std::size_t LineLength() const {
        MeasureLine();
        return lineLength_;
    }
    // The current line's fields (one more than its separators).
    int LineFields() const {
        MeasureLine();
        return lineFields_;
    }
    // Whether the current line is empty (no byte before its line end).
    bool EmptyLine() const { return LineLength() == 0; }
    // Whether the current line is empty and so is a line after it.
    bool EmptyLineFollowed() const {
        if (!EmptyLine()) {
            return false;
        }
        std::size_t p = lineStart_;
        if (p < text_.size() && text_[p] == '\r') {
            ++p;
        }
        if (p < text_.size() && text_[p] == '\n' &&
            (p == lineStart_ || text_[lineStart_] == '\r')) {
            ++p;
        }
        return p < text_.size() && (text_[p] == '\r' || text_[p] == '\n');
    }
    // Lines after the current one that hold at least one byte.
    int LinesAfter() const {
        int lines = 0;
        bool inText = false;
        std::size_t p = lineStart_ + LineLength();
        for (; p < text_.size(); ++p) {
            const bool end = text_[p] == '\r' || text_[p] == '\n';
            if (!end && !inText) {
                ++lines;
            }
            inText = !end;
        }
        return lines;
    }

private:
    static bool IsStop(char c) { return c == ',' || c == ';' || c == '\r' || c == '\n'; }

    std::string_view text_;
    std::size_t pos_ = 0;
    bool inLine_ = true;
    bool clean_ = false;
    bool given_ = false;
    std::string_view token_;
    int line_ = 1;
    std::size_t lineStart_ = 0;
    // The current line's length and fields, found in one pass when first
    // asked: the report asks several times a line, and each pass over the
    // line cost as much as parsing it.
    mutable int measuredLine_ = 0;
    mutable std::size_t lineLength_ = 0;
    mutable int lineFields_ = 0;

    void MeasureLine() const {
        if (measuredLine_ == line_) {
            return;
        }
        measuredLine_ = line_;
        lineLength_ = 0;
        lineFields_ = 1;
        const std::size_t start = std::min(lineStart_, text_.size());
        if (start == text_.size()) {
            return; // nothing left to measure
        }
        // One pass to the first CR or LF: searching for each of them to the
        // end of the text would cost the rest of the file on every line of a
        // file without that byte.
        const char* from = text_.data() + start;
        const char* const last = text_.data() + text_.size();
        const char* end = from;
        int fields = 1;
        for (; end != last && *end != '\r' && *end != '\n'; ++end) {
            fields += static_cast<int>(*end == ',') + static_cast<int>(*end == ';');
        }
        lineLength_ = static_cast<std::size_t>(end - from);
        lineFields_ = fields;
    }
};

} // namespace vorlan::layout_detail
