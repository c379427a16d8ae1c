#include "shell/announcements.h"

#include "platform/audio_channel.h"
#include "shell/game_state.h"

void QueueAnnouncement(TSound* sound) { SoundQueue.push_back(sound); }

void PlayQueuedSounds() {
  if (SoundQueue.empty()) return;
  if (Channel3 && Channel3->Playing()) return;
  TSound* next = SoundQueue.front();
  SoundQueue.pop_front();
  // Without a channel or a sound nothing plays, but the queue still moves on, so it
  // cannot grow without end on a machine without audio.
  if (!Channel3 || !next) return;
  Channel3->SetVolume(FxVolume);
  Channel3->SetRate(0.9f);
  next->Play(Channel3);
}
