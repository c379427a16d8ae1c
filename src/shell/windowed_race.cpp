#include "shell/windowed_race.h"

#include <cstdio>
#include <memory>
#include <string>

#include "frontend/locale.h"
#include "platform/audio_driver.h"
#include "platform/draw_state.h"
#include "platform/graphics.h"
#include "platform/image_font.h"
#include "progress/game_db.h"
#include "race/car.h"
#include "race/format_time.h"
#include "race/particle.h"
#include "race/race_control.h"
#include "race/race_hooks.h"
#include "race/race_hud.h"
#include "race/star_field.h"
#include "shell/asset_loaders.h"
#include "shell/command_line.h"
#include "shell/game_language.h"
#include "shell/game_media.h"
#include "shell/game_state.h"
#include "shell/log.h"
#include "shell/music_player.h"
#include "shell/race_session.h"
#include "shell/settings.h"
#include "shell/windowed_results.h"
#include "track/track.h"
#include "track/track_look.h"

namespace {

constexpr int kFullScreenDepth = 32;
constexpr int kHertz = 60;
constexpr int kLowDetailStars = 8;

// The five shared channels, released before the audio driver goes.
struct TSharedChannels {
  std::unique_ptr<TChannel> channels[5];

  TSharedChannels() {
    for (auto& channel : channels) channel = AllocChannel();
    Channel1 = channels[0].get();
    Channel2 = channels[1].get();
    Channel3 = channels[2].get();
    Channel4 = channels[3].get();
    Channel5 = channels[4].get();
  }
  ~TSharedChannels() { Channel1 = Channel2 = Channel3 = Channel4 = Channel5 = nullptr; }
  TSharedChannels(const TSharedChannels&) = delete;
  TSharedChannels& operator=(const TSharedChannels&) = delete;
};

// OpenAL first, then the software mixer; the silent driver when neither starts.
void StartAudio() {
  if (SetAudioDriver("OpenAL")) return;
  if (SetAudioDriver("FreeAudio")) return;
  Log("No audio output: the race runs silent");
}

// The volumes, view, map and key bindings of the options row (0 for a missing row keeps a
// binding's default).
void LoadOptions() {
  Log("LoadOptions");
  ViewSize = DbGetInt("view", "options", 1);
  ShowMap = DbGetInt("map", "options", 1);
  BombZoom = DbGetInt("bombzoom", "options", 1);
  FxVolume = DbGetFloat("volfx", "options", 1);
  MusicVolume = DbGetFloat("volmusic", "options", 1);
  const char* columns[kControlCount] = {"keyleft", "keyright", "keyup", "keydown", "keypause", nullptr, "keyshoot"};
  for (int control = 0; control < kControlCount; ++control) {
    const int code = columns[control] ? DbGetInt(columns[control], "options", 1) : 0;
    if (code != 0) Controls[control] = code;
  }
}

// The language file, and the large font the race draws its texts with.
ImageFontPtr LoadTexts(const std::string& requested) {
  const std::string language = ChooseLanguage(requested);
  LoadLanguage(language);
  ImageFontPtr font = language == "en" ? LoadFontChecked("incbin::Inc/goodtime.ttf", 32, 4)
                                       : LoadFontChecked("incbin::Inc/trebucbd.ttf", 30, 4);
  SetImageFont(font.get());
  return font;
}

void LoadRaceMedia() {
  LoadGameMedia();
  TParticle::SetUpParticleImage();
  NumStars = DetailLevel == 0 ? kLowDetailStars : static_cast<int>(LoadVariable(EnginePath(), "numstars", 1, 100));
  Stars = StarField::Create(NumStars);
}

void FillLookAndHooks(TImage* glow) {
  TrackLook.glow = glow;
  TrackLook.wallColour = LoadTextVariable(EnginePath(), "colwall");
  TrackLook.drawCarsMini = [] { TCar::DrawAllMini(); };
  TrackLook.text = [](const std::string& phrase) { return TLocale::getText(phrase); };
  TrackLook.formatTime = [](int ms) { return FormatTime(ms, 0); };
  TrackLook.playerLastWayLine = [](int& lastwayline) {
    const TCar* player = TCar::SelectPlayerCar();
    if (!player) return false;
    lastwayline = player->lastwayline;
    return true;
  };
  RaceHooks.musicTitle = [] { return MusicTitle(); };
  RaceHooks.startSignal = [] {
    if (TChannel* music = MusicChannel()) music->SetPaused(0);
  };
  RaceHooks.messageBox = [](const std::string& key) { std::printf("%s\n", TLocale::getText(key).c_str()); };
  RaceHud.drawInterface = [] { DrawResultsStandIn(); };
}

void ClearLookAndHooks() {
  TrackLook = TTrackLook{};
  RaceHooks = TRaceHooks{};
  RaceHud.drawInterface = nullptr;
  ClearResultsStandIn();
}

RaceOptions ToRaceOptions(const RaceCommand& command) {
  RaceOptions race;
  race.track = command.track;
  // The player drives ship 1 unless the command line picks another (or 0: nobody).
  race.ship = command.ship < 0 ? 1 : command.ship;
  race.type = command.type;
  race.difficulty = command.difficulty;
  race.laps = command.laps;
  return race;
}

bool OpenRaceWindow(const RaceCommand& command) {
  if (command.width > 0) {
    ScreenW = command.width;
    ScreenH = command.height;
  }
  if (command.windowed) FullScreen = 0;
  UpdateScreenOffsets();
  SetGraphicsTitle(AppTitle + " - " + command.track);
  if (!Graphics(ScreenW, ScreenH, FullScreen ? kFullScreenDepth : 0, kHertz)) return false;
  // A full-screen mode may differ from the size asked for.
  ScreenW = GraphicsWidth();
  ScreenH = GraphicsHeight();
  UpdateScreenOffsets();
  SetClsColor(0, 0, 0);
  return true;
}

// From the start signal to the results: the race engine until the player's race is over.
int RunRace(const RaceOptions& race) {
  Track->hooks.startMusic = [] { PlayMusic(0); };
  if (!PrepareRace(race)) {
    std::fprintf(stderr, "quorvex: no track named '%s', built in or in %sTracks/\n", race.track.c_str(),
                 SaveFolder.c_str());
    return 2;
  }
  ResetRaceHud();
  TWindowedRaceClient client;
  RaceEngine(client);
  // The music fades as the race ends, unless the player closed the window.
  if (!client.WindowClosed()) FadeMusic(0);
  QuitRace();
  std::fputs(FormatResults(RaceResultRows()).c_str(), stdout);
  std::fflush(stdout);
  return 0;
}

}  // namespace

int RunWindowedRace(const CommandLineOptions& options) {
  if (HeadlessGraphics()) {
    std::fprintf(stderr, "quorvex: a race in a window cannot run with --headless\n");
    return 2;
  }
  if (!OpenRaceWindow(options.race)) {
    std::fprintf(stderr, "quorvex: the game window could not be opened\n");
    return 2;
  }
  StartAudio();
  int status = 0;
  {
    TSharedChannels channels;
    LoadOptions();
    ImageFontPtr font = LoadTexts(options.lang);
    LoadRaceMedia();
    ImagePtr glow = LoadImageChecked("incbin::Inc/glowing_dot.png");
    FillLookAndHooks(glow.get());
    if (!Track) Track = TTrack::Create();
    status = RunRace(ToRaceOptions(options.race));
    StopMusic();
    TCar::ResetChannelsAll();
    ClearLookAndHooks();
    TCar::ClearAll();
    SetImageFont(nullptr);
    Track.reset();
    Stars.reset();
    FreeGameMedia();
  }
  ShutdownAudio();
  EndGraphics();
  return status;
}
