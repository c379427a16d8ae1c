// The "OpenAL" drivers: sounds are OpenAL buffers, channels are pooled sources.
#pragma once

#include <cstdint>
#include <memory>
#include <string>
#include <vector>

#include "platform/audio_driver.h"
#include "platform/audio_openal_context.h"

class TOpenALSound : public TSound {
 public:
  TOpenALSound(std::shared_ptr<TOpenALContext> context, ALuint buffer, bool loop);
  ~TOpenALSound() override;
  TChannel* Play(TChannel* channel) override;
  TChannel* Cue(TChannel* channel) override;

 private:
  // The channel to use: the one given when it belongs to this sound's context, a temporary
  // one when none is given, null for a channel of some other driver.
  class TOpenALChannel* Target(TChannel* channel);

  std::shared_ptr<TOpenALContext> context_;
  ALuint buffer_;
  bool loop_;
};

class TOpenALAudioDriver : public TAudioDriver {
 public:
  // An empty device is the default output; with fallbacks "Generic Hardware" and then
  // "Generic Software" are tried when the device does not open.
  TOpenALAudioDriver(std::shared_ptr<const TOpenALLibrary> library, std::string name, std::string device,
                     bool fallbacks = false);
  // A driver on a loopback device, which renders only through RenderSamples: for tests and
  // for recording.
  static std::unique_ptr<TOpenALAudioDriver> Loopback(std::shared_ptr<const TOpenALLibrary> library,
                                                      std::string name, int hertz);
  ~TOpenALAudioDriver() override;

  std::string Name() const override { return name_; }
  int Startup() override;
  void Shutdown() override;
  std::unique_ptr<TSound> CreateSound(TAudioSample sample, int flags) override;
  std::unique_ptr<TChannel> AllocChannel() override;

  // Loopback drivers only: mixes count stereo 16-bit frames; false when not started.
  bool RenderSamples(int16_t* frames, int count);

 private:
  bool Started() const { return context_ && context_->IsOpen(); }

  std::shared_ptr<const TOpenALLibrary> library_;
  std::string name_;
  std::string device_;
  bool fallbacks_;
  bool loopback_ = false;
  int loopback_hertz_ = 0;
  std::shared_ptr<TOpenALContext> context_;
};

// Registers "OpenAL", one "OpenAL <device>" per output device and "OpenAL Default" when the
// library file opens; nothing otherwise.
void AddOpenALDrivers(std::vector<std::unique_ptr<TAudioDriver>>& drivers,
                      const std::string& library_file = "libopenal.so.1");
