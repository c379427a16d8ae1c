// A clean slate for the effects: no particles or messages, full detail, time 0, a fixed seed.
#pragma once

#include <gtest/gtest.h>

#include "race/particle.h"
#include "race/screen_message.h"
#include "shell/game_state.h"
#include "shell/random.h"

class EffectsTest : public testing::Test {
 protected:
  void SetUp() override {
    TParticle::list().clear();
    TScreenMessage::list().clear();
    TParticle::MaxParticles = 2000;
    DetailLevel = 1;
    DebugMode = 0;
    GameTime = 0;
    CameraX = CameraY = 0;
    SeedRnd(7);
  }
  void TearDown() override {
    TParticle::list().clear();
    TScreenMessage::list().clear();
  }
};
