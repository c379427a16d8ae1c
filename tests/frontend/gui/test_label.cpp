#include "frontend/gui/label.h"
#include "gui_fixture.h"

namespace {

using LabelTest = GuiTest;

struct TWrapCase {
  const char* text;
  float width;
  int background;
  std::vector<std::string> lines;
};

// Characters are 12 pixels wide: "aaa bbb" is 84 pixels.
TEST_F(LabelTest, TextWrapsGreedilyAtSpacesWithinTheWidth) {
  const TWrapCase cases[] = {
      {"aaa bbb ccc", 0, 0, {"aaa bbb ccc"}},            // width 0 never wraps
      {"aaa bbb ccc", 84, 0, {"aaa bbb", "ccc"}},         // 84 fits exactly
      {"aaa bbb ccc", 83, 0, {"aaa", "bbb", "ccc"}},
      {"aaa bbb ccc", 86, 1, {"aaa", "bbb", "ccc"}},      // a background leaves 4 pixels less
      {"aaa bbb ccc", 88, 1, {"aaa bbb", "ccc"}},
      {"supercalifragilistic ab", 50, 0, {"supercalifragilistic", "ab"}},  // a long word stands alone
      {"ab supercalifragilistic", 50, 0, {"ab", "supercalifragilistic"}},
      {"", 50, 0, {""}},
  };
  for (const TWrapCase& c : cases) {
    kui_TLabel* label = kui_TLabel::Create("", "", 0, 0, c.width, 100, 0, 0, nullptr);
    label->gBackground = c.background;
    label->SetText(c.text);
    EXPECT_EQ(label->gText, c.lines) << c.text << " in " << c.width;
  }
}

TEST_F(LabelTest, LinesArePlacedByTheAlignments) {
  // Two lines of 16 pixels with 3 between: 35 pixels in all.
  kui_TLabel* label = kui_TLabel::Create("lbl", "aaa b", 0, 0, 40, 100, 1, 1, nullptr);
  ASSERT_EQ(label->gText.size(), 2u);
  EXPECT_EQ(label->gTY, (std::vector<int>{50 - 17, 50 - 17 + 19}));
  EXPECT_EQ(label->gTX, (std::vector<int>{20 - 18, 20 - 6}));
  label->SetXAlign(2);
  label->SetYAlign(2);
  EXPECT_EQ(label->gTX, (std::vector<int>{40 - 36, 40 - 12}));
  EXPECT_EQ(label->gTY, (std::vector<int>{100 - 35, 100 - 35 + 19}));
  label->SetBackground(1);  // margin 2, and the wrap limit shrinks to 36: still two lines
  EXPECT_EQ(label->gTX, (std::vector<int>{40 - 38, 40 - 14}));
  EXPECT_EQ(label->gTY, (std::vector<int>{100 - 37, 100 - 37 + 19}));
  label->SetXAlign(0);
  label->SetYAlign(0);
  EXPECT_EQ(label->gTX, (std::vector<int>{2, 2}));
  EXPECT_EQ(label->gTY, (std::vector<int>{2, 21}));
}

TEST_F(LabelTest, ALabelMayHaveNoName) {
  kui_TLabel* label = kui_TLabel::Create("", "Hello", 10, 10, 100, 20, 0, 0, nullptr);
  ASSERT_NE(label, nullptr);
  EXPECT_EQ(label->GetText(), "Hello");
}

}  // namespace
