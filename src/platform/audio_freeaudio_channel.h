// One voice of the software mixer.
#pragma once

#include <memory>

#include "platform/audio_channel.h"
#include "platform/audio_freeaudio_output.h"

class TFreeAudioChannel : public TChannel {
 public:
  // With an owner the channel is a static one and keeps the output alive; without one it is
  // a temporary channel of the output.
  TFreeAudioChannel(TFreeAudioOutput& output, std::shared_ptr<TFreeAudioOutput> owner);
  ~TFreeAudioChannel() override;

  void Stop() override;
  void SetPaused(int paused) override;
  void SetVolume(float volume) override;
  void SetPan(float pan) override;
  void SetDepth(float depth) override;
  void SetRate(float rate) override;
  int Playing() override;

  const TFreeAudioOutput& Output() const { return output_; }
  // Puts sample on the voice at its start, paused, looping or not.
  void Attach(std::shared_ptr<const TAudioSample> sample, bool loop);
  // Holds a sound that has not ended (a temporary channel that is not busy can be reused).
  bool Busy();
  void ResetSettings();

 private:
  bool Temporary() const { return !owner_; }

  TFreeAudioOutput& output_;
  std::shared_ptr<TFreeAudioOutput> owner_;
  TMixerVoice voice_;
  bool stopped_ = false;
};
