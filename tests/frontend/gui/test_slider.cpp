#include "frontend/gui/panel.h"
#include "frontend/gui/slider.h"
#include "gui_fixture.h"

namespace {

using SliderTest = PanelGuiTest;

// 0 to 10 over a track of 100 pixels: 10 pixels a step; the track starts at x 107.
TEST_F(SliderTest, TheHeldThumbTakesTheNearestStep) {
  kui_TSlider* slider = kui_TSlider::Create("sld", 100, 50, 114, 1, 0, 10, 1, panel_);
  EXPECT_FLOAT_EQ(slider->gUnit, 10.0f);
  EXPECT_EQ(slider->gStart, 107 - 7);
  Drain();
  Press(101, 55);  // on the thumb at value 0
  EXPECT_EQ(slider->gPart, kui_TSlider::BAR_PART);
  struct TCase {
    int offset;
    int value;
  };
  for (const TCase c : {TCase{14, 1}, TCase{15, 1}, TCase{16, 2}, TCase{100, 10}, TCase{150, 10}, TCase{-20, 0}}) {
    MoveTo(107 + c.offset, 55);
    EXPECT_EQ(slider->GetValue(), c.value) << c.offset;
  }
  Release(107, 55);
  EXPECT_EQ(slider->gPart, kui_TSlider::NO_PART);
}

TEST_F(SliderTest, APressBesideTheThumbStepsOnRelease) {
  kui_TSlider* slider = kui_TSlider::Create("sld", 100, 50, 114, 1, 0, 10, 1, panel_);
  slider->SetValue(5);  // thumb at 150 .. 164
  Drain();
  Press(190, 55);
  EXPECT_EQ(slider->GetValue(), 5);
  Release(190, 55);
  EXPECT_EQ(slider->GetValue(), 6);
  const auto events = Drain();
  ASSERT_EQ(events.size(), 1u);
  EXPECT_EQ(events[0].gData, 6);
  Click(120, 55);
  EXPECT_EQ(slider->GetValue(), 5);
}

TEST_F(SliderTest, AVerticalSliderHasItsEndAtTheTop) {
  kui_TSlider* slider = kui_TSlider::Create("sld", 100, 50, 114, 0, 0, 10, 1, panel_);
  EXPECT_EQ(slider->gStart, 57 + 100 - 7);  // value 0 at the bottom
  slider->SetValue(10);
  EXPECT_EQ(slider->gStart, 57 - 7);
  Click(105, 120);  // below the thumb: down
  EXPECT_EQ(slider->GetValue(), 9);
  slider->SetPosition(16);
  EXPECT_EQ(slider->GetValue(), 8);
}

TEST_F(SliderTest, ValuesStayInTheRange) {
  kui_TSlider* slider = kui_TSlider::Create("sld", 0, 0, 114, 1, 3, 1, -2, panel_);
  EXPECT_EQ(slider->gEndVal, 3);  // the end is at least the start
  EXPECT_EQ(slider->gInc, 2);
  slider->SetRange(0, 10);
  slider->SetValue(42);
  EXPECT_EQ(slider->GetValue(), 10);
  slider->SetValue(-5);
  EXPECT_EQ(slider->GetValue(), 0);
  Drain();
  slider->SetPosition(40);  // posts for its value, then once more
  EXPECT_EQ(Drain().size(), 2u);
}

}  // namespace
