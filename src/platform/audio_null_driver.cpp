#include "platform/audio_null_driver.h"

TChannel& SilentChannel() {
  static TNullChannel silent;
  return silent;
}

TChannel* TNullSound::Play(TChannel* channel) { return channel ? channel : &SilentChannel(); }

TChannel* TNullSound::Cue(TChannel* channel) { return channel ? channel : &SilentChannel(); }

std::unique_ptr<TSound> TNullAudioDriver::CreateSound(TAudioSample, int) { return std::make_unique<TNullSound>(); }

std::unique_ptr<TChannel> TNullAudioDriver::AllocChannel() { return std::make_unique<TNullChannel>(); }
