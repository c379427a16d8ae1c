#include "platform/audio_freeaudio_channel.h"

#include <utility>

TFreeAudioChannel::TFreeAudioChannel(TFreeAudioOutput& output, std::shared_ptr<TFreeAudioOutput> owner)
    : output_(output), owner_(std::move(owner)) {
  output_.Mixer().Add(voice_);
}

TFreeAudioChannel::~TFreeAudioChannel() { output_.Mixer().Remove(voice_); }

void TFreeAudioChannel::Attach(std::shared_ptr<const TAudioSample> sample, bool loop) {
  if (!stopped_) output_.Mixer().Cue(voice_, std::move(sample), loop);
}

bool TFreeAudioChannel::Busy() { return output_.Mixer().Busy(voice_); }

void TFreeAudioChannel::ResetSettings() { output_.Mixer().ResetSettings(voice_); }

void TFreeAudioChannel::Stop() {
  // A stopped temporary channel is free for the next sound; a static one is finished with.
  if (!Temporary()) stopped_ = true;
  output_.Mixer().Stop(voice_);
}

void TFreeAudioChannel::SetPaused(int paused) {
  if (!stopped_) output_.Mixer().SetPaused(voice_, paused != 0);
}

void TFreeAudioChannel::SetVolume(float volume) {
  if (!stopped_) output_.Mixer().SetVolume(voice_, volume);
}

void TFreeAudioChannel::SetPan(float pan) {
  if (!stopped_) output_.Mixer().SetPan(voice_, pan);
}

// The mixer is stereo only: depth has nothing to move.
void TFreeAudioChannel::SetDepth(float) {}

void TFreeAudioChannel::SetRate(float rate) {
  if (!stopped_) output_.Mixer().SetRate(voice_, rate);
}

int TFreeAudioChannel::Playing() { return !stopped_ && output_.Mixer().Playing(voice_) ? 1 : 0; }
