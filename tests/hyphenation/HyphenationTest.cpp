// Key names broken where the system's pattern dictionaries break them, in
// any capitalisation, and the rules that find a language's dictionary.
#include "common/FilePath.h"
#include "hyphenation/HyphenationChoice.h"
#include "testing/TempFolder.h"

#include <gtest/gtest.h>

namespace vorlan {
namespace {

// The word with a '-' at every point the hyphenator gives.
std::string Marked(const Hyphenator& h, const std::string& word) {
    std::string out = word;
    const std::vector<std::size_t> points = h.Points(word);
    for (auto it = points.rbegin(); it != points.rend(); ++it) {
        out.insert(*it, 1, '-');
    }
    return out;
}

TEST(Hyphenation, BreaksNamesAsEachLanguagesDictionaryDoes) {
    struct Row {
        const char* language;
        const char* word;
        const char* marked;
    };
    const Row rows[] = {
        {"de", "Aufschnitt", "Auf-schnitt"},
        {"de", "Schweinsbraten", "Schweins-bra-ten"},
        {"de", "Schinken", "Schin-ken"},
        {"de", "Fleischpflanzerl", "Fleisch-pflan-zerl"},
        {"de", "FLEISCHPFLANZERL", "FLEISCH-PFLAN-ZERL"}, // capitals as small letters
        {"de", "Rücktaste", "Rück-tas-te"},               // Latin-1 dictionary, UTF-8 name
        {"de", "Weißwurst", "Weiß-wurst"},
        {"de", "Leberkäse", "Le-ber-kä-se"},
        {"de_AT", "Schinken", "Schin-ken"},
        {"de", "Kassen-Schublade", "Kas-sen-Schub-la-de"}, // each part on its own
        {"de", "F12", "F12"},                              // no letters to break
        {"de", "Bon/Rechnung", "Bon/Rech-nung"},
        {"fr", "Échappement", "Échap-pe-ment"},
        {"fr", "Effacement", "Ef-fa-ce-ment"},
        {"fr", "Croissant", "Crois-sant"},
        {"fr", "Baguette", "Ba-guette"},
        {"pl", "Klawiatura", "Kla-wia-tu-ra"},
        {"pl", "Kiełbasa", "Kieł-ba-sa"}, // Latin-2 dictionary
        {"pl", "Pierogi", "Pie-ro-gi"},
        {"pl", "Ogórek", "Ogó-rek"},
        {"es", "Empanada", "Em-pa-na-da"},
        {"es", "Retroceso", "Re-tro-ce-so"},
        {"it", "Prosciutto", "Pro-sciut-to"},
        {"it", "Cancella", "Can-cel-la"},
        {"nl", "Stroopwafel", "Stroop-wa-fel"},
        {"nl", "Ontbijtkoek", "Ont-bijt-koek"},
        {"en", "Sandwich", "Sand-wich"},
        {"en", "Backspace", "Backspace"}, // the US patterns leave it whole
        {"en_GB", "Backspace", "Back-space"},
    };
    for (const Row& r : rows) {
        SCOPED_TRACE(std::string(r.language) + " " + r.word);
        const std::shared_ptr<const Hyphenator> h = HyphenatorFor(r.language);
        if (h == nullptr) {
            ADD_FAILURE() << "no dictionary: run scripts/install-deps";
            continue;
        }
        EXPECT_EQ(r.marked, Marked(*h, r.word));
    }
}

TEST(Hyphenation, ChoosesTheDictionaryOfTheLanguageAndSaysWhenThereIsNone) {
    const test::TempFolder shipped;
    const test::TempFolder system;
    for (const char* file : {"hyph_de_DE.dic", "hyph_de_CH.dic", "hyph_fr.dic", "hyph_fr_CA.dic"}) {
        system.Write(file, "UTF-8\n");
    }
    shipped.Write("hyph_pl_PL.dic", "ISO8859-2\n");
    shipped.Write("hyph_es_MX.dic", "UTF-8\n");
    shipped.Write("hyph_de_CH.dic", "UTF-8\n"); // shipped before the system's
    const std::vector<std::string> folders = {shipped.Path().string(), system.Path().string()};
    struct Row {
        const char* language;
        std::string file;
    };
    const Row rows[] = {
        {"de", system.File("hyph_de_DE.dic")},
        {"de-DE", system.File("hyph_de_DE.dic")},
        {"de_CH", shipped.File("hyph_de_CH.dic")},
        {"de_AT", system.File("hyph_de_DE.dic")},
        {"fr_BE", system.File("hyph_fr.dic")},
        {"FR_ca", system.File("hyph_fr_CA.dic")},
        {"pl", shipped.File("hyph_pl_PL.dic")},
        {"es", shipped.File("hyph_es_MX.dic")},
        {"it", ""},
        {"../de", ""},
        {"de_DEU", ""},
        {"", ""},
    };
    for (const Row& r : rows) {
        EXPECT_EQ(r.file, HyphenationDictionary(r.language, folders)) << r.language;
    }
    EXPECT_EQ((std::vector<std::string>{"de", "de_CH", "es_MX", "fr", "fr_CA", "pl"}),
              HyphenationLanguages(folders));
    EXPECT_EQ(std::vector<std::string>{}, HyphenationLanguages({shipped.File("missing")}));
}

TEST(Hyphenation, TheChoiceFollowsTheProgramsLanguageUnlessSet) {
    SetDefaultNamesLanguage("");
    EXPECT_EQ("en", ChosenHyphenationLanguage(""));
    SetDefaultNamesLanguage("pl_PL");
    EXPECT_EQ("pl_PL", ChosenHyphenationLanguage(""));
    EXPECT_EQ("de", ChosenHyphenationLanguage("de"));
    EXPECT_EQ("", ChosenHyphenationLanguage(kNoHyphenation));
    EXPECT_EQ(nullptr, HyphenatorFor(kNoHyphenation));
    EXPECT_EQ(nullptr, HyphenatorFor("tlh")); // a language no dictionary is installed for
    ASSERT_NE(nullptr, HyphenatorFor(""));
    EXPECT_EQ("Kla-wia-tu-ra", Marked(*HyphenatorFor(""), "Klawiatura"));
    // A file that is no dictionary loads as none, and is not read again.
    const test::TempFolder folder;
    folder.Write("hyph_xx.dic", "KOI8-R\n1a1\n");
    SetHyphenationFolders({folder.Path().string()});
    EXPECT_EQ(nullptr, HyphenatorFor("xx"));
    EXPECT_EQ(nullptr, HyphenatorFor("xx"));
    // A dictionary beside a program unpacked under a name no ANSI code page
    // holds (C:\Users\Łukasz) opens all the same.
    const std::string polish = HyphenationDictionary("pl", {"/usr/share/hyphen"});
    ASSERT_FALSE(polish.empty());
    const std::filesystem::path named = folder.Path() / PathFromUtf8("\xC5\x81ukasz \xCE\xA9mega");
    std::filesystem::create_directories(named);
    std::filesystem::copy_file(PathFromUtf8(polish), named / "hyph_pl_PL.dic");
    SetHyphenationFolders({Utf8FromPath(named)});
    ASSERT_NE(nullptr, HyphenatorFor("pl"));
    EXPECT_EQ("Kla-wia-tu-ra", Marked(*HyphenatorFor("pl"), "Klawiatura"));
    SetHyphenationFolders({"/usr/share/hyphen"});
    SetDefaultNamesLanguage("");
}

// The grid never waits for a dictionary: it has none until the load it
// started is done, and a new generation then says to lay names out again.
TEST(Hyphenation, TheGridsChoiceLoadsInTheBackground) {
    const unsigned before = HyphenationGeneration();
    SetNamesHyphenation("nl");
    EXPECT_NE(before, HyphenationGeneration());
    const std::shared_ptr<const Hyphenator> waited = HyphenatorFor("nl");
    ASSERT_NE(nullptr, waited);
    EXPECT_EQ(waited, NamesHyphenator());
    EXPECT_EQ(waited, LoadedHyphenatorFor("nl_NL"));
    const unsigned now = HyphenationGeneration();
    SetNamesHyphenation("nl");
    EXPECT_EQ(now, HyphenationGeneration()) << "the same choice again changes nothing";
    SetNamesHyphenation(std::string(kNoHyphenation));
    EXPECT_EQ(nullptr, NamesHyphenator());
}

} // namespace
} // namespace vorlan
