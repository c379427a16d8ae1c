// A date box: shows a date and opens a panel with year and month combo boxes over a table
// of the month's days. Choosing a day posts GadgetSelect with data yyyymmdd.
#pragma once

#include "frontend/gui/gadget.h"

class kui_TComboBox;
class kui_TTable;
class kui_TDatePanel;

class kui_TDate : public kui_TGadget {
 public:
  int gYear = 2000, gMonth = 1, gDay = 1;
  int gStartYear = 2000, gEndYear = 2000;
  kui_TDatePanel* gPanel = nullptr;

  // The date is kept within the years offered and the month's days.
  void SetDate(int year, int month, int day);
  int GetDate() const { return gYear * 10000 + gMonth * 100 + gDay; }
  std::string GetText() const;
  void Open();
  void Close();
  static kui_TDate* Create(const std::string& name, float x, float y, float w, float h, int startYear, int endYear,
                           kui_TGadget* parent);

  void Render(float parentX, float parentY) override;
  void UpdateMouseOver() override;
  void UpdateMouseDown() override;
  void UpdateMouseRelease() override;
};

class kui_TDatePanel : public kui_TGadget {
 public:
  kui_TDate* gDate = nullptr;
  kui_TComboBox* gYears = nullptr;
  kui_TComboBox* gMonths = nullptr;
  kui_TTable* gDays = nullptr;

  static kui_TDatePanel* Create(kui_TDate* date);
  // Fills the day table with the shown month, a week a row from Monday.
  void FillDays();
  void Activate(float x, float y);
  void Deactivate();

  void Render(float parentX, float parentY) override;
  void Update(float parentX, float parentY) override;

 private:
  void ProcessEvents();
};

// Days in the month of the Gregorian calendar.
int kui_DaysInMonth(int year, int month);
