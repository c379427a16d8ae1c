// The "FreeAudio" driver: decoded samples mixed in software and played through SDL audio.
#pragma once

#include <memory>
#include <string>
#include <vector>

#include "platform/audio_driver.h"
#include "platform/audio_freeaudio_output.h"

class TFreeAudioChannel;

class TFreeAudioSound : public TSound {
 public:
  TFreeAudioSound(std::shared_ptr<TFreeAudioOutput> output, std::shared_ptr<const TAudioSample> sample, bool loop);
  TChannel* Play(TChannel* channel) override;
  TChannel* Cue(TChannel* channel) override;

 private:
  // The channel given when it belongs to this sound's output, a temporary one when none is
  // given, null for a channel of some other driver.
  TFreeAudioChannel* Target(TChannel* channel);

  std::shared_ptr<TFreeAudioOutput> output_;
  std::shared_ptr<const TAudioSample> sample_;
  bool loop_;
};

class TFreeAudioAudioDriver : public TAudioDriver {
 public:
  enum class Output { Device, Manual };
  // Manual output opens no device: the mixer runs only when Mixer()->Mix is called.
  explicit TFreeAudioAudioDriver(std::string name, Output output = Output::Device);
  ~TFreeAudioAudioDriver() override;

  std::string Name() const override { return name_; }
  int Startup() override;
  void Shutdown() override;
  std::unique_ptr<TSound> CreateSound(TAudioSample sample, int flags) override;
  std::unique_ptr<TChannel> AllocChannel() override;

  // Null while the driver is not started.
  TFreeAudioMixer* Mixer() { return output_ ? &output_->Mixer() : nullptr; }

 private:
  std::string name_;
  Output output_kind_;
  std::shared_ptr<TFreeAudioOutput> output_;
};

// Registers "FreeAudio", which plays through SDL's audio output.
void AddFreeAudioDrivers(std::vector<std::unique_ptr<TAudioDriver>>& drivers);
