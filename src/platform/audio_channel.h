// The two handles the game holds of the audio layer: a sound ready to play and a voice.
// The drivers (OpenAL, the software mixer, the silent one) implement them.
#pragma once

#include <memory>
#include <string>

class TChannel;

// Sound flags.
inline constexpr int kSoundLoop = 1;  // the sound repeats until its channel is stopped

class TSound {
 public:
  TSound() = default;
  TSound(const TSound&) = delete;
  TSound& operator=(const TSound&) = delete;
  virtual ~TSound() = default;
  // Starts the sound on channel and returns the channel used. With no channel it plays on a
  // temporary one that the driver keeps and reuses once the sound has ended: hold on to the
  // returned pointer only for settings made straight away (volume, rate).
  virtual TChannel* Play(TChannel* channel) = 0;
  // Prepares the sound on channel paused at its start; SetPaused(0) starts it.
  virtual TChannel* Cue(TChannel* channel) = 0;

  // Decodes a path or "incbin::" name and hands it to the current driver; none when the
  // file is missing or undecodable.
  static std::unique_ptr<TSound> Load(const std::string& location, int flags);
};

class TChannel {
 public:
  TChannel() = default;
  TChannel(const TChannel&) = delete;
  TChannel& operator=(const TChannel&) = delete;
  virtual ~TChannel() = default;
  // A stopped channel plays nothing more and ignores every further call.
  virtual void Stop() = 0;
  virtual void SetPaused(int paused) = 0;
  // Gain from 0 (silent) to 1 (full); higher values play at 1.
  virtual void SetVolume(float volume) = 0;
  virtual void SetPan(float pan) = 0;
  virtual void SetDepth(float depth) = 0;
  // Playback-rate factor, 1 normal; the pitch follows.
  virtual void SetRate(float rate) = 0;
  // 1 while playing (not paused, not finished).
  virtual int Playing() = 0;
};
