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

} // namespace
} // namespace vorlan
