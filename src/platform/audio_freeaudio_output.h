// The software mixer's output: the mixer, the SDL audio device it feeds and the temporary
// channels of its sounds.
#pragma once

#include <SDL.h>

#include <memory>
#include <vector>

#include "platform/audio_mixer.h"

class TFreeAudioChannel;

class TFreeAudioOutput {
 public:
  // The rate the mixer runs at; SDL converts for devices that want another.
  static constexpr int kHertz = 44100;

  // Opens SDL's audio output; null when it cannot be opened.
  static std::shared_ptr<TFreeAudioOutput> OpenDevice();
  // A mixer with no device behind it: its owner calls Mixer().Mix.
  static std::shared_ptr<TFreeAudioOutput> OpenManual();
  TFreeAudioOutput(const TFreeAudioOutput&) = delete;
  TFreeAudioOutput& operator=(const TFreeAudioOutput&) = delete;
  ~TFreeAudioOutput();

  // Closes the device; channels and sounds still held afterwards ignore every call.
  void Close();
  TFreeAudioMixer& Mixer() { return mixer_; }
  // A temporary channel whose sound has ended, or a new one.
  TFreeAudioChannel& TemporaryChannel();

 private:
  TFreeAudioOutput();
  static void SDLCALL FillAudio(void* mixer, Uint8* stream, int length);

  TFreeAudioMixer mixer_;
  SDL_AudioDeviceID device_ = 0;
  std::vector<std::unique_ptr<TFreeAudioChannel>> temporaries_;
};
