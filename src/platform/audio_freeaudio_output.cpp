#include "platform/audio_freeaudio_output.h"

#include <algorithm>

#include "platform/audio_freeaudio_channel.h"
#include "platform/debug_output.h"

std::shared_ptr<TFreeAudioOutput> TFreeAudioOutput::OpenDevice() {
  if (SDL_InitSubSystem(SDL_INIT_AUDIO) != 0) {
    DebugLog(std::string("SDL audio could not start: ") + SDL_GetError());
    return nullptr;
  }
  std::shared_ptr<TFreeAudioOutput> output(new TFreeAudioOutput());
  SDL_AudioSpec wanted{};
  wanted.freq = kHertz;
  wanted.format = AUDIO_S16SYS;
  wanted.channels = 2;
  wanted.samples = 1024;
  wanted.callback = FillAudio;
  wanted.userdata = &output->mixer_;
  SDL_AudioSpec obtained{};
  output->device_ = SDL_OpenAudioDevice(nullptr, 0, &wanted, &obtained, 0);
  if (output->device_ == 0) {
    DebugLog(std::string("SDL audio output could not be opened: ") + SDL_GetError());
    SDL_QuitSubSystem(SDL_INIT_AUDIO);
    return nullptr;
  }
  SDL_PauseAudioDevice(output->device_, 0);
  return output;
}

std::shared_ptr<TFreeAudioOutput> TFreeAudioOutput::OpenManual() {
  return std::shared_ptr<TFreeAudioOutput>(new TFreeAudioOutput());
}

TFreeAudioOutput::TFreeAudioOutput() : mixer_(kHertz) {}

TFreeAudioOutput::~TFreeAudioOutput() { Close(); }

void TFreeAudioOutput::Close() {
  if (device_ != 0) {
    SDL_CloseAudioDevice(device_);  // waits for the callback to return
    SDL_QuitSubSystem(SDL_INIT_AUDIO);
    device_ = 0;
  }
  mixer_.Close();
}

void SDLCALL TFreeAudioOutput::FillAudio(void* mixer, Uint8* stream, int length) {
  static_cast<TFreeAudioMixer*>(mixer)->Mix(reinterpret_cast<int16_t*>(stream),
                                            length / static_cast<int>(2 * sizeof(int16_t)));
}

TFreeAudioChannel& TFreeAudioOutput::TemporaryChannel() {
  auto idle = std::find_if(temporaries_.begin(), temporaries_.end(),
                           [](const std::unique_ptr<TFreeAudioChannel>& channel) { return !channel->Busy(); });
  if (idle == temporaries_.end()) {
    temporaries_.push_back(std::make_unique<TFreeAudioChannel>(*this, nullptr));
    return *temporaries_.back();
  }
  // The last sound's volume and rate must not carry over to the next one.
  (*idle)->ResetSettings();
  return **idle;
}
