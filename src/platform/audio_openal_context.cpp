#include "platform/audio_openal_context.h"

#include <algorithm>
#include <utility>

#include "platform/audio_openal_channel.h"
#include "platform/debug_output.h"

std::shared_ptr<TOpenALContext> TOpenALContext::OpenDevice(std::shared_ptr<const TOpenALLibrary> library,
                                                           const std::string& device, bool fallbacks) {
  if (!library) return nullptr;
  ALCdevice* opened = library->alcOpenDevice(device.empty() ? nullptr : device.c_str());
  if (!opened && fallbacks) opened = library->alcOpenDevice("Generic Hardware");
  if (!opened && fallbacks) opened = library->alcOpenDevice("Generic Software");
  if (!opened) return nullptr;
  return Start(std::move(library), opened, nullptr, false);
}

std::shared_ptr<TOpenALContext> TOpenALContext::OpenLoopback(std::shared_ptr<const TOpenALLibrary> library,
                                                             int hertz) {
  if (!library || !library->alcLoopbackOpenDeviceSOFT || !library->alcRenderSamplesSOFT) return nullptr;
  ALCdevice* opened = library->alcLoopbackOpenDeviceSOFT(nullptr);
  if (!opened) return nullptr;
  const ALCint attributes[] = {ALC_FORMAT_CHANNELS_SOFT, ALC_STEREO_SOFT, ALC_FORMAT_TYPE_SOFT, ALC_SHORT_SOFT,
                               ALC_FREQUENCY, hertz, 0};
  return Start(std::move(library), opened, attributes, true);
}

std::shared_ptr<TOpenALContext> TOpenALContext::Start(std::shared_ptr<const TOpenALLibrary> library,
                                                      ALCdevice* device, const ALCint* attributes, bool loopback) {
  ALCcontext* context = library->alcCreateContext(device, attributes);
  if (!context) {
    library->alcCloseDevice(device);
    return nullptr;
  }
  library->alcMakeContextCurrent(context);
  library->alDistanceModel(AL_NONE);  // every sound plays at its own volume, wherever it is
  return std::shared_ptr<TOpenALContext>(new TOpenALContext(std::move(library), device, context, loopback));
}

TOpenALContext::TOpenALContext(std::shared_ptr<const TOpenALLibrary> library, ALCdevice* device,
                               ALCcontext* context, bool loopback)
    : library_(std::move(library)), device_(device), context_(context), loopback_(loopback) {}

TOpenALContext::~TOpenALContext() { Close(); }

void TOpenALContext::Close() {
  if (!context_) return;
  if (!sources_.empty()) library_->alDeleteSources(static_cast<ALsizei>(sources_.size()), sources_.data());
  sources_.clear();
  free_sources_.clear();
  if (!buffers_.empty()) library_->alDeleteBuffers(static_cast<ALsizei>(buffers_.size()), buffers_.data());
  buffers_.clear();
  library_->alcMakeContextCurrent(nullptr);
  library_->alcDestroyContext(context_);
  library_->alcCloseDevice(device_);
  context_ = nullptr;
  device_ = nullptr;
}

std::optional<ALuint> TOpenALContext::AcquireSource() {
  if (!IsOpen()) return std::nullopt;
  ReclaimFinishedTemporaries();
  if (!free_sources_.empty()) {
    const ALuint source = free_sources_.back();
    free_sources_.pop_back();
    ResetSource(source);
    DebugLog("Recycled OpenAL source " + std::to_string(source));
    return source;
  }
  return GenerateSource();
}

std::optional<ALuint> TOpenALContext::GenerateSource() {
  library_->alGetError();
  ALuint source = 0;
  library_->alGenSources(1, &source);
  if (library_->alGetError() != AL_NO_ERROR) {
    DebugLog("Failed to generate OpenAL source");
    return std::nullopt;
  }
  sources_.push_back(source);
  ResetSource(source);
  DebugLog("Generated OpenAL source " + std::to_string(source));
  return source;
}

void TOpenALContext::ResetSource(ALuint source) {
  // Centred on the listener, so no sound leans to one side.
  library_->alSourcei(source, AL_SOURCE_RELATIVE, AL_TRUE);
  library_->alSource3f(source, AL_POSITION, 0.0f, 0.0f, 1.0f);
  library_->alSourcef(source, AL_GAIN, 1.0f);
  library_->alSourcef(source, AL_PITCH, 1.0f);
  library_->alSourcei(source, AL_LOOPING, AL_FALSE);
}

void TOpenALContext::ReleaseSource(ALuint source) {
  if (!IsOpen()) return;
  library_->alSourceStop(source);
  library_->alSourcei(source, AL_BUFFER, 0);
  library_->alSourceRewind(source);
  free_sources_.push_back(source);
}

void TOpenALContext::ReclaimFinishedTemporaries() {
  for (auto& channel : temporaries_) channel->ReleaseSourceIfFinished();
}

TOpenALChannel& TOpenALContext::TemporaryChannel() {
  ReclaimFinishedTemporaries();
  auto idle = std::find_if(temporaries_.begin(), temporaries_.end(),
                           [](const std::unique_ptr<TOpenALChannel>& channel) { return !channel->HasSource(); });
  TOpenALChannel* channel = nullptr;
  if (idle != temporaries_.end()) {
    channel = idle->get();
  } else {
    temporaries_.push_back(std::make_unique<TOpenALChannel>(*this, nullptr));
    channel = temporaries_.back().get();
  }
  channel->TakeSource();
  return *channel;
}

std::optional<ALuint> TOpenALContext::CreateBuffer(ALenum format, const void* data, ALsizei bytes, ALsizei hertz) {
  if (!IsOpen()) return std::nullopt;
  library_->alGetError();
  ALuint buffer = 0;
  library_->alGenBuffers(1, &buffer);
  if (library_->alGetError() != AL_NO_ERROR) return std::nullopt;
  library_->alBufferData(buffer, format, data, bytes, hertz);
  if (library_->alGetError() != AL_NO_ERROR) {
    DebugLog("OpenAL refused the sample data for buffer " + std::to_string(buffer));
    library_->alDeleteBuffers(1, &buffer);
    return std::nullopt;
  }
  buffers_.push_back(buffer);
  DebugLog("Generated OpenAL buffer " + std::to_string(buffer));
  return buffer;
}

void TOpenALContext::DeleteBuffer(ALuint buffer) {
  if (!IsOpen()) return;
  // OpenAL refuses to delete a buffer that a source still holds.
  for (ALuint source : sources_) {
    ALint attached = 0;
    library_->alGetSourcei(source, AL_BUFFER, &attached);
    if (static_cast<ALuint>(attached) != buffer) continue;
    library_->alSourceStop(source);
    library_->alSourcei(source, AL_BUFFER, 0);
  }
  library_->alDeleteBuffers(1, &buffer);
  buffers_.erase(std::remove(buffers_.begin(), buffers_.end(), buffer), buffers_.end());
  DebugLog("Deleted OpenAL buffer " + std::to_string(buffer));
}

bool TOpenALContext::RenderSamples(int16_t* frames, int count) {
  if (!IsOpen() || !loopback_ || count <= 0) return false;
  library_->alcRenderSamplesSOFT(device_, frames, count);
  return true;
}
