#include "frontend/gui/button.h"
#include "frontend/gui/label.h"
#include "frontend/gui/panel.h"
#include "gui_fixture.h"
#include "platform/image.h"
#include "platform/pixmap.h"
#include "platform/pixmap_codecs.h"

namespace {

class ButtonTest : public GuiTest {
 protected:
  void SetUp() override {
    GuiTest::SetUp();
    kui_TScreen* screen = kui_TScreen::Create("screen", "");
    panel_ = kui_TPanel::Create("pan", 0, 0, 800, 600, nullptr);
    screen->AddPanel(panel_);
    kui_ShowScreen(screen, 0);
  }
  // A w x h PNG picture in the test folder.
  std::string Picture(int w, int h) {
    const std::string path = folder_ / ("pic" + std::to_string(w) + "x" + std::to_string(h) + ".png");
    SavePixmapPNG(TPixmap(w, h, kPixelRGBA8888), path);
    return path;
  }
  kui_TPanel* panel_ = nullptr;
};

TEST_F(ButtonTest, PressActsOnceAndReleaseSelects) {
  kui_TButton* button = kui_TButton::Create("btn_ok", "OK", 10, 10, 100, 30, panel_);
  EXPECT_EQ(button->gLabel->gName, "btn_ok:Label");
  EXPECT_EQ(button->gLabel->gXAlign, 1);
  Press(50, 20);
  Frame();
  Frame();
  EXPECT_EQ(Names(Drain()), (std::vector<std::string>{"11:btn_ok"}));
  EXPECT_EQ(kui_GUI::CursorIndex(), 2);
  Release(50, 20);
  EXPECT_EQ(Names(Drain()), (std::vector<std::string>{"12:btn_ok"}));
}

TEST_F(ButtonTest, ACircularButtonIsHitWithinItsRadius) {
  kui_TButton* round = kui_TButton::CreateCircle("btn_round", "", 200, 200, 20, panel_);
  ASSERT_NE(round, nullptr);
  EXPECT_EQ(round->gW, 40);
  Click(214, 214);  // 19.8 from the centre
  EXPECT_EQ(Names(Drain()), (std::vector<std::string>{"11:btn_round", "12:btn_round"}));
  Click(215, 215);  // 21.2 from the centre
  EXPECT_TRUE(Drain().empty());
}

TEST_F(ButtonTest, ImagesAreCentredOnTheButton) {
  kui_TButton* sized = kui_TButton::CreateImg("btn_sized", Picture(20, 11), 10, 10, 101, 30, panel_);
  ASSERT_NE(sized->gButtonImage, nullptr);
  EXPECT_EQ(sized->gImgX, int(10 + 50.5f - 10));
  EXPECT_EQ(sized->gImgY, 10 + 15 - 5);
  sized->MoveGadget(5, 0);
  EXPECT_EQ(sized->gImgX, int(15 + 50.5f - 10));
  kui_TButton* natural = kui_TButton::CreateImg("btn_natural", Picture(20, 11), 10, 10, 0, 0, panel_);
  EXPECT_EQ(natural->gW, 20);
  EXPECT_EQ(natural->gH, 11);
  // A round button stands on its centre.
  kui_TButton* round = kui_TButton::CreateCircle("btn_round", Picture(20, 11), 100, 100, 12, panel_);
  EXPECT_EQ(round->gImgX, 90);
  EXPECT_EQ(round->gImgY, 95);
  Frame();
}

TEST_F(ButtonTest, AnEmptyNameCreatesNothing) {
  EXPECT_EQ(kui_TButton::Create("", "x", 0, 0, 1, 1, panel_), nullptr);
  EXPECT_EQ(kui_TButton::CreateImg("", "x.png", 0, 0, 1, 1, panel_), nullptr);
  EXPECT_TRUE(panel_->gChildren.empty());
}

TEST_F(ButtonTest, AMissingImageLeavesAButtonWithoutOne) {
  kui_TButton* button = kui_TButton::CreateImg("btn_img", folder_ / "missing.png", 10, 10, 0, 0, panel_);
  ASSERT_NE(button, nullptr);
  EXPECT_EQ(button->gButtonImage, nullptr);
  EXPECT_EQ(button->gBackground, 0);
  Frame();
}

}  // namespace
