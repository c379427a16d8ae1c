// One OpenAL voice: a source taken from its context's pool.
#pragma once

#include <memory>
#include <optional>

#include "platform/audio_channel.h"
#include "platform/audio_openal_context.h"

class TOpenALChannel : public TChannel {
 public:
  // With an owner the channel is a static one: it takes a source now, keeps it until Stop
  // and keeps the context alive. Without one it is a temporary channel of the context.
  TOpenALChannel(TOpenALContext& context, std::shared_ptr<TOpenALContext> owner);
  ~TOpenALChannel() override;

  void Stop() override;
  void SetPaused(int paused) override;
  void SetVolume(float volume) override;
  void SetPan(float pan) override;
  void SetDepth(float depth) override;
  void SetRate(float rate) override;
  int Playing() override;

  const TOpenALContext& Context() const { return context_; }
  // Puts buffer on the source, stopped at its start, looping or not.
  void Attach(ALuint buffer, bool loop);

  // For the pool's temporary channels.
  bool HasSource() const { return source_.has_value(); }
  void TakeSource();
  void ReleaseSourceIfFinished();

 private:
  bool Temporary() const { return !owner_; }
  bool Live() const { return source_ && context_.IsOpen(); }
  ALint State() const;
  void GiveBackSource();
  void PlaceSource();

  TOpenALContext& context_;
  std::shared_ptr<TOpenALContext> owner_;
  std::optional<ALuint> source_;
  bool stopped_ = false;
  float pan_ = 0.0f;
  float depth_ = 1.0f;
};
