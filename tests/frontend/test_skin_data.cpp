// The skin and the language file the game ships, as the build lays them out beside the program:
// every screen and gadget the game looks up is there with the right kind, each panel fits the
// 800 x 600 layout, and every text the skin and the game show reads in English, German and French.
#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <iterator>
#include <regex>
#include <set>
#include <string>
#include <vector>

#include "frontend/gui/button.h"
#include "frontend/gui/check_box.h"
#include "frontend/gui/combo_box.h"
#include "frontend/gui/gui.h"
#include "frontend/gui/label.h"
#include "frontend/gui/panel.h"
#include "frontend/gui/skin_images.h"
#include "frontend/gui/slider.h"
#include "frontend/gui/table.h"
#include "frontend/gui/text_field.h"
#include "frontend/locale.h"
#include "platform/clock.h"
#include "platform/graphics.h"
#include "shell/controls.h"

namespace {

const std::string kGameDir = QX_GAME_DIR;
const std::vector<std::string> kLanguages = {"en", "de", "fr"};

enum class Kind { Panel, Button, Label, Table, TextField, CheckBox, Slider, ComboBox };

bool IsKind(kui_TGadget* g, Kind kind) {
  switch (kind) {
    case Kind::Panel: return dynamic_cast<kui_TPanel*>(g) != nullptr;
    case Kind::Button: return dynamic_cast<kui_TButton*>(g) != nullptr;
    case Kind::Label: return dynamic_cast<kui_TLabel*>(g) != nullptr;
    case Kind::Table: return dynamic_cast<kui_TTable*>(g) != nullptr;
    case Kind::TextField: return dynamic_cast<kui_TTextField*>(g) != nullptr;
    case Kind::CheckBox: return dynamic_cast<kui_TCheckBox*>(g) != nullptr;
    case Kind::Slider: return dynamic_cast<kui_TSlider*>(g) != nullptr;
    case Kind::ComboBox: return dynamic_cast<kui_TComboBox*>(g) != nullptr;
  }
  return false;
}

struct GadgetPath {
  const char* path;
  Kind kind;
};

// Every gadget the game looks up by path.
const GadgetPath kGamePaths[] = {
    {"pan_settings/btn_ok", Kind::Button}, {"pan_settings/cmb_language", Kind::ComboBox},
    {"pan_settings/cmb_screen", Kind::ComboBox}, {"pan_settings/lbl_detail", Kind::Label},
    {"pan_settings/cmb_detail", Kind::ComboBox}, {"pan_settings/cmb_res", Kind::ComboBox},
    {"pan_settings/lbl_joypad", Kind::Label}, {"pan_exitgame", Kind::Panel},
    {"pan_title/lbl_title", Kind::Label}, {"pan_title/lbl_version", Kind::Label},
    {"pan_start/btn_quickrace", Kind::Button}, {"pan_start/btn_tournament", Kind::Button},
    {"pan_start/btn_options", Kind::Button}, {"pan_start/btn_achievements", Kind::Button},
    {"pan_start/btn_leaderboards", Kind::Button}, {"pan_start/btn_editor", Kind::Button},
    {"pan_chooseracetype/btn_normalrace", Kind::Button}, {"pan_chooseracetype/btn_eliminator", Kind::Button},
    {"pan_chooseracetype/btn_survival", Kind::Button}, {"pan_choosedifficulty/btn_easy", Kind::Button},
    {"pan_choosedifficulty/btn_normal", Kind::Button}, {"pan_choosedifficulty/btn_hard", Kind::Button},
    {"pan_choosetrack/tbl_tracks", Kind::Table}, {"pan_choosetrack/btn_ok", Kind::Button},
    {"pan_choosetournament/tbl_tournaments", Kind::Table}, {"pan_choosetournament/btn_ok", Kind::Button},
    {"pan_chooseship/tbl_ships", Kind::Table}, {"pan_chooseship/btn_ok", Kind::Button},
    {"pan_racepaused", Kind::Panel}, {"pan_racepaused/btn_quit", Kind::Button},
    {"pan_racepaused/btn_options", Kind::Button}, {"pan_racepaused/btn_replay", Kind::Button},
    {"pan_racepaused/btn_continue", Kind::Button}, {"pan_raceinfo", Kind::Panel},
    {"pan_raceinfo/lbl_title", Kind::Label}, {"pan_raceinfo/tbl_info", Kind::Table},
    {"pan_raceinfo/btn_leaderboards", Kind::Button}, {"pan_raceinfo/btn_continue", Kind::Button},
    {"pan_tournamentinfo", Kind::Panel}, {"pan_tournamentinfo/lbl_title", Kind::Label},
    {"pan_tournamentinfo/tbl_info", Kind::Table}, {"pan_tournamentinfo/btn_continue", Kind::Button},
    {"pan_editorcontrols/btn_base", Kind::Button}, {"pan_editorcontrols/btn_track", Kind::Button},
    {"pan_editorcontrols/btn_objects", Kind::Button}, {"pan_editorcontrols/btn_checkp", Kind::Button},
    {"pan_editorcontrols/btn_racing", Kind::Button}, {"pan_editorcontrols/btn_pit", Kind::Button},
    {"pan_editorcontrols/btn_walls", Kind::Button}, {"pan_editornewtrack/btn_newtrack", Kind::Button},
    {"pan_editorloadtrack", Kind::Panel}, {"pan_editorloadtrack/tbl_load", Kind::Table},
    {"pan_editorloadtrack/btn_loadtrack", Kind::Button}, {"pan_editorloadtrack/btn_deletetrack", Kind::Button},
    {"pan_editorsavetrack/txt_name", Kind::TextField}, {"pan_editorsavetrack/btn_savetrack", Kind::Button},
    {"pan_editorcontinue/btn_continue", Kind::Button}, {"pan_editorexit/btn_exit", Kind::Button},
    {"pan_editorhelp/btn_help", Kind::Button}, {"pan_options", Kind::Panel},
    {"pan_options/sld_laps", Kind::Slider}, {"pan_options/sld_view", Kind::Slider},
    {"pan_options/lbl_lap", Kind::Label}, {"pan_options/lbl_view", Kind::Label},
    {"pan_options/chk_map", Kind::CheckBox}, {"pan_options/chk_fullscreen", Kind::CheckBox},
    {"pan_options/chk_bomb", Kind::CheckBox}, {"pan_options/sld_volumefx", Kind::Slider},
    {"pan_options/sld_volumemusic", Kind::Slider}, {"pan_options/lbl_volumefx", Kind::Label},
    {"pan_options/lbl_volumemusic", Kind::Label}, {"pan_options/btn_left", Kind::Button},
    {"pan_options/btn_right", Kind::Button}, {"pan_options/btn_up", Kind::Button},
    {"pan_options/btn_down", Kind::Button}, {"pan_options/btn_pause", Kind::Button},
    {"pan_options/btn_shoot", Kind::Button}, {"pan_options/btn_ok", Kind::Button},
    {"pan_leaderboard/tbl_leaderboard", Kind::Table}, {"pan_leaderboard/btn_refresh", Kind::Button},
    {"pan_leaderboard/btn_upload", Kind::Button}, {"pan_leaderboard/btn_ok", Kind::Button},
    {"pan_leaderboard/lbl_time", Kind::Label}, {"pan_achievements/tbl_achievements", Kind::Table},
    {"pan_achievements/btn_continue", Kind::Button}, {"pan_messageboxback", Kind::Panel},
    {"pan_messageboxfore", Kind::Panel}, {"pan_messageboxfore/lbl_Description", Kind::Label},
    {"pan_messageboxfore/btn_yes", Kind::Button}, {"pan_messageboxfore/btn_no", Kind::Button},
    {"pan_messageboxfore/txt_field", Kind::TextField},
};

const char* const kScreens[] = {"screen_settings", "screen_start", "screen_chooseracetype", "screen_choosedifficulty",
                                "screen_choosetrack", "screen_choosetournament", "screen_chooseship",
                                "screen_racepaused", "screen_raceinfo", "screen_tournamentinfo", "screen_editor",
                                "screen_options", "screen_leaderboards", "screen_achievements"};

std::string ReadFile(const std::filesystem::path& path) {
  std::ifstream in(path, std::ios::binary);
  return std::string(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
}

class ShippedSkinTest : public testing::Test {
 protected:
  void SetUp() override {
    SetHeadlessGraphics(true);
    UseVirtualClock(0);
    TLocale::Clear();
    kui_GUI::Reset();
    ASSERT_TRUE(std::filesystem::is_directory(kGameDir + "/Skin")) << kGameDir;
    TLocale::LoadFromBLF(kGameDir + "/Languages/QX.blf");
    kui_GUI::LoadSkin(kGameDir + "/Skin");
    kui_GUI::AddFont("Default", nullptr);
    kui_GUI::AddFont("Large", nullptr);
    kui_GUI::LoadSkinFiles();
  }
  void TearDown() override {
    kui_GUI::Reset();
    TLocale::Clear();
    UseSystemClock();
  }
};

TEST_F(ShippedSkinTest, EveryGadgetTheGameLooksUpIsThereWithItsKind) {
  for (const GadgetPath& entry : kGamePaths) {
    kui_TGadget* gadget = kui_FindGadget(entry.path);
    ASSERT_NE(gadget, nullptr) << entry.path;
    EXPECT_TRUE(IsKind(gadget, entry.kind)) << entry.path;
  }
}

TEST_F(ShippedSkinTest, EveryScreenIsThereAndListsOnlyItsOwnPanels) {
  for (const char* name : kScreens) {
    kui_TScreen* screen = kui_GUI::GetScreen(name);
    ASSERT_NE(screen, nullptr) << name;
    EXPECT_FALSE(screen->gPanels.empty()) << name;
  }
  // A screen file naming a missing panel silently skips it: compare with the files' lists.
  const std::regex panelLine("<panel name=\"([^\"]+)\"");
  for (const auto& entry : std::filesystem::directory_iterator(kGameDir + "/Skin/Screens")) {
    const std::string text = ReadFile(entry.path());
    const std::regex screenName("<screen name=\"([^\"]+)\"");
    std::smatch match;
    ASSERT_TRUE(std::regex_search(text, match, screenName)) << entry.path();
    kui_TScreen* screen = kui_GUI::GetScreen(match[1]);
    ASSERT_NE(screen, nullptr) << match[1];
    const auto count = std::distance(std::sregex_iterator(text.begin(), text.end(), panelLine), std::sregex_iterator());
    EXPECT_EQ(size_t(count), screen->gPanels.size()) << entry.path();
  }
}

TEST_F(ShippedSkinTest, PanelsFitTheScreenAndGadgetsFitTheirPanels) {
  for (kui_TGadget* panel : kui_GUI::Panels()) {
    if (panel->gName == "pan_messageboxback") continue;  // the dimming layer overhangs on purpose
    EXPECT_GE(panel->gX, 0) << panel->gName;
    EXPECT_GE(panel->gY, 0) << panel->gName;
    EXPECT_LE(panel->gX + panel->gW, 800) << panel->gName;
    EXPECT_LE(panel->gY + panel->gH, 600) << panel->gName;
    if (panel->gName == "pan_settings") {
      EXPECT_LE(panel->gX + panel->gW, 600) << "the settings window is 600 x 400";
      EXPECT_LE(panel->gY + panel->gH, 400) << "the settings window is 600 x 400";
    }
    for (const kui_TGadget* child : panel->gChildren) {
      if (child->gName.find(':') != std::string::npos) continue;  // a gadget's own parts
      EXPECT_GE(child->gX, 2) << panel->gName << "/" << child->gName;
      EXPECT_GE(child->gY, 2) << panel->gName << "/" << child->gName;
      EXPECT_LE(child->gX + child->gW, panel->gW - 2) << panel->gName << "/" << child->gName;
      EXPECT_LE(child->gY + child->gH, panel->gH - 2) << panel->gName << "/" << child->gName;
    }
  }
}

TEST_F(ShippedSkinTest, EverySkinPictureAndCursorIsPainted) {
  for (const char* name : {"/graphics/panel.png", "/graphics/button.png", "/graphics/textfield.png",
                           "/graphics/search.png", "/graphics/combobox.png", "/graphics/combobox arrow.png",
                           "/graphics/menu.png", "/graphics/scrollback.png", "/graphics/scrollup.png",
                           "/graphics/scrolldown.png", "/graphics/scrollleft.png", "/graphics/scrollright.png",
                           "/graphics/checkbox.png", "/graphics/progress.png", "/graphics/cursors/normal.png",
                           "/graphics/cursors/mouseover.png", "/graphics/cursors/mousedown.png",
                           "/graphics/cursors/caret.png"}) {
    EXPECT_NE(kui_SkinImage(name), nullptr) << name;
  }
  for (const char* thumb : {"/graphics/vscrollbar.png", "/graphics/hscrollbar.png"}) {
    EXPECT_NE(kui_SkinImage(std::string(thumb) + ":1"), nullptr) << thumb;
  }
  for (const char* picture : {"Skin/Graphics/Buttons/LogoQX.png", "Skin/Graphics/Buttons/QuitSmall.png",
                              "Skin/Graphics/Buttons/BackSmall.png"}) {
    EXPECT_TRUE(std::filesystem::is_regular_file(kGameDir + "/" + picture)) << picture;
  }
}

// The keys the skin's files show: every text and heading attribute.
std::set<std::string> SkinKeys() {
  std::set<std::string> keys;
  const std::regex attribute("\\b(text|heading)=\"([^\"]+)\"");
  for (const auto& entry : std::filesystem::recursive_directory_iterator(kGameDir + "/Skin/Panels")) {
    if (entry.path().extension() != ".xml") continue;
    const std::string text = ReadFile(entry.path());
    for (auto it = std::sregex_iterator(text.begin(), text.end(), attribute); it != std::sregex_iterator(); ++it) {
      keys.insert((*it)[2]);
    }
  }
  return keys;
}

// The keys the game's code asks for beside the skin's.
std::set<std::string> GameKeys() {
  std::set<std::string> keys = {
      "Tag_NationId", "settings_Window", "settings_FullScreen", "settings_Graphics", "settings_Low", "settings_High",
      "settings_JOYFOUND", "settings_JOYNOTFOUND", "CMESSAGE_QUITRACE", "CMESSAGE_QUITEDITOR", "CMESSAGE_DELETE",
      "CMESSAGE_TOURNAMENTLOCKED", "CMESSAGE_TOURNAMENTUNLOCKED", "CMESSAGE_SHIPLOCKED", "CMESSAGE_SHIPSUNLOCKED",
      "CMESSAGE_NEWRECORD", "CMESSAGE_NAMETOOSHORT", "CMESSAGE_EDITORWARNING_GRID",
      "CMESSAGE_EDITORWARNING_RACINGLINES", "CMESSAGE_EDITORWARNING_PITLANE", "CMESSAGE_EDITORWARNING_CHECKPOINTS",
      "CMESSAGE_TRACKSAVED", "CMESSAGE_TOURNAMENTOVER", "CMESSAGE_CONGRATSGOLD", "CMESSAGE_CONGRATSSILVER",
      "CMESSAGE_CONGRATSBRONZE", "CMESSAGE_CONGRATSSPECIAL", "CMESSAGE_ELIMINATOR_WIN", "CMESSAGE_ELIMINATOR_LOSE",
      "CMESSAGE_SURVIVAL_WIN", "CMESSAGE_SURVIVAL_LOSE", "CMESSAGE_UPLOADNAME", "CMESSAGE_LEADERBOARDSUBMITTED",
      "CMESSAGE_LEADERBOARDNOTSUBMITTED", "CMESSAGE_CANNOTCONNECT", "CMESSAGE_GETKEY", "Yes", "No", "OK",
      "Continue", "Tournament", "Achievement!", "Your Time", "Refresh", "Upload", "Racing", "Eliminated", "Lap",
      "Final Lap", "GO!", "Lap Record", "Driver", "Race", "Press Shoot to continue", "Very Low", "Low", "Medium",
      "High", "Very High", "Left", "Right", "Up", "Down", "Accelerate", "Brake", "Pause", "Shoot", "None",
      "tla_JoyAxis", "tla_JoyButton", "tla_JoyHat"};
  for (int code = 0; code < 300; ++code) {
    const std::string key = KeyNameKey(code);
    if (!key.empty()) keys.insert(key);
  }
  return keys;
}

class ShippedLanguageFileTest : public testing::Test {
 protected:
  void SetUp() override {
    TLocale::Clear();
    ASSERT_EQ(TLocale::LoadFromBLF(kGameDir + "/Languages/QX.blf"), 1);
    // No fall-back language: a missing translation shows as the marked key.
    TLocale::SetDefaultLocale("none");
  }
  void TearDown() override { TLocale::Clear(); }
};

TEST_F(ShippedLanguageFileTest, EveryKeyOfTheSkinAndTheGameReadsInEveryLanguage) {
  std::set<std::string> keys = SkinKeys();
  ASSERT_GT(keys.size(), 50u);
  keys.merge(GameKeys());
  for (const std::string& key : keys) {
    for (const std::string& lang : kLanguages) {
      const std::string text = TLocale::getText(key, lang);
      EXPECT_FALSE(text.empty()) << key << " " << lang;
      EXPECT_NE(text, "@" + key) << key << " has no " << lang << " text";
    }
  }
  EXPECT_EQ(TLocale::getLocales(), (std::vector<std::string>{"de", "en", "fr"}));
}

TEST_F(ShippedLanguageFileTest, NationFlagsAndPlaceholdersFollowEachLanguage) {
  const std::pair<const char*, const char*> nations[] = {{"en", "44"}, {"de", "49"}, {"fr", "33"}};
  for (const auto& [lang, id] : nations) {
    EXPECT_EQ(TLocale::getText("Tag_NationId", lang), id);
    EXPECT_TRUE(std::filesystem::is_regular_file(kGameDir + "/Media/Nations/NationIm_" + std::string(id) + ".png"));
    EXPECT_NE(TLocale::getText("CMESSAGE_DELETE", lang).find("$item"), std::string::npos) << lang;
  }
  // The German and French texts are translations, not copies of the English.
  for (const char* key : {"Quick Race", "CMESSAGE_QUITRACE", "key_Space", "settings_Window"}) {
    EXPECT_NE(TLocale::getText(key, "de"), TLocale::getText(key, "en")) << key;
    EXPECT_NE(TLocale::getText(key, "fr"), TLocale::getText(key, "en")) << key;
  }
}

}  // namespace
