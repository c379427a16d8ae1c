#include "platform/audio_openal_driver.h"

#include <bit>
#include <utility>

#include "platform/audio_null_driver.h"
#include "platform/audio_openal_channel.h"

// OpenAL takes 16-bit samples in the machine's byte order; the sample formats it is given
// are the little-endian ones.
static_assert(std::endian::native == std::endian::little, "OpenAL sample upload assumes a little-endian machine");

TOpenALSound::TOpenALSound(std::shared_ptr<TOpenALContext> context, ALuint buffer, bool loop)
    : context_(std::move(context)), buffer_(buffer), loop_(loop) {}

TOpenALSound::~TOpenALSound() { context_->DeleteBuffer(buffer_); }

TOpenALChannel* TOpenALSound::Target(TChannel* channel) {
  if (!channel) return &context_->TemporaryChannel();
  auto* own = dynamic_cast<TOpenALChannel*>(channel);
  if (!own || &own->Context() != context_.get()) return nullptr;
  return own;
}

TChannel* TOpenALSound::Cue(TChannel* channel) {
  TOpenALChannel* target = Target(channel);
  if (!target) return channel;
  target->Attach(buffer_, loop_);
  return target;
}

TChannel* TOpenALSound::Play(TChannel* channel) {
  TOpenALChannel* target = Target(channel);
  if (!target) return channel;
  target->Attach(buffer_, loop_);
  target->SetPaused(0);
  return target;
}

TOpenALAudioDriver::TOpenALAudioDriver(std::shared_ptr<const TOpenALLibrary> library, std::string name,
                                       std::string device, bool fallbacks)
    : library_(std::move(library)), name_(std::move(name)), device_(std::move(device)), fallbacks_(fallbacks) {}

std::unique_ptr<TOpenALAudioDriver> TOpenALAudioDriver::Loopback(std::shared_ptr<const TOpenALLibrary> library,
                                                                 std::string name, int hertz) {
  auto driver = std::make_unique<TOpenALAudioDriver>(std::move(library), std::move(name), "");
  driver->loopback_ = true;
  driver->loopback_hertz_ = hertz;
  return driver;
}

TOpenALAudioDriver::~TOpenALAudioDriver() { Shutdown(); }

int TOpenALAudioDriver::Startup() {
  if (Started()) return 1;
  if (loopback_) {
    context_ = TOpenALContext::OpenLoopback(library_, loopback_hertz_);
  } else {
    context_ = TOpenALContext::OpenDevice(library_, device_, fallbacks_);
  }
  return Started() ? 1 : 0;
}

void TOpenALAudioDriver::Shutdown() {
  if (context_) context_->Close();
  context_.reset();
}

namespace {

// The OpenAL format for a sample format that needs no conversion, 0 for the big-endian ones.
ALenum OpenALFormat(int format) {
  switch (format) {
    case kSampleMono8: return AL_FORMAT_MONO8;
    case kSampleMono16LE: return AL_FORMAT_MONO16;
    case kSampleStereo8: return AL_FORMAT_STEREO8;
    case kSampleStereo16LE: return AL_FORMAT_STEREO16;
    default: return 0;
  }
}

int NearestOpenALFormat(int format) {
  if (format == kSampleMono16BE) return kSampleMono16LE;
  if (format == kSampleStereo16BE) return kSampleStereo16LE;
  return format;
}

}  // namespace

std::unique_ptr<TSound> TOpenALAudioDriver::CreateSound(TAudioSample sample, int flags) {
  if (!Started()) return std::make_unique<TNullSound>();
  if (OpenALFormat(sample.format) == 0) {
    std::optional<TAudioSample> converted = sample.Convert(NearestOpenALFormat(sample.format));
    if (!converted) return std::make_unique<TNullSound>();
    sample = std::move(*converted);
  }
  std::optional<ALuint> buffer = context_->CreateBuffer(OpenALFormat(sample.format), sample.samples,
                                                        static_cast<ALsizei>(sample.ByteCount()), sample.hertz);
  if (!buffer) return std::make_unique<TNullSound>();
  return std::make_unique<TOpenALSound>(context_, *buffer, (flags & kSoundLoop) != 0);
}

std::unique_ptr<TChannel> TOpenALAudioDriver::AllocChannel() {
  if (!Started()) return std::make_unique<TNullChannel>();
  return std::make_unique<TOpenALChannel>(*context_, context_);
}

bool TOpenALAudioDriver::RenderSamples(int16_t* frames, int count) {
  return Started() && context_->RenderSamples(frames, count);
}

void AddOpenALDrivers(std::vector<std::unique_ptr<TAudioDriver>>& drivers, const std::string& library_file) {
  std::shared_ptr<const TOpenALLibrary> library = TOpenALLibrary::Open(library_file);
  if (!library) return;
  drivers.push_back(std::make_unique<TOpenALAudioDriver>(library, "OpenAL", "", true));
  for (const std::string& device : library->OutputDevices()) {
    drivers.push_back(std::make_unique<TOpenALAudioDriver>(library, "OpenAL " + device, device));
  }
  const std::string default_device = library->DefaultDevice();
  drivers.push_back(std::make_unique<TOpenALAudioDriver>(library, "OpenAL Default", default_device));
}
