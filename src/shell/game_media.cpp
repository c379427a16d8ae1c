#include "shell/game_media.h"

#include <string>
#include <vector>

#include "shell/asset_loaders.h"

ImagePtr ImgLogo, ImgSplash1, ImgSplash2, ImgSplash3, ImgFlare, ImgGlowDot, ImgShield, ImgInstructions;
ImagePtr ImgContainer, ImgDamageMeter;
ImagePtr ImgLaser, ImgPlasma, ImgMine, ImgMissile, ImgCannon, ImgBomb;
ImagePtr ImgPlasma3, ImgLaser3, ImgTurbo, ImgWeaponShield;
ImagePtr ImgMedalSpecial, ImgMedalGold, ImgMedalSilver, ImgMedalBronze, ImgPadLock;
ImagePtr ImgQuitSmall, ImgBackSmall;

SoundPtr SndClick, SndOpen;
SoundPtr SndAchievement, SndBoost, SndWeaponPickUp, SndRecharge, SndThrust, SndExplosionSmall, SndExplosionMedium,
    SndExplosionLarge, SndGrid, SndCrashShip, SndCrashWall;
SoundPtr SndLaser, SndRicochet, SndPlasma, SndMine, SndMissile, SndCannon, SndShield, SndBomb;
SoundPtr VoiceCount1, VoiceCount2, VoiceCount3, VoiceGo;
SoundPtr VoiceDamageCritical, VoiceNewRecord, VoiceFinalLap, VoiceEliminated;
SoundPtr VoicePlasma, VoiceCannon, VoiceLaser, VoiceMines, VoiceMissile, VoiceShield, VoiceTurbo, VoiceBomb;

namespace {

enum class Handle { kNone, kMid, kTop };

struct PictureEntry {
  ImagePtr* image;
  const char* path;
  Handle handle;
};

struct SoundEntry {
  SoundPtr* sound;
  const char* path;
  int flags;
};

const std::vector<PictureEntry>& Pictures() {
  static const std::vector<PictureEntry> pictures = {
      {&ImgLogo, "Skin/Graphics/Buttons/LogoQX.png", Handle::kNone},
      {&ImgSplash1, "incbin::Inc/Splash1.jpg", Handle::kNone},
      {&ImgSplash2, "incbin::Inc/Splash2.jpg", Handle::kNone},
      {&ImgSplash3, "incbin::Inc/Splash3.jpg", Handle::kNone},
      {&ImgFlare, "incbin::Inc/Flare.png", Handle::kNone},
      {&ImgGlowDot, "incbin::Inc/glowing_dot.png", Handle::kNone},
      {&ImgShield, "Media/Weapons/Shield.png", Handle::kMid},
      {&ImgInstructions, "incbin::Inc/Instrucs.png", Handle::kNone},
      {&ImgContainer, "Media/Weapons/Container.png", Handle::kMid},
      {&ImgDamageMeter, "Media/Weapons/DamageMeter.png", Handle::kNone},
      {&ImgLaser, "Media/Weapons/Laser.png", Handle::kMid},
      {&ImgPlasma, "Media/Weapons/Plasma.png", Handle::kMid},
      {&ImgMine, "Media/Weapons/Mine.png", Handle::kMid},
      {&ImgMissile, "Media/Weapons/Missile.png", Handle::kMid},
      {&ImgCannon, "Media/Weapons/Cannon.png", Handle::kMid},
      {&ImgBomb, "Media/Weapons/Bomb.png", Handle::kMid},
      {&ImgPlasma3, "Media/Weapons/Plasma3.png", Handle::kMid},
      {&ImgLaser3, "Media/Weapons/Laser3.png", Handle::kMid},
      {&ImgTurbo, "Media/Weapons/Turbo.png", Handle::kMid},
      {&ImgWeaponShield, "Media/Weapons/WeaponShield.png", Handle::kMid},
      {&ImgMedalSpecial, "Media/Interface/Super.png", Handle::kTop},
      {&ImgMedalGold, "Media/Interface/Gold.png", Handle::kTop},
      {&ImgMedalSilver, "Media/Interface/Silver.png", Handle::kTop},
      {&ImgMedalBronze, "Media/Interface/Bronze.png", Handle::kTop},
      {&ImgPadLock, "Media/Interface/PadLock.png", Handle::kTop},
      {&ImgQuitSmall, "Skin/Graphics/Buttons/QuitSmall.png", Handle::kNone},
      {&ImgBackSmall, "Skin/Graphics/Buttons/BackSmall.png", Handle::kNone},
  };
  return pictures;
}

const std::vector<SoundEntry>& Sounds() {
  static const std::vector<SoundEntry> sounds = {
      {&SndClick, "Skin/Sounds/Click.ogg", 0},
      {&SndOpen, "Skin/Sounds/Open.ogg", 0},
      {&SndAchievement, "Media/Sounds/Achievement.ogg", 0},
      {&SndBoost, "Media/Sounds/Boost.ogg", 0},
      {&SndWeaponPickUp, "Media/Sounds/WeaponPickUp.ogg", 0},
      // The three terrain sounds follow a ship for as long as it stays on one surface.
      {&SndRecharge, "Media/Sounds/Recharge.ogg", kSoundLoop},
      {&SndThrust, "Media/Sounds/Thrust.ogg", kSoundLoop},
      {&SndExplosionSmall, "Media/Sounds/Explosion_Small.ogg", 0},
      {&SndExplosionMedium, "Media/Sounds/Explosion_Medium.ogg", 0},
      {&SndExplosionLarge, "Media/Sounds/Explosion_Large.ogg", 0},
      {&SndGrid, "Media/Sounds/Grid.ogg", kSoundLoop},
      {&SndCrashShip, "Media/Sounds/Crash_Ship.ogg", 0},
      {&SndCrashWall, "Media/Sounds/Crash_Wall.ogg", 0},
      {&SndLaser, "Media/Sounds/Laser.ogg", 0},
      {&SndRicochet, "Media/Sounds/Ricochet.ogg", 0},
      {&SndPlasma, "Media/Sounds/Plasma.ogg", 0},
      {&SndMine, "Media/Sounds/Mine.ogg", 0},
      {&SndMissile, "Media/Sounds/Missile.ogg", 0},
      {&SndCannon, "Media/Sounds/Cannon.ogg", 0},
      {&SndShield, "Media/Sounds/Shield.ogg", 0},
      {&SndBomb, "Media/Sounds/Bomb.ogg", 0},
      {&VoiceCount1, "Media/Sounds/Voice/1.ogg", 0},
      {&VoiceCount2, "Media/Sounds/Voice/2.ogg", 0},
      {&VoiceCount3, "Media/Sounds/Voice/3.ogg", 0},
      {&VoiceGo, "Media/Sounds/Voice/go.ogg", 0},
      {&VoiceDamageCritical, "Media/Sounds/Voice/damagecritical.ogg", 0},
      {&VoiceNewRecord, "Media/Sounds/Voice/newrecord.ogg", 0},
      {&VoiceFinalLap, "Media/Sounds/Voice/finallap.ogg", 0},
      {&VoiceEliminated, "Media/Sounds/Voice/eliminated.ogg", 0},
      {&VoicePlasma, "Media/Sounds/Voice/plasma.ogg", 0},
      {&VoiceCannon, "Media/Sounds/Voice/cannon.ogg", 0},
      {&VoiceLaser, "Media/Sounds/Voice/laser.ogg", 0},
      {&VoiceMines, "Media/Sounds/Voice/mines.ogg", 0},
      {&VoiceMissile, "Media/Sounds/Voice/missile.ogg", 0},
      {&VoiceShield, "Media/Sounds/Voice/shield.ogg", 0},
      {&VoiceTurbo, "Media/Sounds/Voice/turbo.ogg", 0},
      {&VoiceBomb, "Media/Sounds/Voice/bomb.ogg", 0},
  };
  return sounds;
}

void SetHandle(TImage* image, Handle handle) {
  if (!image) return;
  if (handle == Handle::kMid) MidHandleImage(image);
  if (handle == Handle::kTop) SetImageHandle(image, static_cast<float>(ImageWidth(image) / 2), 0.0f);
}

}  // namespace

void LoadGameMedia(void (*progress)(float done)) {
  const auto& pictures = Pictures();
  const auto& sounds = Sounds();
  const float total = static_cast<float>(pictures.size() + sounds.size());
  int done = 0;
  for (const auto& entry : pictures) {
    *entry.image = LoadImageChecked(entry.path);
    SetHandle(entry.image->get(), entry.handle);
    if (progress) progress(static_cast<float>(++done) / total);
  }
  for (const auto& entry : sounds) {
    *entry.sound = LoadSoundChecked(entry.path, entry.flags);
    if (progress) progress(static_cast<float>(++done) / total);
  }
}

void FreeGameMedia() {
  for (const auto& entry : Pictures()) entry.image->reset();
  for (const auto& entry : Sounds()) entry.sound->reset();
}
