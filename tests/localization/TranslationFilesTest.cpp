// The shipped translation sources read as files: every text of the string
// table has exactly one finished message in each, none is left over, counts
// have their plural forms, the glossary's terms are the words used, and the
// French texts keep the no-break space before their double punctuation.
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

TEST(TranslationFiles, FrenchKeepsTheNoBreakSpaceBeforeDoublePunctuation) {
    for (const Message& m : Messages(Read(kDir / "vorlan_fr.ts"))) {
        for (const std::string& t : m.translations) {
            for (const char mark : {':', ';', '?', '!'}) {
                EXPECT_EQ(std::string::npos, t.find(std::string(" ") + mark)) << t;
            }
        }
    }
}

// Lower case of the letters the glossaries hold: ASCII, Latin-1 and the
// Central European ones (two UTF-8 bytes each).
std::string Lower(std::string_view s) {
    std::string out(s);
    for (std::size_t i = 0; i < out.size(); ++i) {
        auto& c = reinterpret_cast<unsigned char&>(out[i]);
        if (c >= 'A' && c <= 'Z') {
            c = static_cast<unsigned char>(c + 32);
        } else if (c == 0xC3 && i + 1 < out.size()) {
            auto& next = reinterpret_cast<unsigned char&>(out[++i]);
            if (next >= 0x80 && next <= 0x9E && next != 0x97) {
                next = static_cast<unsigned char>(next + 0x20);
            }
        } else if ((c == 0xC4 || c == 0xC5) && i + 1 < out.size()) {
            auto& next = reinterpret_cast<unsigned char&>(out[++i]);
            const unsigned code = ((c & 0x1Fu) << 6) | (next & 0x3Fu);
            const bool upper = (code >= 0x139 && code <= 0x148) || code >= 0x179 ? (code & 1u) != 0
                                                                                 : (code & 1u) == 0;
            if (upper && code != 0x138 && code != 0x149) {
                next = static_cast<unsigned char>(next + 1);
            }
        }
    }
    return out;
}

// A word of a glossary's translation as it must show in an inflected form:
// one letter dropped from a short word ("touche" in "touches", "pole" in
// "pola"), two from a longer ("siatka" in "siatce", "Programmieren" in
// "programmiert").
std::string Stem(const std::string& word) {
    std::vector<std::size_t> starts;
    for (std::size_t i = 0; i < word.size(); ++i) {
        if ((static_cast<unsigned char>(word[i]) & 0xC0) != 0x80) {
            starts.push_back(i);
        }
    }
    const std::size_t keep = starts.size() - (starts.size() >= 6 ? 2 : 1);
    return Lower(word.substr(0, starts[keep]));
}

struct Term {
    std::string english;
    std::vector<std::vector<std::string>> stems; // any one alternative, all its stems
};

struct Glossary {
    std::vector<Term> terms; // longest English first
    std::vector<std::string> never;
};

Glossary ReadGlossary(const std::string& language) {
    Glossary g;
    std::istringstream in(Read(kDir / ("vorlan_" + language + ".glossary.md")));
    static const std::regex row(R"(^\| *([^|]+?) *\| *([^|]+?) *\|)");
    static const std::regex aside(R"(\([^)]*\)|«[^»]*»)");
    static const std::regex word(R"([^\s,.'/-]{4,})");
    for (std::string line; std::getline(in, line);) {
        std::smatch m;
        if (line.starts_with("Never:")) {
            std::istringstream words(line.substr(6));
            for (std::string w; std::getline(words, w, ',');) {
                w.erase(0, w.find_first_not_of(' '));
                w.erase(w.find_last_not_of(' ') + 1);
                g.never.push_back(w);
            }
        }
        if (!std::regex_search(line, m, row) || m[1] == "English" || m[1].str().starts_with("-")) {
            continue;
        }
        Term t{m[1], {}};
        const std::string translation = std::regex_replace(m[2].str(), aside, "");
        std::istringstream alternatives(translation);
        for (std::string alternative; std::getline(alternatives, alternative, '/');) {
            std::vector<std::string> stems;
            for (std::sregex_iterator w(alternative.begin(), alternative.end(), word), end;
                 w != end; ++w) {
                stems.push_back(Stem(w->str()));
            }
            // A short word alone ("vak") must stand as it is.
            std::istringstream words(alternative);
            for (std::string w; stems.empty() && words >> w;) {
                stems.push_back(Lower(w));
            }
            t.stems.push_back(stems);
        }
        g.terms.push_back(t);
    }
    std::stable_sort(g.terms.begin(), g.terms.end(), [](const Term& a, const Term& b) {
        return a.english.size() > b.english.size();
    });
    return g;
}

std::string WithoutAccessKey(std::string text) {
    std::erase(text, '&');
    return text;
}

// Where a source names a glossary term (the longest that matches, in any
// case, plural or not), its translation has the glossary's word; and none
// has a word the glossary rules out.
TEST(TranslationFiles, EveryGlossaryTermHasItsOneTranslation) {
    for (const char* language : kLanguages) {
        SCOPED_TRACE(language);
        const Glossary glossary = ReadGlossary(language);
        ASSERT_GT(glossary.terms.size(), 20u);
        std::vector<std::pair<std::string, std::regex>> patterns;
        for (const Term& t : glossary.terms) {
            patterns.emplace_back(t.english,
                                  std::regex("\\b" + t.english + "(s|es)?\\b", std::regex::icase));
        }
        for (const Message& m :
             Messages(Read(kDir / ("vorlan_" + std::string(language) + ".ts")))) {
            const std::string source = WithoutAccessKey(m.source);
            std::string translated;
            for (const std::string& t : m.translations) {
                translated += WithoutAccessKey(t) + '\n';
            }
            const std::string lower = Lower(translated);
            std::vector<bool> taken(source.size());
            for (std::size_t i = 0; i < patterns.size(); ++i) {
                const Term& term = glossary.terms[i];
                for (std::sregex_iterator it(source.begin(), source.end(), patterns[i].second), end;
                     it != end; ++it) {
                    const auto from = static_cast<std::size_t>(it->position());
                    const auto to = from + static_cast<std::size_t>(it->length());
                    if (std::find(taken.begin() + static_cast<long>(from),
                                  taken.begin() + static_cast<long>(to),
                                  true) != taken.begin() + static_cast<long>(to)) {
                        continue;
                    }
                    std::fill(taken.begin() + static_cast<long>(from),
                              taken.begin() + static_cast<long>(to), true);
                    const bool used =
                        std::any_of(term.stems.begin(), term.stems.end(), [&](const auto& stems) {
                            return std::all_of(stems.begin(), stems.end(), [&](const auto& s) {
                                return lower.find(s) != std::string::npos;
                            });
                        });
                    EXPECT_TRUE(used) << '"' << term.english << "\" in \"" << m.source << "\" -> \""
                                      << translated << '"';
                }
            }
            for (const std::string& never : glossary.never) {
                // At the start of a word, so a compound ("Layoutdatei") counts too.
                const std::regex word("(^|[^\\w])" + never);
                EXPECT_FALSE(std::regex_search(translated, word))
                    << '"' << never << "\" in \"" << translated << '"';
            }
        }
    }
}

} // namespace
} // namespace vorlan
