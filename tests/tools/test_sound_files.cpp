// The sounds the build made: each decodes to its length, rate and channels; loops join
// without a jump; levels stay balanced; voices speak; music fits the program and the
// playlist names what was made.
#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <filesystem>
#include <set>
#include <string>

#include "effects/effect_catalogue.h"
#include "music/piece_design.h"
#include "shell/music_playlist.h"
#include "sound_decode.h"
#include "synth/levels.h"

namespace {

const std::string kGameDir = QX_GAME_DIR "/";
const std::string kMusicDir = QX_MUSIC_DIR "/";

synth::Levels LevelsOf(const DecodedSound& sound) {
  synth::Mono loudest(sound.frames());
  for (size_t i = 0; i < loudest.size(); ++i) {
    for (const auto& channel : sound.channels) {
      if (std::fabs(channel[i]) > std::fabs(loudest[i])) loudest[i] = channel[i];
    }
  }
  return synth::Measure(loudest);
}

TEST(SoundEffects, EachDecodesToItsLengthInMonoAtTheGameRate) {
  for (const effects::EffectRecipe& recipe : effects::EffectCatalogue()) {
    SCOPED_TRACE(recipe.path);
    const auto sound = DecodeFile(kGameDir + recipe.path);
    ASSERT_TRUE(sound);
    EXPECT_EQ(sound->rate, synth::kRate);
    EXPECT_EQ(sound->channels.size(), 1u);
    EXPECT_EQ(sound->frames(), synth::Frames(recipe.seconds));
  }
}

TEST(SoundEffects, LevelsAreBalancedAndNothingClips) {
  for (const effects::EffectRecipe& recipe : effects::EffectCatalogue()) {
    SCOPED_TRACE(recipe.path);
    const auto sound = DecodeFile(kGameDir + recipe.path);
    ASSERT_TRUE(sound);
    const synth::Levels levels = LevelsOf(*sound);
    EXPECT_LT(levels.peak_db, -0.2);
    // Either at the recipe's level, or held below it by the peak ceiling.
    const bool at_level = std::fabs(levels.loudest_db - recipe.loudest_db) < 1.0;
    const bool held_by_ceiling = levels.peak_db > effects::kPeakCeilingDb - 1.0 && levels.loudest_db < recipe.loudest_db;
    EXPECT_TRUE(at_level || held_by_ceiling) << "loudest " << levels.loudest_db << " peak " << levels.peak_db;
    EXPECT_GT(levels.loudest_db, -24.0);
  }
}

TEST(SoundEffects, LoopingOnesJoinWithoutAJump) {
  int loops = 0;
  for (const effects::EffectRecipe& recipe : effects::EffectCatalogue()) {
    if (!recipe.loops) continue;
    SCOPED_TRACE(recipe.path);
    ++loops;
    const auto sound = DecodeFile(kGameDir + recipe.path);
    ASSERT_TRUE(sound);
    EXPECT_LT(SeamJumpRatio(sound->channels[0]), 1.5);
  }
  EXPECT_EQ(loops, 3);  // thrust, grid and recharge
}

TEST(Voices, EachAnnouncementSpeaksClearly) {
  for (const char* name : {"1", "2", "3", "go", "damagecritical", "newrecord", "finallap", "eliminated", "plasma",
                           "cannon", "laser", "mines", "missile", "shield", "turbo", "bomb"}) {
    SCOPED_TRACE(name);
    const auto sound = DecodeFile(kGameDir + "Media/Sounds/Voice/" + name + ".ogg");
    ASSERT_TRUE(sound);
    EXPECT_EQ(sound->rate, synth::kRate);
    EXPECT_EQ(sound->channels.size(), 1u);
    const double seconds = static_cast<double>(sound->frames()) / sound->rate;
    EXPECT_GT(seconds, 0.3);
    EXPECT_LT(seconds, 2.5);
    const synth::Levels levels = LevelsOf(*sound);
    EXPECT_GT(levels.peak_db, -3.0);
    EXPECT_LT(levels.peak_db, -0.2);
    EXPECT_GT(levels.loudest_db, -20.0);
  }
}

TEST(Music, EachPieceIsAStereoLoopOfOneToThreeMinutes) {
  for (const music::PieceDesign& design : music::MusicCatalogue()) {
    SCOPED_TRACE(design.name);
    const auto sound = DecodeFile(kMusicDir + design.name + ".ogg");
    ASSERT_TRUE(sound);
    EXPECT_EQ(sound->rate, synth::kRate);
    ASSERT_EQ(sound->channels.size(), 2u);
    EXPECT_EQ(sound->frames(), music::PieceFrames(design));
    const double seconds = static_cast<double>(sound->frames()) / sound->rate;
    EXPECT_GE(seconds, 60.0);
    EXPECT_LE(seconds, 180.0);
    for (const auto& channel : sound->channels) EXPECT_LT(SeamJumpRatio(channel), 1.5);
    const synth::Levels levels = LevelsOf(*sound);
    EXPECT_LT(levels.peak_db, -0.2);
    EXPECT_GT(levels.rms_db, -20.0);
  }
}

TEST(Music, PiecesDifferInTempoAndKeyAndFitInTheProgram) {
  std::set<double> tempos;
  std::set<int> keys;
  uintmax_t bytes = 0;
  for (const music::PieceDesign& design : music::MusicCatalogue()) {
    tempos.insert(design.bpm);
    keys.insert(design.root % 12);
    bytes += std::filesystem::file_size(kMusicDir + design.name + ".ogg");
  }
  EXPECT_EQ(tempos.size(), music::MusicCatalogue().size());
  EXPECT_EQ(keys.size(), music::MusicCatalogue().size());
  EXPECT_LE(bytes, 12u * 1000u * 1000u);
}

TEST(MusicPlaylist, NamesTheEmbeddedPieceOfEachNumberWithItsCaption) {
  const std::string prefix = "incbin::Inc/Music/";
  for (int number : {-1, 1, 2, 3, 4, 5, 6, 7, 8}) {
    SCOPED_TRACE(number);
    const MusicPiece* piece = FindMusicPiece(number);
    ASSERT_NE(piece, nullptr);
    const music::PieceDesign* design = music::FindPiece(number);
    ASSERT_NE(design, nullptr);
    EXPECT_EQ(std::string(piece->location), prefix + design->name + ".ogg");
    const std::string caption = piece->caption;
    const size_t colon = caption.find(" : ");
    ASSERT_NE(colon, std::string::npos);
    EXPECT_GT(colon, 0u);
    EXPECT_LT(colon + 3, caption.size());
  }
  EXPECT_EQ(FindMusicPiece(0), nullptr);
  EXPECT_EQ(FindMusicPiece(9), nullptr);
}

}  // namespace
