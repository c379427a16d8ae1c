#include "platform/audio_mixer.h"

#include <algorithm>
#include <cmath>
#include <utility>

#include "platform/audio_levels.h"

void TFreeAudioMixer::Add(TMixerVoice& voice) {
  std::lock_guard<std::mutex> hold(lock_);
  voices_.push_back(&voice);
}

void TFreeAudioMixer::Remove(TMixerVoice& voice) {
  std::lock_guard<std::mutex> hold(lock_);
  voices_.erase(std::remove(voices_.begin(), voices_.end(), &voice), voices_.end());
}

void TFreeAudioMixer::Close() {
  std::lock_guard<std::mutex> hold(lock_);
  closed_ = true;
  for (TMixerVoice* voice : voices_) {
    voice->active_ = false;
    voice->sample_.reset();
  }
}

void TFreeAudioMixer::Cue(TMixerVoice& voice, std::shared_ptr<const TAudioSample> sample, bool loop) {
  std::lock_guard<std::mutex> hold(lock_);
  if (closed_) return;
  voice.sample_ = std::move(sample);
  voice.position_ = 0.0;
  voice.loop_ = loop;
  voice.paused_ = true;
  voice.active_ = voice.sample_ && voice.sample_->length > 0;
}

void TFreeAudioMixer::Stop(TMixerVoice& voice) {
  std::lock_guard<std::mutex> hold(lock_);
  voice.active_ = false;
  voice.sample_.reset();
}

void TFreeAudioMixer::ResetSettings(TMixerVoice& voice) {
  std::lock_guard<std::mutex> hold(lock_);
  voice.volume_ = 1.0f;
  voice.rate_ = 1.0f;
  voice.pan_ = 0.0f;
}

void TFreeAudioMixer::SetPaused(TMixerVoice& voice, bool paused) {
  std::lock_guard<std::mutex> hold(lock_);
  if (!closed_) voice.paused_ = paused;
}

void TFreeAudioMixer::SetVolume(TMixerVoice& voice, float volume) {
  std::lock_guard<std::mutex> hold(lock_);
  if (!closed_) voice.volume_ = ClampVolume(volume);
}

void TFreeAudioMixer::SetRate(TMixerVoice& voice, float rate) {
  std::lock_guard<std::mutex> hold(lock_);
  if (!closed_) voice.rate_ = ClampRate(rate);
}

void TFreeAudioMixer::SetPan(TMixerVoice& voice, float pan) {
  std::lock_guard<std::mutex> hold(lock_);
  if (!closed_) voice.pan_ = ClampPan(pan);
}

bool TFreeAudioMixer::Playing(const TMixerVoice& voice) {
  std::lock_guard<std::mutex> hold(lock_);
  return voice.active_ && !voice.paused_;
}

bool TFreeAudioMixer::Busy(const TMixerVoice& voice) {
  std::lock_guard<std::mutex> hold(lock_);
  return voice.active_;
}

void TFreeAudioMixer::Mix(int16_t* frames, int count) {
  if (count <= 0) return;
  std::lock_guard<std::mutex> hold(lock_);
  mix_.assign(static_cast<size_t>(count) * 2, 0.0f);
  for (TMixerVoice* voice : voices_) {
    if (voice->active_ && !voice->paused_) MixVoice(*voice, count);
  }
  for (size_t i = 0; i < mix_.size(); ++i) {
    frames[i] = static_cast<int16_t>(std::lround(std::clamp(mix_[i], -32768.0f, 32767.0f)));
  }
}

namespace {

// One channel value of frame index of a 16-bit little-endian sample.
float Value(const TAudioSample& sample, int channels, int index, int channel) {
  const uint8_t* bytes = sample.samples + (static_cast<int64_t>(index) * channels + channel) * 2;
  return static_cast<float>(static_cast<int16_t>(bytes[0] | (bytes[1] << 8)));
}

}  // namespace

void TFreeAudioMixer::MixVoice(TMixerVoice& voice, int count) {
  const TAudioSample& sample = *voice.sample_;
  const int channels = SampleFormatChannels(sample.format);
  const int length = sample.length;
  const double step = static_cast<double>(sample.hertz) * voice.rate_ / hertz_;
  const float left_gain = voice.volume_ * (voice.pan_ > 0 ? 1.0f - voice.pan_ : 1.0f);
  const float right_gain = voice.volume_ * (voice.pan_ < 0 ? 1.0f + voice.pan_ : 1.0f);
  for (int i = 0; i < count; ++i) {
    if (voice.position_ >= length) {
      if (!voice.loop_) break;
      voice.position_ = std::fmod(voice.position_, static_cast<double>(length));
    }
    const int index = static_cast<int>(voice.position_);
    const float blend = static_cast<float>(voice.position_ - index);
    int next = index + 1;
    if (next >= length) next = voice.loop_ ? 0 : index;
    const float left = Value(sample, channels, index, 0) * (1.0f - blend) + Value(sample, channels, next, 0) * blend;
    const int right_channel = channels == 2 ? 1 : 0;
    const float right =
        Value(sample, channels, index, right_channel) * (1.0f - blend) + Value(sample, channels, next, right_channel) * blend;
    mix_[static_cast<size_t>(i) * 2] += left * left_gain;
    mix_[static_cast<size_t>(i) * 2 + 1] += right * right_gain;
    voice.position_ += step;
  }
  if (!voice.loop_ && voice.position_ >= length) voice.active_ = false;
}
