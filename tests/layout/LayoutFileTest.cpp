#include "layout/LayoutFile.h"

#include <gtest/gtest.h>
#include <string>

namespace vorlan {
namespace {

std::string Crlf(std::initializer_list<std::string_view> lines) {
    std::string out;
    for (std::string_view line : lines) {
        out += line;
        out += "\r\n";
    }
    return out;
}

std::string Line(const std::string& text, int index) {
    std::size_t pos = 0;
    for (int i = 0; i < index; ++i) {
        pos = text.find("\r\n", pos) + 2;
    }
    return text.substr(pos, text.find("\r\n", pos) + 2 - pos);
}

int LineCount(const std::string& text) {
    int count = 0;
    for (std::size_t pos = text.find("\r\n"); pos != std::string::npos;
         pos = text.find("\r\n", pos + 2)) {
        ++count;
    }
    return count;
}

LayoutDocument WorkedExample() {
    LayoutDocument doc;
    doc.keys[1].name = "A";
    doc.keys[1].codes[0] = 28;
    return doc;
}

TEST(LayoutFileFormat, WorkedExampleSixteenScan) {
    const std::string text = FormatLayout(WorkedExample(), KeyboardVariant::SixteenScan);
    EXPECT_EQ(LineCount(text), 113);
    EXPECT_EQ(text.substr(0, text.find("\r\n", text.find("\r\n", text.find("\r\n") + 2) + 2) + 2),
              Crlf({"57; 0; 0; 2; 11; 144; 0; 0; 3",
                    "1; 28, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0; 2;0;A",
                    "2; 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0; 2;0;KEY2"}));
    EXPECT_EQ(Line(text, 112),
              Crlf({"112; 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0; 2;0;KEY112"}));
    EXPECT_EQ(text.size(), text.rfind("\r\n") + 2);
}

TEST(LayoutFileFormat, WorkedExampleSevenThreeScan) {
    const std::string text = FormatLayout(WorkedExample(), KeyboardVariant::SevenThreeScan);
    EXPECT_EQ(LineCount(text), 113);
    EXPECT_EQ(Line(text, 0) + Line(text, 1) + Line(text, 2),
              Crlf({"56; 0; 0; 2; 11", "1; 28, 0, 0, 0, 0, 0, 0; 2;A",
                    "2; 0, 0, 0, 0, 0, 0, 0; 2;KEY2"}));
}

} // namespace
} // namespace vorlan
