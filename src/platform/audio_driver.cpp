#include "platform/audio_driver.h"

#include <algorithm>
#include <cctype>
#include <utility>

#include "platform/audio_freeaudio_driver.h"
#include "platform/audio_null_driver.h"
#include "platform/audio_openal_driver.h"
#include "platform/audio_sample_loader.h"

namespace {

bool SameNameIgnoringCase(const std::string& a, const std::string& b) {
  return std::equal(a.begin(), a.end(), b.begin(), b.end(), [](char x, char y) {
    return std::tolower(static_cast<unsigned char>(x)) == std::tolower(static_cast<unsigned char>(y));
  });
}

// The class-level list of drivers. The built-in ones register when the list is first looked
// at, so a game that only ever uses the silent driver never opens OpenAL.
class DriverRegistry {
 public:
  DriverRegistry() = default;
  DriverRegistry(const DriverRegistry&) = delete;
  DriverRegistry& operator=(const DriverRegistry&) = delete;
  ~DriverRegistry() { ShutdownCurrent(); }

  void Add(std::unique_ptr<TAudioDriver> driver) {
    RegisterBuiltIns();
    if (driver) drivers_.push_back(std::move(driver));
  }

  TAudioDriver* Find(const std::string& name) {
    RegisterBuiltIns();
    if (SameNameIgnoringCase(silent_.Name(), name)) return &silent_;
    for (const auto& driver : drivers_) {
      if (SameNameIgnoringCase(driver->Name(), name)) return driver.get();
    }
    return nullptr;
  }

  std::vector<std::string> Names() {
    RegisterBuiltIns();
    std::vector<std::string> names;
    for (const auto& driver : drivers_) names.push_back(driver->Name());
    names.push_back(silent_.Name());
    return names;
  }

  void ShutdownCurrent() {
    if (current_) current_->Shutdown();
    current_ = nullptr;
  }

  int Select(const std::string& name) {
    ShutdownCurrent();
    TAudioDriver* driver = Find(name);
    const int started = driver ? driver->Startup() : 0;
    // A driver that cannot start would make every later call guess; silence is the fall-back.
    current_ = started ? driver : &silent_;
    return started;
  }

  TAudioDriver& Current() { return current_ ? *current_ : silent_; }

 private:
  void RegisterBuiltIns() {
    if (built_ins_registered_) return;
    built_ins_registered_ = true;
    AddOpenALDrivers(drivers_);
    AddFreeAudioDrivers(drivers_);
  }

  TNullAudioDriver silent_;
  std::vector<std::unique_ptr<TAudioDriver>> drivers_;
  bool built_ins_registered_ = false;
  TAudioDriver* current_ = nullptr;
};

DriverRegistry& Registry() {
  static DriverRegistry registry;
  return registry;
}

}  // namespace

std::unique_ptr<TSound> TAudioDriver::LoadSound(const std::string& location, int flags) {
  std::optional<TAudioSample> sample = LoadAudioSample(location);
  if (!sample) return nullptr;
  return CreateSound(std::move(*sample), flags);
}

std::unique_ptr<TSound> TSound::Load(const std::string& location, int flags) { return ::LoadSound(location, flags); }

void RegisterAudioDriver(std::unique_ptr<TAudioDriver> driver) { Registry().Add(std::move(driver)); }

std::vector<std::string> AudioDriverNames() { return Registry().Names(); }

int SetAudioDriver(const std::string& name) { return Registry().Select(name); }

TAudioDriver& AudioDriver() { return Registry().Current(); }

void ShutdownAudio() { Registry().ShutdownCurrent(); }

std::unique_ptr<TSound> LoadSound(const std::string& location, int flags) {
  return AudioDriver().LoadSound(location, flags);
}

std::unique_ptr<TSound> LoadSound(TStream& stream, int flags) {
  std::optional<TAudioSample> sample = LoadAudioSample(stream);
  if (!sample) return nullptr;
  return AudioDriver().CreateSound(std::move(*sample), flags);
}

std::unique_ptr<TSound> LoadSound(TAudioSample sample, int flags) {
  return AudioDriver().CreateSound(std::move(sample), flags);
}

std::unique_ptr<TChannel> AllocChannel() { return AudioDriver().AllocChannel(); }

TChannel* PlaySound(TSound* sound, TChannel* channel) {
  if (!sound) return channel ? channel : &SilentChannel();
  return sound->Play(channel);
}

TChannel* CueSound(TSound* sound, TChannel* channel) {
  if (!sound) return channel ? channel : &SilentChannel();
  return sound->Cue(channel);
}
