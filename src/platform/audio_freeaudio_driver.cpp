#include "platform/audio_freeaudio_driver.h"

#include <utility>

#include "platform/audio_freeaudio_channel.h"
#include "platform/audio_null_driver.h"

TFreeAudioSound::TFreeAudioSound(std::shared_ptr<TFreeAudioOutput> output, std::shared_ptr<const TAudioSample> sample,
                                 bool loop)
    : output_(std::move(output)), sample_(std::move(sample)), loop_(loop) {}

TFreeAudioChannel* TFreeAudioSound::Target(TChannel* channel) {
  if (!channel) return &output_->TemporaryChannel();
  auto* own = dynamic_cast<TFreeAudioChannel*>(channel);
  if (!own || &own->Output() != output_.get()) return nullptr;
  return own;
}

TChannel* TFreeAudioSound::Cue(TChannel* channel) {
  TFreeAudioChannel* target = Target(channel);
  if (!target) return channel;
  target->Attach(sample_, loop_);
  return target;
}

TChannel* TFreeAudioSound::Play(TChannel* channel) {
  TFreeAudioChannel* target = Target(channel);
  if (!target) return channel;
  target->Attach(sample_, loop_);
  target->SetPaused(0);
  return target;
}

TFreeAudioAudioDriver::TFreeAudioAudioDriver(std::string name, Output output)
    : name_(std::move(name)), output_kind_(output) {}

TFreeAudioAudioDriver::~TFreeAudioAudioDriver() { Shutdown(); }

int TFreeAudioAudioDriver::Startup() {
  if (!output_) output_ = output_kind_ == Output::Device ? TFreeAudioOutput::OpenDevice() : TFreeAudioOutput::OpenManual();
  return output_ ? 1 : 0;
}

void TFreeAudioAudioDriver::Shutdown() {
  if (output_) output_->Close();
  output_.reset();
}

std::unique_ptr<TSound> TFreeAudioAudioDriver::CreateSound(TAudioSample sample, int flags) {
  if (!output_) return std::make_unique<TNullSound>();
  // The mixer reads 16-bit little-endian frames only.
  const int mixable = SampleFormatChannels(sample.format) == 2 ? kSampleStereo16LE : kSampleMono16LE;
  if (sample.format != mixable || sample.capacity < 0) {
    std::optional<TAudioSample> converted = sample.Convert(mixable);
    if (!converted) return std::make_unique<TNullSound>();
    sample = std::move(*converted);
  }
  auto shared = std::make_shared<const TAudioSample>(std::move(sample));
  return std::make_unique<TFreeAudioSound>(output_, std::move(shared), (flags & kSoundLoop) != 0);
}

std::unique_ptr<TChannel> TFreeAudioAudioDriver::AllocChannel() {
  if (!output_) return std::make_unique<TNullChannel>();
  return std::make_unique<TFreeAudioChannel>(*output_, output_);
}

void AddFreeAudioDrivers(std::vector<std::unique_ptr<TAudioDriver>>& drivers) {
  drivers.push_back(std::make_unique<TFreeAudioAudioDriver>("FreeAudio"));
}
