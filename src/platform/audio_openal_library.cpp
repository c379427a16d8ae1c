#include "platform/audio_openal_library.h"

#include <dlfcn.h>

std::shared_ptr<const TOpenALLibrary> TOpenALLibrary::Open(const std::string& file) {
  void* handle = dlopen(file.c_str(), RTLD_NOW | RTLD_LOCAL);
  if (!handle) return nullptr;
  std::shared_ptr<TOpenALLibrary> library(new TOpenALLibrary(handle));
  if (!library->LookUp()) return nullptr;
  return library;
}

TOpenALLibrary::~TOpenALLibrary() { dlclose(handle_); }

bool TOpenALLibrary::LookUp() {
  bool complete = true;
#define QX_OPENAL_LOOK_UP(name)                                       \
  name = reinterpret_cast<decltype(name)>(dlsym(handle_, #name)); \
  complete = complete && name != nullptr;
  QX_OPENAL_ENTRY_POINTS(QX_OPENAL_LOOK_UP)
#undef QX_OPENAL_LOOK_UP
  if (!complete) return false;
  if (alcIsExtensionPresent(nullptr, "ALC_SOFT_loopback")) {
    alcLoopbackOpenDeviceSOFT =
        reinterpret_cast<LPALCLOOPBACKOPENDEVICESOFT>(alcGetProcAddress(nullptr, "alcLoopbackOpenDeviceSOFT"));
    alcIsRenderFormatSupportedSOFT = reinterpret_cast<LPALCISRENDERFORMATSUPPORTEDSOFT>(
        alcGetProcAddress(nullptr, "alcIsRenderFormatSupportedSOFT"));
    alcRenderSamplesSOFT =
        reinterpret_cast<LPALCRENDERSAMPLESSOFT>(alcGetProcAddress(nullptr, "alcRenderSamplesSOFT"));
  }
  return true;
}

namespace {

// alcGetString lists devices as names ended by a zero, the list by a second zero.
std::vector<std::string> SplitDeviceList(const ALCchar* list) {
  std::vector<std::string> names;
  while (list && *list) {
    names.emplace_back(list);
    list += names.back().size() + 1;
  }
  return names;
}

}  // namespace

std::vector<std::string> TOpenALLibrary::OutputDevices() const {
  const bool all = alcIsExtensionPresent(nullptr, "ALC_ENUMERATE_ALL_EXT");
  return SplitDeviceList(alcGetString(nullptr, all ? ALC_ALL_DEVICES_SPECIFIER : ALC_DEVICE_SPECIFIER));
}

std::string TOpenALLibrary::DefaultDevice() const {
  const bool all = alcIsExtensionPresent(nullptr, "ALC_ENUMERATE_ALL_EXT");
  const ALCchar* name = alcGetString(nullptr, all ? ALC_DEFAULT_ALL_DEVICES_SPECIFIER : ALC_DEFAULT_DEVICE_SPECIFIER);
  return name ? name : "";
}
