// OpenAL opened at run time: the game runs without it, and then offers no OpenAL driver.
#pragma once

#include <AL/al.h>
#include <AL/alc.h>
#include <AL/alext.h>

#include <memory>
#include <string>
#include <vector>

// The entry points the drivers call, looked up by their OpenAL names.
#define QX_OPENAL_ENTRY_POINTS(X)                                                                   \
  X(alcOpenDevice) X(alcCloseDevice) X(alcCreateContext) X(alcDestroyContext) X(alcMakeContextCurrent) \
  X(alcGetString) X(alcIsExtensionPresent) X(alcGetProcAddress) X(alcGetError)                      \
  X(alGenBuffers) X(alDeleteBuffers) X(alBufferData) X(alGenSources) X(alDeleteSources)             \
  X(alSourcei) X(alSourcef) X(alSource3f) X(alGetSourcei) X(alGetSourcef) X(alSourcePlay)           \
  X(alSourcePause) X(alSourceStop) X(alSourceRewind) X(alDistanceModel) X(alGetError)

class TOpenALLibrary {
 public:
  // Null when the library cannot be opened or lacks an entry point.
  static std::shared_ptr<const TOpenALLibrary> Open(const std::string& file = "libopenal.so.1");
  TOpenALLibrary(const TOpenALLibrary&) = delete;
  TOpenALLibrary& operator=(const TOpenALLibrary&) = delete;
  ~TOpenALLibrary();

#define QX_OPENAL_POINTER(name) decltype(&::name) name = nullptr;
  QX_OPENAL_ENTRY_POINTS(QX_OPENAL_POINTER)
#undef QX_OPENAL_POINTER

  // The loopback extension (rendering on demand, with no device); null where missing.
  LPALCLOOPBACKOPENDEVICESOFT alcLoopbackOpenDeviceSOFT = nullptr;
  LPALCISRENDERFORMATSUPPORTEDSOFT alcIsRenderFormatSupportedSOFT = nullptr;
  LPALCRENDERSAMPLESSOFT alcRenderSamplesSOFT = nullptr;

  // The names of the output devices, and the one the system prefers ("" when unknown).
  std::vector<std::string> OutputDevices() const;
  std::string DefaultDevice() const;

 private:
  explicit TOpenALLibrary(void* handle) : handle_(handle) {}
  bool LookUp();

  void* handle_;
};
