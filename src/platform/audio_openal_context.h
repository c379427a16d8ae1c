// An open OpenAL device and context with the pool of sources its channels share.
#pragma once

#include <cstdint>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "platform/audio_openal_library.h"

class TOpenALChannel;

class TOpenALContext {
 public:
  // Opens device (the default one when empty; then "Generic Hardware" and "Generic Software"
  // when fallbacks is set). Null when no device opens or no context can be made on it.
  static std::shared_ptr<TOpenALContext> OpenDevice(std::shared_ptr<const TOpenALLibrary> library,
                                                    const std::string& device, bool fallbacks);
  // A device that renders 16-bit stereo at hertz only when asked (RenderSamples). Null
  // without the loopback extension.
  static std::shared_ptr<TOpenALContext> OpenLoopback(std::shared_ptr<const TOpenALLibrary> library, int hertz);
  TOpenALContext(const TOpenALContext&) = delete;
  TOpenALContext& operator=(const TOpenALContext&) = delete;
  ~TOpenALContext();

  // Forgets the pool and the buffers, destroys the context and closes the device; channels and
  // sounds still held afterwards ignore every call.
  void Close();
  bool IsOpen() const { return context_ != nullptr; }
  const TOpenALLibrary& Al() const { return *library_; }

  // A pooled source ("Recycled OpenAL source N") or a new one ("Generated OpenAL source N"),
  // centred, at full gain and normal pitch; none when no source can be made.
  std::optional<ALuint> AcquireSource();
  // Stops the source, takes its buffer off and keeps it for the next channel.
  void ReleaseSource(ALuint source);
  // A temporary channel with a source: one whose sound has ended, or a new one.
  TOpenALChannel& TemporaryChannel();
  // A buffer holding the sample data ("Generated OpenAL buffer N"); none when OpenAL refuses.
  std::optional<ALuint> CreateBuffer(ALenum format, const void* data, ALsizei bytes, ALsizei hertz);
  // Takes the buffer off every source that holds it and deletes it ("Deleted OpenAL buffer N").
  void DeleteBuffer(ALuint buffer);
  // Loopback devices only: mixes count frames into frames (two 16-bit values each).
  bool RenderSamples(int16_t* frames, int count);

 private:
  TOpenALContext(std::shared_ptr<const TOpenALLibrary> library, ALCdevice* device, ALCcontext* context,
                 bool loopback);
  static std::shared_ptr<TOpenALContext> Start(std::shared_ptr<const TOpenALLibrary> library, ALCdevice* device,
                                               const ALCint* attributes, bool loopback);
  std::optional<ALuint> GenerateSource();
  void ResetSource(ALuint source);
  void ReclaimFinishedTemporaries();

  std::shared_ptr<const TOpenALLibrary> library_;
  ALCdevice* device_;
  ALCcontext* context_;
  bool loopback_;
  std::vector<ALuint> sources_;       // every source made, in use or not
  std::vector<ALuint> free_sources_;  // the pool
  std::vector<ALuint> buffers_;
  std::vector<std::unique_ptr<TOpenALChannel>> temporaries_;
};
