// A text that never grows beyond a fixed number of bytes. Key names and
// catalogue names have fixed sizes in the layout format; cutting them here,
// on every assignment, is the one place that limit is enforced.
#pragma once

#include <cstddef>
#include <ostream>
#include <string>
#include <string_view>

namespace vorlan {

template <std::size_t MaxBytes> class BoundedText {
public:
    static constexpr std::size_t kMaxBytes = MaxBytes;

    BoundedText() = default;
    explicit BoundedText(std::string_view text) { Assign(text); }

    BoundedText& operator=(std::string_view text) {
        Assign(text);
        return *this;
    }
    BoundedText& operator=(const char* text) {
        Assign(text);
        return *this;
    }
    BoundedText& operator=(const std::string& text) {
        Assign(text);
        return *this;
    }

    const std::string& str() const { return text_; }
    const char* c_str() const { return text_.c_str(); }
    std::size_t size() const { return text_.size(); }
    bool empty() const { return text_.empty(); }
    operator std::string_view() const { return text_; } // NOLINT: implicit on purpose

    friend bool operator==(const BoundedText& a, const BoundedText& b) = default;
    friend bool operator==(const BoundedText& a, std::string_view b) { return a.text_ == b; }
    friend std::ostream& operator<<(std::ostream& out, const BoundedText& t) {
        return out << t.text_;
    }

private:
    void Assign(std::string_view text) { text_.assign(text.substr(0, MaxBytes)); }

    std::string text_;
};

} // namespace vorlan
