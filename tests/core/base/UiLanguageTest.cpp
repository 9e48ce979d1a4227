#include "core/base/UiLanguage.h"

#include <gtest/gtest.h>
#include <string>
#include <vector>

namespace eboard {
namespace {

struct LanguageCase {
    std::vector<std::string> wanted;
    const char* chosen;
};

class ChooseUiLanguage : public ::testing::TestWithParam<LanguageCase> {};

const std::vector<std::string> kTranslations = {"en", "zh", "ja", "fr", "de"};

TEST_P(ChooseUiLanguage, TakesTheFirstWantedLanguageWithATranslation) {
    const LanguageCase& c = GetParam();
    EXPECT_EQ(chooseUiLanguage(c.wanted, kTranslations), c.chosen);
}

INSTANTIATE_TEST_SUITE_P(
    Lists, ChooseUiLanguage,
    ::testing::Values(
        // The first wanted language without a table gives way to the next one, even
        // when the locale itself is English.
        LanguageCase{{"es", "de", "en-US"}, "de"}, LanguageCase{{"en-US", "en", "de"}, "en"},
        // Regions and scripts fall back to the language.
        LanguageCase{{"de-CH"}, "de"}, LanguageCase{{"zh-Hans-CN", "zh-CN", "zh"}, "zh"},
        LanguageCase{{"fr_CA"}, "fr"}, LanguageCase{{"JA-jp"}, "ja"},
        // Nothing served, nothing wanted, or the C locale: English.
        LanguageCase{{"pt-BR", "pt"}, "en"}, LanguageCase{{}, "en"}, LanguageCase{{"C"}, "en"},
        LanguageCase{{""}, "en"}, LanguageCase{{"-"}, "en"}));

TEST(ChooseUiLanguageTables, AnswersWithTheTableAsNamedAndKnowsOnlyThoseGiven) {
    const std::vector<std::string> regional = {"zh_TW", "pt"};
    EXPECT_EQ(chooseUiLanguage(std::vector<std::string>{"zh-tw"}, regional), "zh_TW");
    // A region the tables lack does not take another region's table.
    EXPECT_EQ(chooseUiLanguage(std::vector<std::string>{"zh-CN"}, regional), "en");
    EXPECT_EQ(chooseUiLanguage(std::vector<std::string>{"pt-BR"}, regional), "pt");
    EXPECT_EQ(chooseUiLanguage(std::vector<std::string>{"de"}, {}), "en");
}

} // namespace
} // namespace eboard
