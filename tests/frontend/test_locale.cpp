#include <gtest/gtest.h>

#include "frontend/locale.h"
#include "support/temp_folder.h"

namespace {

// A language file written into a fresh folder and loaded into a cleared table.
class LocaleTest : public testing::Test {
 protected:
  void SetUp() override { TLocale::Clear(); }
  void TearDown() override { TLocale::Clear(); }
  int Load(const std::string& xml) {
    folder_.Write("QX.blf", xml);
    return TLocale::LoadFromBLF(folder_ / "QX.blf");
  }
  TempFolder folder_;
};

constexpr const char* kThreeLanguages = R"(<?xml version="1.0" encoding="UTF-8"?>
<blf default="en">
  <tag name="Continue">
    <trans lang="fr">Continuer</trans>
    <trans lang="en">Continue</trans>
    <trans lang="de">Weiter</trans>
  </tag>
  <tag name="Tag_NationId">
    <trans lang="en" value="44">44</trans>
    <trans lang="de" value="49">49</trans>
    <trans lang="fr">33</trans>
  </tag>
  <tag name="Very Low"><trans lang="">Very Low</trans></tag>
  <note>ignored</note>
</blf>)";

TEST_F(LocaleTest, TextsByLanguageWithTheCurrentOneByDefault) {
  ASSERT_EQ(Load(kThreeLanguages), 1);
  EXPECT_EQ(TLocale::GetCurrentLocale(), "en");
  EXPECT_EQ(TLocale::getText("Continue"), "Continue");
  EXPECT_EQ(TLocale::getText("Continue", "de"), "Weiter");
  TLocale::SetCurrentLocale("fr");
  EXPECT_EQ(TLocale::getText("Continue"), "Continuer");
  EXPECT_EQ(TLocale::getValue("Tag_NationId", "de"), 49);
  EXPECT_EQ(TLocale::getValue("Tag_NationId"), 0);  // no value attribute
}

TEST_F(LocaleTest, KeyOnlyInTheDefaultLanguageShowsEverywhere) {
  ASSERT_EQ(Load(kThreeLanguages), 1);
  TLocale::SetCurrentLocale("de");
  EXPECT_EQ(TLocale::getText("Very Low"), "Very Low");
  EXPECT_EQ(TLocale::getText("Very Low", "it"), "Very Low");
}

TEST_F(LocaleTest, MissingKeyOrTranslationShowsTheMarker) {
  ASSERT_EQ(Load(R"(<root><tag name="Yes"><trans lang="de">Ja</trans></tag></root>)"), 1);
  EXPECT_EQ(TLocale::getText("No such key"), "@No such key");
  EXPECT_EQ(TLocale::getValue("No such key"), 0);
  // No default attribute: "en" stays current and default, and has no entry.
  EXPECT_EQ(TLocale::getText("Yes"), "@Yes");
  EXPECT_EQ(TLocale::getText("Yes", "de"), "Ja");
}

TEST_F(LocaleTest, LocalesComeInAscendingOrder) {
  ASSERT_EQ(Load(kThreeLanguages), 1);
  EXPECT_EQ(TLocale::getLocales(), (std::vector<std::string>{"de", "en", "fr"}));
}

TEST_F(LocaleTest, RepeatedTranslationReplacesAndReloadingAdds) {
  ASSERT_EQ(Load(R"(<r default="en"><tag name="A"><trans lang="en">one</trans><trans lang="en">two</trans></tag></r>)"), 1);
  EXPECT_EQ(TLocale::getText("A"), "two");
  ASSERT_EQ(Load(R"(<r><tag name="B"><trans lang="es">bee</trans></tag></r>)"), 1);
  EXPECT_EQ(TLocale::getText("A"), "two");
  EXPECT_EQ(TLocale::getText("B", "es"), "bee");
  EXPECT_EQ(TLocale::getLocales(), (std::vector<std::string>{"en", "es"}));
}

TEST_F(LocaleTest, TextKeepsEntitiesAndAccents) {
  ASSERT_EQ(Load(R"(<r default="fr"><tag name="Q"><trans lang="fr">Quitter l&apos;éditeur &amp; «sauver»</trans></tag></r>)"), 1);
  EXPECT_EQ(TLocale::GetCurrentLocale(), "fr");
  EXPECT_EQ(TLocale::getText("Q"), "Quitter l'éditeur & «sauver»");
}

TEST_F(LocaleTest, BrokenFileChangesNothing) {
  ASSERT_EQ(Load(kThreeLanguages), 1);
  EXPECT_EQ(Load(R"(<r default="de"><tag name="Continue"><trans lang="en">Broken</trans></tag>)"), 0);
  EXPECT_EQ(TLocale::GetCurrentLocale(), "en");
  EXPECT_EQ(TLocale::getText("Continue"), "Continue");
}

TEST_F(LocaleTest, MissingFileIsReportedByName) {
  const std::string path = folder_ / "Languages/QX.blf";
  EXPECT_EQ(TLocale::LoadFromBLF(path), -1);
  EXPECT_EQ(TLocale::LastError(), "blf file '" + path + "' not found");
  EXPECT_EQ(TLocale::LoadFromBLF(folder_.path()), -1);  // a folder is no file
}

TEST_F(LocaleTest, ExternalEntitiesAreNotFetched) {
  folder_.Write("secret.txt", "SECRET");
  const std::string xml = "<!DOCTYPE r [<!ENTITY x SYSTEM \"file://" + (folder_ / "secret.txt") +
                          "\">]><r default=\"en\"><tag name=\"K\"><trans lang=\"en\">&x;</trans></tag></r>";
  Load(xml);
  EXPECT_EQ(TLocale::getText("K").find("SECRET"), std::string::npos);
}

}  // namespace
