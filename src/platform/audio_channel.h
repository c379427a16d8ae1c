// The two handles the game holds of the audio layer: a sound ready to play and a voice.
// The drivers (OpenAL, the software mixer, the silent one) implement them.
#pragma once

class TChannel;

class TSound {
 public:
  virtual ~TSound() = default;
  // Starts the sound on channel (a temporary one when null) and returns the channel used.
  virtual TChannel* Play(TChannel* channel) = 0;
  // Prepares the sound on channel paused at its start; SetPaused(0) starts it.
  virtual TChannel* Cue(TChannel* channel) = 0;
};

class TChannel {
 public:
  virtual ~TChannel() = default;
  virtual void Stop() = 0;
  virtual void SetPaused(int paused) = 0;
  virtual void SetVolume(float volume) = 0;
  virtual void SetPan(float pan) = 0;
  virtual void SetDepth(float depth) = 0;
  virtual void SetRate(float rate) = 0;
  // 1 while playing (not paused, not finished).
  virtual int Playing() = 0;
};
