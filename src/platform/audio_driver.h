// Audio drivers, the current one, and the functions the game plays sounds with.
#pragma once

#include <memory>
#include <string>
#include <vector>

#include "platform/audio_channel.h"
#include "platform/audio_sample.h"
#include "platform/stream.h"

class TAudioDriver {
 public:
  TAudioDriver() = default;
  TAudioDriver(const TAudioDriver&) = delete;
  TAudioDriver& operator=(const TAudioDriver&) = delete;
  virtual ~TAudioDriver() = default;

  virtual std::string Name() const = 0;
  // 1 when the output is open and sounds can play.
  virtual int Startup() = 0;
  virtual void Shutdown() = 0;
  // Never null: a driver that is not started gives silent sounds and channels.
  virtual std::unique_ptr<TSound> CreateSound(TAudioSample sample, int flags) = 0;
  virtual std::unique_ptr<TChannel> AllocChannel() = 0;
  // Decodes the location with the sample loaders, then CreateSound; none when undecodable.
  std::unique_ptr<TSound> LoadSound(const std::string& location, int flags);
};

// Adds a driver to the list SetAudioDriver looks in. The OpenAL drivers (one per output
// device, "OpenAL Default" and "OpenAL"), "FreeAudio" and the silent "Null$$" are there
// from the start.
void RegisterAudioDriver(std::unique_ptr<TAudioDriver> driver);
std::vector<std::string> AudioDriverNames();

// Shuts the current driver down, then starts the registered driver whose name equals name
// ignoring case and returns its Startup result. When there is no such driver, or it does not
// start, the silent driver becomes current and the result is 0.
int SetAudioDriver(const std::string& name);
// The current driver; the silent "Null$$" until one is set.
TAudioDriver& AudioDriver();
// Shuts the current driver down; the silent one is current afterwards.
void ShutdownAudio();

// Decoded by the sample loaders, then made a sound by the current driver. None when the
// source is missing or undecodable. Flags: kSoundLoop.
std::unique_ptr<TSound> LoadSound(const std::string& location, int flags);
std::unique_ptr<TSound> LoadSound(TStream& stream, int flags);
std::unique_ptr<TSound> LoadSound(TAudioSample sample, int flags);
// A channel the caller keeps (a static channel); releasing it stops it.
std::unique_ptr<TChannel> AllocChannel();
// Starts sound on channel, or on a temporary channel when channel is null; returns the
// channel used. With no sound nothing plays and a channel that ignores every call comes back.
TChannel* PlaySound(TSound* sound, TChannel* channel);
// Prepares sound on channel (or a temporary one) paused at its start.
TChannel* CueSound(TSound* sound, TChannel* channel);
