#include <gtest/gtest.h>

#include "built_in_files.h"
#include "frontend/languages.h"

class LanguagesTest : public testing::Test {
 protected:
  static void SetUpTestSuite() {
    RegisterBuiltInFiles();
    TLanguages::Load();
  }
};

TEST_F(LanguagesTest, BuiltInTableHoldsEveryTwoLetterCode) {
  const auto& all = TLanguages::All();
  EXPECT_EQ(all.size(), 190u);
  for (const auto& [code, language] : all) {
    EXPECT_EQ(code.size(), 2u) << code;
    EXPECT_FALSE(language.language.empty()) << code;
  }
}

TEST_F(LanguagesTest, NativeNamesForOurLanguagesAndEnglishOtherwise) {
  EXPECT_EQ(TLanguages::GetLanguage("de", 1), "Deutsch");
  EXPECT_EQ(TLanguages::GetLanguage("de", 0), "German");
  EXPECT_EQ(TLanguages::GetLanguage("fr", 1), "Français");
  EXPECT_EQ(TLanguages::GetLanguage("en", 1), "English");
  // No native name: the English one.
  EXPECT_EQ(TLanguages::GetLanguage("aa", 1), "Afar");
  EXPECT_EQ(TLanguages::GetLanguage("zz", 1), "zz");
}
