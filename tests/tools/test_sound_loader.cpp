// The game's own audio loader reads what the sound generators wrote.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "effects/effect_catalogue.h"
#include "platform/audio_sample_loader.h"
#include "synth/signal.h"

namespace {

const std::string kGameDir = QX_GAME_DIR "/";
const std::string kMusicDir = QX_MUSIC_DIR "/";

TEST(GameLoader, ReadsTheEffectsVoicesAndMusicAs16BitAtTheGameRate) {
  struct Expected {
    std::string path;
    int format;
    size_t frames;  // 0: any length
  };
  std::vector<Expected> files;
  for (const effects::EffectRecipe& recipe : effects::EffectCatalogue()) {
    files.push_back({kGameDir + recipe.path, kSampleMono16LE, synth::Frames(recipe.seconds)});
  }
  files.push_back({kGameDir + "Media/Sounds/Voice/finallap.ogg", kSampleMono16LE, 0});
  files.push_back({kMusicDir + "title.ogg", kSampleStereo16LE, 0});
  for (const Expected& file : files) {
    SCOPED_TRACE(file.path);
    const auto sample = LoadAudioSample(file.path);
    ASSERT_TRUE(sample);
    EXPECT_EQ(sample->hertz, synth::kRate);
    EXPECT_EQ(sample->format, file.format);
    EXPECT_GT(sample->length, 0);
    if (file.frames > 0) {
      EXPECT_EQ(static_cast<size_t>(sample->length), file.frames);
    }
  }
}

}  // namespace
