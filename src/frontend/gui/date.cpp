#include "frontend/gui/date.h"

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <memory>

#include "frontend/gui/combo_box.h"
#include "frontend/gui/drop_down.h"
#include "frontend/gui/gadget_types.h"
#include "frontend/gui/gui.h"
#include "frontend/gui/skin_file.h"
#include "frontend/gui/skin_images.h"
#include "frontend/gui/table.h"
#include "platform/draw_state.h"

namespace {

constexpr int kDayWidth = 24;
constexpr int kRowHeight = 20;
constexpr float kPanelW = 7 * kDayWidth + 6 * 3 + 10;
constexpr float kPanelH = 30 + 6 * (kRowHeight + 2) + 5;

// Monday 0 .. Sunday 6 for the first of the month.
int FirstWeekday(int year, int month) {
  const std::chrono::year_month_day first{std::chrono::year(year), std::chrono::month(unsigned(month)),
                                          std::chrono::day(1)};
  return int(std::chrono::weekday(std::chrono::sys_days(first)).iso_encoding()) - 1;
}

}  // namespace

int kui_DaysInMonth(int year, int month) {
  static constexpr int kDays[12] = {31, 28, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};
  if (month < 1 || month > 12) return 0;
  const bool leap = (year % 4 == 0 && year % 100 != 0) || year % 400 == 0;
  return month == 2 && leap ? 29 : kDays[month - 1];
}

kui_TDate* kui_TDate::Create(const std::string& name, float x, float y, float w, float h, int startYear, int endYear,
                             kui_TGadget* parent) {
  if (name.empty()) return nullptr;
  kui_TDate* date = kui_GUI::Adopt(std::make_unique<kui_TDate>());
  date->PopulateGadget(name, x, y, w, h, parent);
  date->gStartYear = startYear;
  date->gEndYear = std::max(startYear, endYear);
  date->gPanel = kui_TDatePanel::Create(date);
  date->SetDate(startYear, 1, 1);
  return date;
}

void kui_TDate::SetDate(int year, int month, int day) {
  gYear = std::clamp(year, gStartYear, gEndYear);
  gMonth = std::clamp(month, 1, 12);
  gDay = std::clamp(day, 1, kui_DaysInMonth(gYear, gMonth));
  if (!gPanel) return;
  gPanel->gYears->SelectData(gYear);
  gPanel->gMonths->SelectData(gMonth);
  gPanel->FillDays();
}

std::string kui_TDate::GetText() const {
  char text[16];
  std::snprintf(text, sizeof text, "%04d-%02d-%02d", gYear, gMonth, gDay);
  return text;
}

void kui_TDate::Open() {
  gPanel->Activate(float(int(gScreenX)), kui_DropDownY(gScreenY, gH, gPanel->gH));
  kui_PostEvent(KUI_EVENT_GADGETOPEN, this, 1, 0, 0, static_cast<kui_TGadget*>(gPanel));
}

void kui_TDate::Close() {
  gPanel->gHidden = 1;
  gPanel->Deactivate();
}

void kui_TDate::Render(float parentX, float parentY) {
  if (gHidden) return;
  kui_DrawDropDownBox(*this, GetText(), float(int(parentX + gX)), float(int(parentY + gY)));
  kui_TGadget::Render(parentX, parentY);
}

void kui_TDate::UpdateMouseOver() {
  kui_GUI::SetCursor(1);
  kui_TGadget::UpdateMouseOver();
}

void kui_TDate::UpdateMouseDown() {
  kui_GUI::SetCursor(2);
  kui_TGadget::UpdateMouseDown();
}

void kui_TDate::UpdateMouseRelease() {
  Open();
  kui_TGadget::UpdateMouseRelease();
}

kui_TDatePanel* kui_TDatePanel::Create(kui_TDate* date) {
  kui_TDatePanel* panel = kui_GUI::Adopt(std::make_unique<kui_TDatePanel>());
  panel->PopulateGadget(date->gName + ":Panel", 0, 0, kPanelW, kPanelH, nullptr);
  panel->gHidden = 1;
  panel->gDate = date;
  panel->SetChildEvents(1);
  // Registered before its combo boxes, so their menus float above it.
  kui_GUI::AddExtra(panel);
  panel->gYears = kui_TComboBox::Create(date->gName + ":Year", "", 5, 5, 90, 20, 0, 0, 0, panel);
  for (int year = date->gStartYear; year <= date->gEndYear; ++year) {
    panel->gYears->AddItem(std::to_string(year), year);
  }
  panel->gMonths = kui_TComboBox::Create(date->gName + ":Month", "", 100, 5, 90, 20, 0, 0, 0, panel);
  for (int month = 1; month <= 12; ++month) panel->gMonths->AddItem(std::to_string(month), month);
  panel->gDays = kui_TTable::Create(date->gName + ":Days", 5, 30, float(6 * (kRowHeight + 2)), "", kDayWidth,
                                    nullptr, 0, kRowHeight, 0, panel);
  for (int column = 1; column < 7; ++column) panel->gDays->AddColumn(kDayWidth, "", nullptr, 0, 1);
  panel->gDays->CentreColumn(0, 1);
  return panel;
}

void kui_TDatePanel::FillDays() {
  gDays->ClearItems();
  const int first = FirstWeekday(gDate->gYear, gDate->gMonth);
  const int days = kui_DaysInMonth(gDate->gYear, gDate->gMonth);
  std::vector<std::string> week(7);
  for (int cell = 0; cell < first + days; ++cell) {
    const int day = cell - first + 1;
    week[size_t(cell % 7)] = day >= 1 ? std::to_string(day) : std::string();
    if (cell % 7 == 6 || cell == first + days - 1) {
      gDays->AddItem(week);
      week.assign(7, std::string());
    }
  }
}

void kui_TDatePanel::Activate(float x, float y) {
  gX = x;
  gY = y;
  gHidden = 0;
  kui_GUI::SetActiveGadget(this);
  kui_PostEvent(KUI_EVENT_GADGETOPEN, this, 1);
}

void kui_TDatePanel::Deactivate() {
  kui_GUI::ClearActiveGadget();
  gState = IDLE_STATE;
  kui_PostEvent(KUI_EVENT_GADGETCLOSE, this, 0);
}

void kui_TDatePanel::ProcessEvents() {
  const std::vector<kui_TEvent> events = gChildEvents;
  for (const kui_TEvent& event : events) {
    if (event.gID != KUI_EVENT_GADGETSELECT) continue;
    if (event.gSource == gDays) {
      const std::string* text = std::any_cast<std::string>(&event.gExtra);
      if (!text || text->empty()) continue;
      gDate->SetDate(gDate->gYear, gDate->gMonth, std::stoi(*text));
      gHidden = 1;
      Deactivate();
      kui_PostEvent(KUI_EVENT_GADGETSELECT, gDate, gDate->GetDate());
    }
  }
}

void kui_TDatePanel::Update(float parentX, float parentY) {
  kui_TGadget::Update(parentX, parentY);
  // The year and month menus float above this panel and are updated before it, so their
  // choices are read from the boxes rather than from this frame's child events.
  if (gYears->SelectedItem() >= 0 && gYears->SelectedData() != gDate->gYear) {
    gDate->SetDate(gYears->SelectedData(), gDate->gMonth, gDate->gDay);
  }
  if (gMonths->SelectedItem() >= 0 && gMonths->SelectedData() != gDate->gMonth) {
    gDate->SetDate(gDate->gYear, gMonths->SelectedData(), gDate->gDay);
  }
  ProcessEvents();
  if (kui_PressedOutside(*this)) {
    kui_PostEvent(KUI_EVENT_GADGETCLOSE, this, 0, 0, 0, static_cast<kui_TGadget*>(this));
    gHidden = 1;
  }
}

void kui_TDatePanel::Render(float parentX, float parentY) {
  if (gHidden) return;
  SetColor(gColour[0], gColour[1], gColour[2]);
  ::SetAlpha(gAlpha);
  kui_DrawNineSlice(kui_SkinImage("/graphics/menu.png"), parentX + gX, parentY + gY, gW, gH);
  kui_TGadget::Render(parentX, parentY);
}

kui_TGadget* kui_MakeDate(const kui_TSkinElement& e) {
  return kui_TDate::Create(e.name, float(e.x), float(e.y), float(e.w), float(e.h),
                           kui_ToInt(XmlAttribute(e.reader, "start")), kui_ToInt(XmlAttribute(e.reader, "end")),
                           e.parent);
}
