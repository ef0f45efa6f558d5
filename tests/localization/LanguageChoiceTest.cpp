// Which shipped translation the program speaks for the user's languages.
#include "localization/LanguageChoice.h"

#include <gtest/gtest.h>

namespace vorlan {
namespace {

TEST(LanguageChoice, FirstPreferredLanguageWithATranslationWins) {
    struct Case {
        std::vector<std::string> preferred;
        std::vector<std::string> available;
        std::string chosen;
    };
    const std::vector<std::string> de{"de"};
    const Case cases[] = {
        {{"de-DE"}, de, "de"},
        {{"de_AT.UTF-8"}, de, "de"},
        {{"de_CH@euro"}, {"de", "de_CH"}, "de_CH"},
        {{"DE-de"}, de, "de"},
        {{"fr-FR", "de-DE"}, de, "de"}, // French is not shipped: the next one
        {{"en-US", "de-DE"}, de, ""},   // English comes first: no translation
        {{"C", "de"}, de, "de"},
        {{"C"}, de, ""},
        {{}, de, ""},
        {{"de-DE"}, {}, ""},
    };
    for (const Case& c : cases) {
        std::string all;
        for (const auto& p : c.preferred) {
            all += p + " ";
        }
        EXPECT_EQ(c.chosen, ChooseLanguage(c.preferred, c.available)) << all;
    }
    EXPECT_EQ("pt_BR", NormalizeLanguage("pt-BR"));
    EXPECT_EQ("", NormalizeLanguage("POSIX"));
}

TEST(LanguageChoice, TheProgramsOwnChoiceWinsWhenItIsShipped) {
    struct Case {
        const char* chosen;
        std::vector<std::string> system;
        std::string result;
    };
    const std::vector<std::string> shipped{"de", "es", "fr", "it"};
    const Case cases[] = {
        {"", {"de-DE"}, "de"},        // no choice: the system's language
        {"fr", {"de-DE"}, "fr"},      // the choice wins
        {"en", {"de-DE"}, ""},        // English chosen on a German system
        {"en_GB", {"de-DE"}, ""},     //
        {"it_CH", {"de-DE"}, "it"},   // a region falls back to its language
        {"pl", {"es-ES"}, "es"},      // no longer shipped: the system's language
        {"../../x", {"fr-FR"}, "fr"}, // a damaged setting is no language
        {"fr", {}, "fr"},             //
        {"", {}, ""},                 //
    };
    for (const Case& c : cases) {
        EXPECT_EQ(c.result, ChooseLanguage(std::string_view(c.chosen), c.system, shipped))
            << c.chosen;
    }
}

TEST(LanguageChoice, TheLanguageOfAShippedFileComesFromItsName) {
    const std::pair<const char*, const char*> cases[] = {
        {"vorlan_de.qm", "de"},   {"vorlan_pt_BR.qm", "pt_BR"},
        {"vorlan_fil.qm", "fil"}, {"vorlan_.qm", ""},
        {"vorlan.qm", ""},        {"vorlan_de.ts", ""},
        {"local.qm", ""},         {"vorlan_DE.qm", ""},
        {"vorlan_de_.qm", ""},    {"vorlan_d.qm", ""},
        {"vorlan_de-x.qm", ""},   {"vorlan_de.qm.qm", ""},
        {"vorlan_de_at.qm", ""},  {"vorlan_es_419.qm", "es_419"},
    };
    for (const auto& [file, language] : cases) {
        EXPECT_EQ(language, LanguageOfFile(file, "vorlan_", ".qm")) << file;
    }
}

} // namespace
} // namespace vorlan
