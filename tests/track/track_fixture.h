// Shared set-up for the track tests: a fresh save folder, the built-in files registered,
// the track tiles' names as the generated media give them, and every hook recorded.
#pragma once

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "built_in_files.h"
#include "progress/game_db.h"
#include "shell/game_state.h"
#include "support/temp_folder.h"
#include "track/track.h"

inline std::vector<std::string> GeneratedTileNames() {
  std::vector<std::string> names;
  for (int n = 1; n <= 19; ++n) names.push_back((n < 10 ? "Track_0" : "Track_") + std::to_string(n) + ".png");
  return names;
}

class TrackTest : public testing::Test {
 protected:
  void SetUp() override {
    RegisterBuiltInFiles();
    SaveFolder = save_.path();
    save_.Write("Tracks/.keep", "");
    track_ = TTrack::Create();
    track_->tracktilenames = GeneratedTileNames();
    track_->hooks.messageBox = [this](const std::string& key) { messages_.push_back(key); };
    track_->hooks.resetCars = [this] { calls_.push_back("resetCars"); };
    track_->hooks.startMusic = [this] { calls_.push_back("startMusic"); };
    track_->hooks.clearParticles = [this] { calls_.push_back("clearParticles"); };
    track_->hooks.flushMouse = [this] { calls_.push_back("flushMouse"); };
    CameraX = CameraY = 0;
  }
  void TearDown() override {
    CloseGameDb();
    SaveFolder.clear();
  }

  TempFolder save_;
  std::unique_ptr<TTrack> track_;
  std::vector<std::string> messages_;
  std::vector<std::string> calls_;
};
