// The silent driver "Null$$": every call succeeds and nothing plays.
#pragma once

#include "platform/audio_driver.h"

class TNullChannel : public TChannel {
 public:
  void Stop() override {}
  void SetPaused(int) override {}
  void SetVolume(float) override {}
  void SetPan(float) override {}
  void SetDepth(float) override {}
  void SetRate(float) override {}
  int Playing() override { return 0; }
};

class TNullSound : public TSound {
 public:
  TChannel* Play(TChannel* channel) override;
  TChannel* Cue(TChannel* channel) override;
};

class TNullAudioDriver : public TAudioDriver {
 public:
  std::string Name() const override { return "Null$$"; }
  int Startup() override { return 1; }
  void Shutdown() override {}
  std::unique_ptr<TSound> CreateSound(TAudioSample sample, int flags) override;
  std::unique_ptr<TChannel> AllocChannel() override;
};

// One channel that ignores every call, handed out where no real channel can be.
TChannel& SilentChannel();
