// The software mixer under the "FreeAudio" driver: voices mixed into 16-bit stereo.
// The output device calls Mix from its own thread; every other call comes from the game.
#pragma once

#include <cstdint>
#include <memory>
#include <mutex>
#include <vector>

#include "platform/audio_sample.h"

// One voice's state; only the mixer reads or changes it, under its lock.
class TMixerVoice {
 private:
  friend class TFreeAudioMixer;
  std::shared_ptr<const TAudioSample> sample_;  // 16-bit little-endian, mono or stereo
  double position_ = 0.0;                       // in frames of the sample
  float volume_ = 1.0f;
  float rate_ = 1.0f;
  float pan_ = 0.0f;
  bool loop_ = false;
  bool paused_ = false;
  bool active_ = false;  // holds a sound that has not ended or been stopped
};

class TFreeAudioMixer {
 public:
  explicit TFreeAudioMixer(int hertz) : hertz_(hertz) {}
  TFreeAudioMixer(const TFreeAudioMixer&) = delete;
  TFreeAudioMixer& operator=(const TFreeAudioMixer&) = delete;

  int Hertz() const { return hertz_; }
  // Voices take part in mixing between Add and Remove.
  void Add(TMixerVoice& voice);
  void Remove(TMixerVoice& voice);
  // After Close nothing plays any more and voice changes are ignored.
  void Close();

  // Puts sample on voice at its start, paused; volume, rate and pan stay as they were set.
  void Cue(TMixerVoice& voice, std::shared_ptr<const TAudioSample> sample, bool loop);
  void Stop(TMixerVoice& voice);
  // Back to full volume, normal rate, centred.
  void ResetSettings(TMixerVoice& voice);
  // Resuming a sound that has ended does nothing.
  void SetPaused(TMixerVoice& voice, bool paused);
  void SetVolume(TMixerVoice& voice, float volume);
  void SetRate(TMixerVoice& voice, float rate);
  void SetPan(TMixerVoice& voice, float pan);
  // Holds a sound that is neither paused nor finished.
  bool Playing(const TMixerVoice& voice);
  // Holds a sound that has not ended: playing, paused, or cued and waiting.
  bool Busy(const TMixerVoice& voice);

  // Mixes count frames of signed 16-bit stereo into frames, moving every playing voice on.
  void Mix(int16_t* frames, int count);

 private:
  void MixVoice(TMixerVoice& voice, int count);

  int hertz_;
  bool closed_ = false;
  std::mutex lock_;
  std::vector<TMixerVoice*> voices_;
  std::vector<float> mix_;
};
