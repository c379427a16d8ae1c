// The pictures and sounds every part of the race and the menus share, loaded once at
// start-up and kept until the program ends. A missing file leaves a null handle, which
// draws or plays nothing.
#pragma once

#include <memory>

#include "platform/audio_channel.h"
#include "platform/image.h"

using SoundPtr = std::unique_ptr<TSound>;

extern ImagePtr ImgLogo, ImgSplash1, ImgSplash2, ImgSplash3, ImgFlare, ImgGlowDot, ImgShield, ImgInstructions;
extern ImagePtr ImgContainer, ImgDamageMeter;
extern ImagePtr ImgLaser, ImgPlasma, ImgMine, ImgMissile, ImgCannon, ImgBomb;
extern ImagePtr ImgPlasma3, ImgLaser3, ImgTurbo, ImgWeaponShield;
extern ImagePtr ImgMedalSpecial, ImgMedalGold, ImgMedalSilver, ImgMedalBronze, ImgPadLock;
extern ImagePtr ImgQuitSmall, ImgBackSmall;

extern SoundPtr SndClick, SndOpen;
extern SoundPtr SndAchievement, SndBoost, SndWeaponPickUp, SndRecharge, SndThrust, SndExplosionSmall,
    SndExplosionMedium, SndExplosionLarge, SndGrid, SndCrashShip, SndCrashWall;
extern SoundPtr SndLaser, SndRicochet, SndPlasma, SndMine, SndMissile, SndCannon, SndShield, SndBomb;
extern SoundPtr VoiceCount1, VoiceCount2, VoiceCount3, VoiceGo;
extern SoundPtr VoiceDamageCritical, VoiceNewRecord, VoiceFinalLap, VoiceEliminated;
extern SoundPtr VoicePlasma, VoiceCannon, VoiceLaser, VoiceMines, VoiceMissile, VoiceShield, VoiceTurbo, VoiceBomb;

// Loads every shared picture and sound through the checked loaders; progress (0..1) is
// reported after each file when given. The terrain sounds loop.
void LoadGameMedia(void (*progress)(float done) = nullptr);
// Drops them all (before the audio driver or the window goes).
void FreeGameMedia();
