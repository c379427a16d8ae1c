#include <gtest/gtest.h>

#include <set>

#include "shell/colour.h"
#include "shell/ordinal.h"
#include "shell/random.h"

struct ColourCase {
  const char* text;
  int r, g, b;
};

class ParseColourTable : public testing::TestWithParam<ColourCase> {};

TEST_P(ParseColourTable, ReadsRedGreenBlue) {
  int r = -1, g = -1, b = -1;
  ParseColour(GetParam().text, r, g, b);
  EXPECT_EQ(r, GetParam().r);
  EXPECT_EQ(g, GetParam().g);
  EXPECT_EQ(b, GetParam().b);
}

INSTANTIATE_TEST_SUITE_P(Colour, ParseColourTable,
                         testing::Values(ColourCase{"$FFFF0000", 255, 0, 0}, ColourCase{"$ff0066ff", 0, 102, 255},
                                         ColourCase{"$80123456", 0x12, 0x34, 0x56},
                                         ColourCase{"A0B0C0", 0xA0, 0xB0, 0xC0},
                                         // Shorter than 6: the outputs are left untouched.
                                         ColourCase{"$FFF", -1, -1, -1}, ColourCase{"", -1, -1, -1},
                                         // 7 characters: from index 3 on only "0000" is left.
                                         ColourCase{"$FF0000", 0, 0, 0},
                                         ColourCase{"$FFzz00gg", 0, 0, 0}));

TEST(Colour, ColourToTextIsSixUpperCaseDigits) {
  EXPECT_EQ(ColourToText(255, 0, 102), "FF0066");
  EXPECT_EQ(ColourToText(1, 2, 3), "010203");
  int r = 0, g = 0, b = 0;
  ParseColour("$FF" + ColourToText(18, 52, 86), r, g, b);
  EXPECT_EQ(std::make_tuple(r, g, b), std::make_tuple(18, 52, 86));
}

TEST(Colour, RandomColourDrawsEveryOneOfTheEight) {
  SeedRnd(7);
  std::set<std::string> seen;
  for (int i = 0; i < 400; ++i) seen.insert(RandomColour());
  EXPECT_EQ(seen, (std::set<std::string>{"$FFFF0000", "$FF00FF00", "$FF0066FF", "$FFFFFF00", "$FF00FFFF",
                                         "$FFFF66FF", "$FFFF9900", "$FF6600FF"}));
}

TEST(Ordinal, PlacesReadAsEnglish) {
  const std::vector<std::pair<int, std::string>> cases = {
      {1, "1st"}, {2, "2nd"}, {3, "3rd"}, {4, "4th"}, {11, "11th"}, {12, "12th"}, {13, "13th"}, {21, "21st"}, {0, "0th"}};
  for (const auto& [n, text] : cases) EXPECT_EQ(Ordinal(n), text) << n;
}
