// The shipped translation sources read as files: every text of the string
// table has exactly one finished message in each, none is left over, counts
// have their plural forms.
#include "common/StringTable.h"

#include <algorithm>
#include <filesystem>
#include <fstream>
#include <gtest/gtest.h>
#include <map>
#include <regex>
#include <set>
#include <sstream>

namespace vorlan {
namespace {

const std::filesystem::path kDir =
    std::filesystem::path(VORLAN_TEST_DATA_DIR) / ".." / ".." / "resources" / "translations";
const char* const kLanguages[] = {"de", "es", "fr", "it", "nl", "pl"};

std::string Read(const std::filesystem::path& file) {
    std::ifstream in(file, std::ios::binary);
    std::ostringstream text;
    text << in.rdbuf();
    return text.str();
}

std::string Unescape(std::string s) {
    static const std::pair<const char*, const char*> entities[] = {
        {"&lt;", "<"}, {"&gt;", ">"}, {"&quot;", "\""}, {"&apos;", "'"}, {"&amp;", "&"}};
    for (const auto& [entity, plain] : entities) {
        for (std::size_t at = s.find(entity); at != std::string::npos;
             at = s.find(entity, at + 1)) {
            s.replace(at, std::string_view(entity).size(), plain);
        }
    }
    return s;
}

struct Message {
    std::string source, comment;
    std::vector<std::string> translations; // one, or a form per plural
    bool numerus = false;
    bool finished = true;
};

std::vector<Message> Messages(const std::string& ts) {
    static const std::regex message(R"(<message( numerus="yes")?>([\s\S]*?)</message>)");
    static const std::regex source(R"(<source>([\s\S]*?)</source>)");
    static const std::regex comment(R"(<comment>([\s\S]*?)</comment>)");
    static const std::regex translation(R"(<translation([^>]*)>([\s\S]*?)</translation>)");
    static const std::regex form(R"(<numerusform>([\s\S]*?)</numerusform>)");
    std::vector<Message> out;
    for (std::sregex_iterator it(ts.begin(), ts.end(), message), end; it != end; ++it) {
        const std::string body = (*it)[2];
        Message m;
        m.numerus = (*it)[1].matched;
        std::smatch found;
        if (std::regex_search(body, found, source)) {
            m.source = Unescape(found[1]);
        }
        if (std::regex_search(body, found, comment)) {
            m.comment = Unescape(found[1]);
        }
        if (std::regex_search(body, found, translation)) {
            m.finished = found[1].str().find("type=") == std::string::npos;
            const std::string inner = found[2];
            for (std::sregex_iterator f(inner.begin(), inner.end(), form); f != end; ++f) {
                m.translations.push_back(Unescape((*f)[1]));
            }
            if (!m.numerus) {
                m.translations.push_back(Unescape(inner));
            }
        }
        out.push_back(std::move(m));
    }
    return out;
}

// Plural forms a language has in Qt's rules.
std::size_t PluralForms(std::string_view language) {
    return language == "pl" ? 3 : 2;
}

TEST(TranslationFiles, EveryTextHasOneFinishedMessageAndNoneIsLeftOver) {
    std::set<std::pair<std::string, std::string>> table;
    for (const StringEntry& e : StringEntries()) {
        table.emplace(e.text, StringDisambiguation(e.id));
    }
    for (const char* language : kLanguages) {
        SCOPED_TRACE(language);
        std::set<std::pair<std::string, std::string>> seen;
        for (const Message& m :
             Messages(Read(kDir / ("vorlan_" + std::string(language) + ".ts")))) {
            const std::pair key(m.source, m.comment);
            EXPECT_TRUE(table.contains(key)) << "no longer in the table: " << m.source;
            EXPECT_TRUE(seen.insert(key).second) << "twice: " << m.source;
            EXPECT_TRUE(m.finished) << m.source;
            const bool counts = m.source.find("%n") != std::string::npos;
            EXPECT_EQ(counts, m.numerus) << m.source;
            EXPECT_EQ(counts ? PluralForms(language) : 1, m.translations.size()) << m.source;
            for (const std::string& t : m.translations) {
                EXPECT_FALSE(t.empty()) << m.source;
                EXPECT_EQ(counts, t.find("%n") != std::string::npos) << m.source << " -> " << t;
            }
        }
        for (const auto& entry : table) {
            EXPECT_TRUE(seen.contains(entry)) << "not translated: " << entry.first;
        }
    }
    // English itself has a singular for every count.
    std::set<std::string> counted;
    for (const Message& m : Messages(Read(kDir / "plurals_en.ts"))) {
        EXPECT_EQ(2u, m.translations.size()) << m.source;
        counted.insert(m.source);
    }
    for (const StringEntry& e : StringEntries()) {
        if (e.text.find("%n") != std::string_view::npos) {
            EXPECT_TRUE(counted.contains(std::string(e.text))) << "no English singular: " << e.text;
        }
    }
}

} // namespace
} // namespace vorlan
