#include "frontend/gui/button.h"
#include "frontend/gui/panel.h"
#include "gui_fixture.h"

namespace {

class FindGadgetTest : public GuiTest {
 protected:
  void SetUp() override {
    GuiTest::SetUp();
    start_ = kui_TPanel::Create("pan_start", 0, 0, 200, 200, nullptr);
    inner_ = kui_TPanel::Create("pan_inner", 10, 10, 100, 100, start_);
    quick_ = kui_TButton::Create("btn_quickrace", "Quick race", 5, 5, 80, 20, start_);
    deep_ = kui_TButton::Create("btn_deep", "Deep", 5, 5, 80, 20, inner_);
  }
  kui_TPanel* start_ = nullptr;
  kui_TPanel* inner_ = nullptr;
  kui_TButton* quick_ = nullptr;
  kui_TButton* deep_ = nullptr;
};

TEST_F(FindGadgetTest, PathsFindTheirGadgetIgnoringCase) {
  EXPECT_EQ(kui_FindGadget("pan_start/btn_quickrace"), quick_);
  EXPECT_EQ(kui_FindGadget("PAN_START/BTN_QUICKRACE"), quick_);
  EXPECT_EQ(kui_FindGadget("Pan_Start"), start_);
  EXPECT_EQ(kui_FindGadget("pan_start/pan_inner/btn_deep"), deep_);
  // Nested panels are in the panel list and can start a path of their own.
  EXPECT_EQ(kui_FindGadget("pan_inner/btn_deep"), deep_);
}

TEST_F(FindGadgetTest, AnyMissingOrEmptySegmentFindsNothing) {
  for (const char* path : {"", "/", "pan_start/", "/btn_quickrace", "pan_start//btn_quickrace", "pan_start/btn_none",
                           "pan_none/btn_quickrace", "btn_quickrace", "pan_start/btn_quickrace/extra"}) {
    EXPECT_EQ(kui_FindGadget(path), nullptr) << path;
  }
}

TEST_F(FindGadgetTest, ARootStartsTheSearchAtItsChildren) {
  EXPECT_EQ(kui_FindGadget("pan_inner/btn_deep", start_), deep_);
  EXPECT_EQ(kui_FindGadget("btn_quickrace", start_), quick_);
}

}  // namespace
