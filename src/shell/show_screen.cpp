#include "shell/show_screen.h"

#include <algorithm>
#include <cstdio>
#include <string>
#include <vector>

#include "frontend/gui/button.h"
#include "frontend/gui/check_box.h"
#include "frontend/gui/combo_box.h"
#include "frontend/gui/event.h"
#include "frontend/gui/gui.h"
#include "frontend/gui/label.h"
#include "frontend/gui/slider.h"
#include "frontend/gui/table.h"
#include "frontend/gui/text_field.h"
#include "frontend/languages.h"
#include "frontend/locale.h"
#include "platform/debug_output.h"
#include "platform/draw.h"
#include "platform/draw_state.h"
#include "platform/graphics.h"
#include "platform/image.h"
#include "platform/input.h"
#include "platform/render_driver.h"
#include "shell/command_line.h"
#include "shell/draw_helpers.h"
#include "shell/game_language.h"
#include "shell/game_state.h"
#include "shell/game_time.h"
#include "shell/settings.h"

namespace {

constexpr int kEscape = 27;

// Pictures the example rows show; they live as long as the window.
struct TExampleImages {
  std::vector<ImagePtr> ships;
  ImagePtr padLock, gold, silver, bronze, achievement, locked;
};

// Engine.ini keeps colours as "$AARRGGBB"; the toolkit takes "RRGGBB".
std::string SkinHex(const std::string& key, const std::string& fallback) {
  const std::string text = LoadTextVariable(EnginePath(), key);
  return text.size() >= 6 ? text.substr(text.size() - 6) : fallback;
}

// The skin with the fonts the language needs: the game's own "Default" and "Large" come
// before the panels are read, so every gadget is made with them.
void LoadInterface(const std::string& language, bool settingsWindow) {
  LoadLanguage(language);
  SetMaskColor(255, 0, 255);
  kui_GUI::LoadSkin(ResolveDataPath("Skin"));
  const bool english = language == "en";
  kui_GUI::AddFont("Default", english ? "goodtime.ttf" : "trebucbd.ttf", 14);
  kui_GUI::AddFont("Large", english ? "goodtime.ttf" : "trebucbd.ttf", english ? 24 : 26);
  kui_GUI::LoadSkinFiles();
  kui_SetSkinColours(SkinHex("colpanel", "16243C"), SkinHex("colbutton", "2A5A96"), SkinHex("coltext", "FFFFFF"),
                     LoadVariable(EnginePath(), "panalpha", 0, 1), SkinHex("col4", "5FD0FF"));
  if (!settingsWindow) kui_SetResolution(GraphicsWidth(), GraphicsHeight());
  kui_GUI::SetRes(GraphicsWidth(), GraphicsHeight(), 0);
}

template <class T>
T* Find(const std::string& path) {
  return dynamic_cast<T*>(kui_FindGadget(path));
}

void FillSettings() {
  if (auto* box = Find<kui_TComboBox>("pan_settings/cmb_language")) {
    const std::vector<std::string> codes = TLocale::getLocales();
    for (const std::string& code : codes) box->AddItem(TLanguages::GetLanguage(code, 1));
    for (size_t i = 0; i < codes.size(); ++i) {
      if (codes[i] == TLocale::GetCurrentLocale()) box->SelectItem(int(i));
    }
  }
  if (auto* box = Find<kui_TComboBox>("pan_settings/cmb_screen")) {
    box->AddItem(TLocale::getText("settings_Window"));
    box->AddItem(TLocale::getText("settings_FullScreen"));
    box->SelectItem(0);
  }
  if (auto* box = Find<kui_TComboBox>("pan_settings/cmb_detail")) {
    box->AddItem(TLocale::getText("settings_Low"));
    box->AddItem(TLocale::getText("settings_High"));
    box->SelectItem(1);
  }
  if (auto* box = Find<kui_TComboBox>("pan_settings/cmb_res")) {
    for (const char* mode : {"800 x 600, 32-bit, 60 Hz", "1024 x 768, 32-bit, 60 Hz", "1280 x 720, 32-bit, 60 Hz",
                             "1920 x 1080, 32-bit, 60 Hz"}) {
      box->AddItem(mode);
    }
    box->SelectItem(0);
  }
}

void FillChoices(const TExampleImages& images) {
  if (auto* table = Find<kui_TTable>("pan_choosetrack/tbl_tracks")) {
    table->CentreColumn(0, 1);
    for (const char* name : {"Test_Track", "Lazcon", "Ruze", "Vozeru", "Babstar", "Traztan", "Dreksu", "Mexxin",
                             "Zekkeron", "Kefla", "Plazmina", "Sattiros", "Qatt"}) {
      table->AddItem({name});
    }
    table->SelectItem(0);
  }
  if (auto* table = Find<kui_TTable>("pan_choosetournament/tbl_tournaments")) {
    for (int column = 0; column < 3; ++column) table->CentreColumn(column, 1);
    table->SetImageWidth(2, 90);
    table->AddItem({"Micro", "3"}, 0, {}, {nullptr, nullptr, images.gold.get()});
    table->AddItem({"Infra", "4"}, 0, {}, {nullptr, nullptr, images.silver.get()});
    table->AddItem({"Gamma", "4"}, 0, {}, {nullptr, nullptr, images.padLock.get()});
    table->AddItem({"Super", "5"}, 0, {}, {nullptr, nullptr, images.padLock.get()});
    table->SelectItem(0);
  }
  if (auto* table = Find<kui_TTable>("pan_chooseship/tbl_ships")) {
    const char* const names[] = {"Arrow", "Blaze", "Comet", "Neon", "Ty", "Roza", "Fedz", "Vio", "Krait",
                                 "Octo", "Hutt", "Geo"};
    for (int i = 0; i < 12; ++i) {
      TImage* picture = i < 3 && size_t(i) < images.ships.size() ? images.ships[size_t(i)].get() : images.padLock.get();
      table->AddItem({names[i], std::to_string(3 + i % 3), std::to_string(5 - i % 2), std::to_string(2 + i % 4),
                      std::to_string(4)},
                     0, {}, {picture});
    }
    table->SelectItem(0);
  }
}

void FillResults(const TExampleImages& images) {
  const char* const drivers[] = {"Player", "Neon", "Krait", "Roza", "Octo", "Vio"};
  const char* const times[] = {"01:32:440", "01:33:015", "01:35:902", "01:36:120", "Racing", "Eliminated"};
  const char* const points[] = {"10", "8", "6", "5", "0", "0"};
  if (auto* table = Find<kui_TTable>("pan_raceinfo/tbl_info")) {
    for (int i = 0; i < 6; ++i) {
      TImage* ship = size_t(i) < images.ships.size() ? images.ships[size_t(i)].get() : nullptr;
      const std::string time = i < 4 ? times[i] : TLocale::getText(times[i]);
      table->AddItem({std::to_string(i + 1), drivers[i], time, points[i]}, 0, {}, {nullptr, ship});
    }
    table->SelectItem(0);
  }
  if (auto* table = Find<kui_TTable>("pan_tournamentinfo/tbl_info")) {
    for (int i = 0; i < 6; ++i) {
      TImage* ship = size_t(i) < images.ships.size() ? images.ships[size_t(i)].get() : nullptr;
      table->AddItem({std::to_string(i + 1), drivers[i], std::to_string(30 - i * 4)}, 0, {}, {nullptr, ship});
    }
    table->SelectItem(0);
  }
  if (auto* label = Find<kui_TLabel>("pan_tournamentinfo/lbl_title")) {
    label->SetText("Micro " + TLocale::getText("Tournament"));
  }
  if (auto* table = Find<kui_TTable>("pan_leaderboard/tbl_leaderboard")) {
    const char* const names[] = {"ann", "bob", "Zed", "mira", "Kai", "lu", "Orin", "pax", "Quill", "rho", "Sol", "tam"};
    for (int i = 0; i < 12; ++i) {
      table->AddItem({std::to_string(i + 1), names[i], "01:" + std::to_string(31 + i) + ":" + std::to_string(100 + i * 37)});
    }
    table->SelectItem(1);
  }
  if (auto* label = Find<kui_TLabel>("pan_leaderboard/lbl_time")) label->SetText("Lazcon");
}

void FillAchievements(const TExampleImages& images) {
  auto* table = Find<kui_TTable>("pan_achievements/tbl_achievements");
  if (!table) return;
  table->SetHeader(0);
  const char* const rows[][2] = {{"Speed King", "Finish a race with the fastest lap"},
                                 {"Ace Pilot", "Win a race on hard"},
                                 {"Survivor", "Win a survival race"},
                                 {"Eliminator", "Win an eliminator race"},
                                 {"Space Farer", "Race on every track"},
                                 {"Specialist", "Win every race of a tournament"}};
  for (int i = 0; i < 6; ++i) {
    table->AddItem({"", rows[i][0], rows[i][1]}, 0, {}, {i < 2 ? images.achievement.get() : images.locked.get()});
  }
}

void FillOptions() {
  if (auto* box = Find<kui_TCheckBox>("pan_options/chk_fullscreen")) box->Hide();
  if (auto* box = Find<kui_TCheckBox>("pan_options/chk_map")) box->SetState(1);
  const struct {
    const char* slider;
    const char* label;
    int value;
    std::string text;
  } sliders[] = {{"sld_laps", "lbl_lap", 2, "5"},
                 {"sld_view", "lbl_view", 3, TLocale::getText("Medium")},
                 {"sld_volumefx", "lbl_volumefx", 10, "100%"},
                 {"sld_volumemusic", "lbl_volumemusic", 8, "80%"}};
  for (const auto& s : sliders) {
    if (auto* slider = Find<kui_TSlider>(std::string("pan_options/") + s.slider)) slider->SetValue(s.value);
    if (auto* label = Find<kui_TLabel>(std::string("pan_options/") + s.label)) label->SetText(s.text);
  }
  const struct {
    const char* button;
    const char* key;
  } buttons[] = {{"btn_left", "key_CursorLeft"}, {"btn_right", "key_CursorRight"}, {"btn_up", "key_CursorUp"},
                 {"btn_down", "key_CursorDown"}, {"btn_pause", "key_Escape"},      {"btn_shoot", "key_X"}};
  for (const auto& b : buttons) {
    if (auto* button = Find<kui_TButton>(std::string("pan_options/") + b.button)) button->SetText(TLocale::getText(b.key));
  }
}

void FillEditor() {
  if (auto* table = Find<kui_TTable>("pan_editorloadtrack/tbl_load")) {
    for (const char* name : {"Test_Track", "My_Track", "Loop", "Spiral"}) table->AddItem({name});
    table->SelectItem(0);
  }
  if (auto* field = Find<kui_TTextField>("pan_editorsavetrack/txt_name")) field->SetText("Test_Track");
}

// The message box as the game opens it: a question about deleting a track.
void OpenMessageBox() {
  const int w = GraphicsWidth(), h = GraphicsHeight();
  if (kui_TGadget* back = kui_GUI::GetPanel("pan_messageboxback")) {
    back->SetAlpha(0.5f);
    back->SetDimensions(float(w + 20), float(h + 20));
    back->PositionGadget(-10, -10);
  }
  if (kui_TGadget* fore = kui_GUI::GetPanel("pan_messageboxfore")) {
    fore->PositionGadget(float(w / 2) - fore->gW / 2, float(h / 2) - fore->gH / 2);
  }
  std::string text = TLocale::getText("CMESSAGE_DELETE");
  const size_t at = text.find("$item");
  if (at != std::string::npos) text.replace(at, 5, "Test_Track");
  if (auto* label = Find<kui_TLabel>("pan_messageboxfore/lbl_Description")) label->SetText(text);
  if (auto* yes = Find<kui_TButton>("pan_messageboxfore/btn_yes")) yes->SetText(TLocale::getText("Yes"));
  if (auto* no = Find<kui_TButton>("pan_messageboxfore/btn_no")) no->SetText(TLocale::getText("No"));
  kui_GUI::OpenPopUp("pan_messageboxback");
  kui_GUI::OpenPopUp("pan_messageboxfore");
}

TExampleImages LoadExampleImages() {
  TExampleImages images;
  for (int id = 1; id <= 6; ++id) {
    ImagePtr ship = LoadImage(ResolveDataPath("Media/Cars/Car_" + std::to_string(id) + ".png"));
    if (ship) SetImageHandle(ship.get(), 0, 1);
    images.ships.push_back(std::move(ship));
  }
  images.padLock = LoadImage(ResolveDataPath("Media/Interface/PadLock.png"));
  images.gold = LoadImage(ResolveDataPath("Media/Interface/Gold.png"));
  images.silver = LoadImage(ResolveDataPath("Media/Interface/Silver.png"));
  images.bronze = LoadImage(ResolveDataPath("Media/Interface/Bronze.png"));
  images.achievement = LoadImage(ResolveDataPath("Media/Achievements/Speed_King.png"));
  images.locked = LoadImage(ResolveDataPath("Media/Achievements/Locked.png"));
  return images;
}

// "messagebox" shows the message box over the start screen; any other name is a screen.
bool ShowNamedScreen(const std::string& name) {
  const bool messageBox = name == "messagebox";
  kui_TScreen* screen = kui_GUI::GetScreen(messageBox ? "screen_start" : name);
  if (!screen) return false;
  kui_ShowScreen(screen);
  if (messageBox) OpenMessageBox();
  return true;
}

// The corner button the game puts on "pan_exitgame"; here it ends the window.
kui_TGadget* AddExitButton() {
  kui_TGadget* panel = kui_GUI::GetPanel("pan_exitgame");
  if (!panel) return nullptr;
  return kui_TButton::CreateImg("btn_exitgame", ResolveDataPath("Skin/Graphics/Buttons/QuitSmall.png"), 7, 7, 16, 16,
                                panel);
}

// Drains the toolkit's events, writing each to the debug output; true when the exit
// button or the message box's answer asks to end.
bool HandleEvents(const kui_TGadget* exitButton) {
  bool quit = false;
  while (kui_PollEvent() != 0) {
    kui_TGadget* source = kui_EventSource();
    DebugLog("Event " + std::to_string(kui_EventID()) + " data " + std::to_string(kui_EventData()) + " from " +
             (source ? source->gName : std::string("outside")));
    if (kui_EventID() == KUI_EVENT_GADGETSELECT && source && source == exitButton) quit = true;
  }
  return quit;
}

void DrawBackdrop() {
  SetDrawState(255, 255, 255, 1.0f, kBlendAlpha);
  const int w = GraphicsWidth(), h = GraphicsHeight();
  // A few fixed stars, so the translucent panels have something behind them.
  for (int i = 0; i < 160; ++i) {
    const int level = 90 + (i * 53) % 150;
    SetColor(level, level, std::min(255, level + 40));
    Plot(float((i * 7919) % w), float((i * 104729) % h));
  }
}

}  // namespace

int RunShowScreen(const CommandLineOptions& options) {
  if (HeadlessGraphics()) {
    std::fprintf(stderr, "quorvex: --show-screen needs a window; leave out --headless\n");
    return 2;
  }
  const bool settingsWindow = options.showScreen == "screen_settings";
  SetGraphicsTitle(AppTitle + " - " + options.showScreen);
  if (!Graphics(settingsWindow ? 600 : ScreenW, settingsWindow ? 400 : ScreenH, 0, 60)) return 1;
  SetClsColor(6, 8, 22);
  LoadInterface(ChooseLanguage(options.lang), settingsWindow);
  const TExampleImages images = LoadExampleImages();
  ImagePtr logo = settingsWindow ? LoadImage(ResolveDataPath("Skin/Graphics/Buttons/LogoQX.png")) : nullptr;
  ImagePtr flag = settingsWindow ? LoadImage(ResolveDataPath("Media/Nations/NationIm_" + TLocale::getText("Tag_NationId") + ".png"))
                                 : nullptr;
  FillSettings();
  FillChoices(images);
  FillResults(images);
  FillAchievements(images);
  FillOptions();
  FillEditor();
  if (auto* version = Find<kui_TLabel>("pan_title/lbl_version")) version->SetText(VersionText);
  const kui_TGadget* exitButton = AddExitButton();
  if (!ShowNamedScreen(options.showScreen)) {
    std::fprintf(stderr, "quorvex: the skin has no screen '%s'\n", options.showScreen.c_str());
    EndGraphics();
    return 2;
  }
  kui_TGadget* languages = kui_FindGadget("pan_settings/cmb_language");
  bool quit = false;
  while (!quit && !AppTerminate()) {
    RefreshGameTime();
    Cls();
    DrawBackdrop();
    SetDrawState(255, 255, 255, 1.0f, kBlendAlpha);
    if (logo) DrawImage(logo.get(), float(300 - ImageWidth(logo.get()) / 2), 0);
    kui_GUI::Refresh();
    if (flag && languages) {
      SetDrawState(255, 255, 255, 1.0f, kBlendAlpha);
      DrawImageRect(flag.get(), languages->AbsoluteX() + languages->gParent->gX + languages->gW + 10,
                    languages->AbsoluteY() + languages->gParent->gY, 30, 20);
    }
    quit = HandleEvents(exitButton) || KeyHit(kEscape);
    Flip(1);
  }
  EndGraphics();
  return 0;
}
