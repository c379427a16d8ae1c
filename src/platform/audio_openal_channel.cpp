#include "platform/audio_openal_channel.h"

#include <algorithm>
#include <cmath>
#include <utility>

#include "platform/audio_levels.h"

TOpenALChannel::TOpenALChannel(TOpenALContext& context, std::shared_ptr<TOpenALContext> owner)
    : context_(context), owner_(std::move(owner)) {
  if (!Temporary()) source_ = context_.AcquireSource();
}

TOpenALChannel::~TOpenALChannel() { GiveBackSource(); }

void TOpenALChannel::TakeSource() {
  if (!source_) source_ = context_.AcquireSource();
}

void TOpenALChannel::GiveBackSource() {
  if (source_) context_.ReleaseSource(*source_);
  source_.reset();
}

ALint TOpenALChannel::State() const {
  ALint state = AL_STOPPED;
  context_.Al().alGetSourcei(*source_, AL_SOURCE_STATE, &state);
  return state;
}

void TOpenALChannel::ReleaseSourceIfFinished() {
  if (Temporary() && Live() && State() == AL_STOPPED) GiveBackSource();
}

void TOpenALChannel::Attach(ALuint buffer, bool loop) {
  if (stopped_) return;
  // A static channel that found the pool empty when it was made tries again.
  if (!Temporary()) TakeSource();
  if (!Live()) return;
  const TOpenALLibrary& al = context_.Al();
  al.alSourceStop(*source_);
  al.alSourcei(*source_, AL_BUFFER, static_cast<ALint>(buffer));
  al.alSourcei(*source_, AL_LOOPING, loop ? AL_TRUE : AL_FALSE);
  al.alSourceRewind(*source_);
}

void TOpenALChannel::Stop() {
  if (!Temporary()) stopped_ = true;
  GiveBackSource();
}

void TOpenALChannel::SetPaused(int paused) {
  if (!Live()) return;
  const ALint state = State();
  if (paused) {
    if (state == AL_PLAYING) context_.Al().alSourcePause(*source_);
  } else if (state == AL_INITIAL || state == AL_PAUSED) {
    // A finished sound stays finished: resuming must not start it over.
    context_.Al().alSourcePlay(*source_);
  }
}

void TOpenALChannel::SetVolume(float volume) {
  if (Live()) context_.Al().alSourcef(*source_, AL_GAIN, ClampVolume(volume));
}

void TOpenALChannel::SetRate(float rate) {
  if (Live()) context_.Al().alSourcef(*source_, AL_PITCH, ClampRate(rate));
}

void TOpenALChannel::SetPan(float pan) {
  pan_ = ClampPan(pan);
  PlaceSource();
}

void TOpenALChannel::SetDepth(float depth) {
  depth_ = ClampPan(depth);
  PlaceSource();
}

void TOpenALChannel::PlaceSource() {
  if (Live()) context_.Al().alSource3f(*source_, AL_POSITION, pan_, 0.0f, depth_);
}

int TOpenALChannel::Playing() { return Live() && State() == AL_PLAYING ? 1 : 0; }
