// The game's pictures: every one the game loads is made, at its size and in its format, the
// same bytes on every run, and each family looks the way the game draws it.
#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <fstream>
#include <iterator>
#include <map>
#include <set>
#include <sstream>

#include "pictures/catalogue.h"
#include "pictures/generate.h"
#include "raster/png_file.h"
#include "support/temp_folder.h"

namespace {

using pictures::CatalogueEntry;
using raster::PictureFormat;
using raster::PngPicture;

std::vector<CatalogueEntry> Catalogue() {
  std::vector<CatalogueEntry> entries;
  std::string error;
  EXPECT_TRUE(pictures::ReadCatalogue(QX_PICTURES_CATALOGUE, &entries, &error)) << error;
  return entries;
}

std::string BuiltPath(const CatalogueEntry& e) {
  return std::string(e.root == "embed" ? QX_PICTURES_EMBED_DIR : QX_GAME_DIR) + "/" + e.path;
}

PngPicture Load(const std::string& path) {
  PngPicture picture;
  std::string error;
  EXPECT_TRUE(raster::ReadPng(path, &picture, &error)) << error;
  return picture;
}

struct Rgba {
  int r, g, b, a;
};

Rgba At(const PngPicture& p, int x, int y) {
  const uint8_t* q = &p.pixels[(size_t(y) * size_t(p.width) + size_t(x)) * size_t(p.channels)];
  return {q[0], q[1], q[2], p.channels == 4 ? q[3] : 255};
}

bool IsMask(const Rgba& c) { return c.r == 255 && c.g == 0 && c.b == 255; }

std::string Bytes(const std::string& path) {
  std::ifstream in(path, std::ios::binary);
  return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

// Width and height from a JPEG's start-of-frame marker.
bool JpegSize(const std::string& bytes, int* width, int* height) {
  for (size_t i = 2; i + 9 < bytes.size();) {
    if (uint8_t(bytes[i]) != 0xFF) return false;
    const uint8_t marker = uint8_t(bytes[i + 1]);
    const size_t length = size_t(uint8_t(bytes[i + 2])) << 8 | uint8_t(bytes[i + 3]);
    if (marker >= 0xC0 && marker <= 0xC2) {
      *height = int(uint8_t(bytes[i + 5])) << 8 | uint8_t(bytes[i + 6]);
      *width = int(uint8_t(bytes[i + 7])) << 8 | uint8_t(bytes[i + 8]);
      return true;
    }
    i += 2 + length;
  }
  return false;
}

TEST(PictureCatalogue, HoldsEveryPictureTheGameLoads) {
  std::set<std::string> listed;
  for (const CatalogueEntry& e : Catalogue()) listed.insert(e.path);
  std::vector<std::string> wanted = {
      "Inc/Splash1.jpg", "Inc/Splash2.jpg", "Inc/Splash3.jpg", "Inc/Button1.png", "Inc/Button2.png",
      "Inc/Button3.png", "Inc/Instrucs.png", "Inc/glowing_dot.png", "Inc/Flare.png",
      "Media/Interface/Star.png", "Media/Interface/Super.png", "Media/Interface/Gold.png",
      "Media/Interface/Silver.png", "Media/Interface/Bronze.png", "Media/Interface/PadLock.png",
      "Skin/Graphics/Buttons/LogoQX.png", "Skin/Graphics/Buttons/QuitSmall.png", "Skin/Graphics/Buttons/BackSmall.png",
      "Media/Nations/NationIm_44.png", "Media/Nations/NationIm_49.png", "Media/Nations/NationIm_33.png",
      "Media/Achievements/Locked.png"};
  for (const char* weapon : {"Cannon", "Laser", "Plasma", "Missile", "Mine", "Bomb", "Plasma3", "Laser3", "Turbo",
                             "WeaponShield", "Shield", "Container", "DamageMeter", "Flare", "Spark", "Bits"}) {
    wanted.push_back(std::string("Media/Weapons/") + weapon + ".png");
  }
  for (int team = 1; team <= 12; ++team) wanted.push_back("Media/Cars/Car_" + std::to_string(team) + ".png");
  for (const char* name : {"Speed King", "Ace Pilot", "Survivor", "Eliminator", "Space Farer", "Specialist",
                           "Trophy Hunter", "Sharp Shooter", "Major Laser", "Plasmaster", "Heat Seeker",
                           "Minefield Mayhem", "Bomber", "Defender", "Hunter", "Bomb Disposal", "Pacifist", "Kamikaze",
                           "Mastery", "Completist"}) {
    std::string file = name;
    std::replace(file.begin(), file.end(), ' ', '_');
    wanted.push_back("Media/Achievements/" + file + ".png");
  }
  for (const std::string& path : wanted) EXPECT_TRUE(listed.count(path)) << path;
}

TEST(PictureCatalogue, RejectsAMalformedLineByNumber) {
  TempFolder folder;
  folder.Write("list.txt", "# comment\nships game Media/A.png 32 32 rgba\nships game Media/B.png 32 wide rgba\n");
  std::vector<CatalogueEntry> entries;
  std::string error;
  EXPECT_FALSE(pictures::ReadCatalogue(folder / "list.txt", &entries, &error));
  EXPECT_NE(error.find(":3:"), std::string::npos) << error;
}

TEST(PictureCatalogue, UnknownGroupOrPictureIsAFailureNotASilentSuccess) {
  TempFolder folder;
  std::stringstream errors;
  EXPECT_EQ(pictures::GenerateGroup(Catalogue(), "shps", {folder / "embed", folder / "game"}, errors), 1);
  EXPECT_NE(errors.str().find("shps"), std::string::npos);
  const std::vector<CatalogueEntry> unknown = {{"ships", "game", "Media/Cars/Car_13.png", 32, 32, PictureFormat::kRgba}};
  EXPECT_EQ(pictures::GenerateGroup(unknown, "ships", {folder / "embed", folder / "game"}, errors), 1);
  EXPECT_NE(errors.str().find("Car_13.png"), std::string::npos);
}

TEST(BuiltPictures, EveryPictureExistsWithItsSizeAndFormat) {
  for (const CatalogueEntry& e : Catalogue()) {
    SCOPED_TRACE(e.path);
    const std::string bytes = Bytes(BuiltPath(e));
    ASSERT_FALSE(bytes.empty()) << "missing " << BuiltPath(e);
    if (e.format == PictureFormat::kJpeg) {
      int w = 0, h = 0;
      ASSERT_TRUE(JpegSize(bytes, &w, &h));
      EXPECT_EQ(w, e.width);
      EXPECT_EQ(h, e.height);
      continue;
    }
    const PngPicture p = Load(BuiltPath(e));
    EXPECT_EQ(p.width, e.width);
    EXPECT_EQ(p.height, e.height);
    EXPECT_EQ(p.channels, e.format == PictureFormat::kRgba ? 4 : 3);
  }
}

TEST(BuiltPictures, GeneratorGivesTheSameBytesOnEveryRun) {
  // The build painted its copies in other processes: painting again here must match them.
  TempFolder again;
  const auto entries = Catalogue();
  std::stringstream errors;
  ASSERT_EQ(pictures::GenerateGroup(entries, "all", {again / "embed", again / "game"}, errors), 0) << errors.str();
  for (const CatalogueEntry& e : entries) {
    const std::string sub = (e.root == "embed" ? "embed/" : "game/") + e.path;
    EXPECT_EQ(Bytes(again / sub), Bytes(BuiltPath(e))) << e.path << " differs from the built copy";
  }
}

TEST(BuiltPictures, MaskedPicturesAreTransparentOnlyInTheExactMaskColour) {
  for (const CatalogueEntry& e : Catalogue()) {
    if (e.format != PictureFormat::kMasked) continue;
    SCOPED_TRACE(e.path);
    const PngPicture p = Load(BuiltPath(e));
    EXPECT_TRUE(IsMask(At(p, 0, 0)) && IsMask(At(p, p.width - 1, 0)) && IsMask(At(p, 0, p.height - 1)) &&
                IsMask(At(p, p.width - 1, p.height - 1)))
        << "corners should be transparent";
    int masked = 0, nearMask = 0;
    for (int y = 0; y < p.height; ++y) {
      for (int x = 0; x < p.width; ++x) {
        const Rgba c = At(p, x, y);
        if (IsMask(c)) ++masked;
        else if (c.r > 200 && c.g < 60 && c.b > 200) ++nearMask;  // a fringe that would show pink
      }
    }
    EXPECT_GT(masked, 0);
    EXPECT_LT(masked, p.width * p.height);
    EXPECT_EQ(nearMask, 0);
  }
}

TEST(BuiltPictures, LightPicturesFadeToTransparentBlackAtTheirEdges) {
  // Drawn additively and filtered: an edge that is not black and clear would show a frame.
  for (const CatalogueEntry& e : Catalogue()) {
    if (e.format != PictureFormat::kRgba || e.path == "Media/Weapons/Bits.png") continue;
    SCOPED_TRACE(e.path);
    const PngPicture p = Load(BuiltPath(e));
    for (auto [x, y] : {std::pair{0, 0}, {p.width - 1, 0}, {0, p.height - 1}, {p.width - 1, p.height - 1}}) {
      EXPECT_LE(At(p, x, y).a, 2) << x << "," << y;
    }
    for (const uint8_t* q = p.pixels.data(); q < p.pixels.data() + p.pixels.size(); q += 4) {
      if (q[3] == 0) {
        ASSERT_EQ(q[0] + q[1] + q[2], 0) << "a clear pixel carries colour";
      }
    }
  }
}

// The team colours of the default ship table.
const uint32_t kTeamColours[12] = {0xff6600, 0x0080ff, 0x00ffff, 0xce67e9, 0xffff00, 0xff7091,
                                   0x0080ff, 0x8000ff, 0x00f900, 0xd40000, 0x3fa971, 0xffffff};

PngPicture Ship(int team) { return Load(std::string(QX_GAME_DIR) + "/Media/Cars/Car_" + std::to_string(team) + ".png"); }

struct Tone {
  double hue = 0;         // degrees
  double saturation = 0;  // 0..1
};

Tone ToneOf(double r, double g, double b) {
  const double high = std::max({r, g, b}), low = std::min({r, g, b}), span = high - low;
  Tone t;
  t.saturation = high > 0 ? span / high : 0;
  if (span <= 0) return t;
  if (high == r) t.hue = 60 * std::fmod((g - b) / span + 6, 6.0);
  else if (high == g) t.hue = 60 * ((b - r) / span + 2);
  else t.hue = 60 * ((r - g) / span + 4);
  return t;
}

double HueDistance(double a, double b) {
  const double d = std::fabs(a - b);
  return std::min(d, 360 - d);
}

TEST(ShipPictures, EachShipIsPaintedInItsTeamColour) {
  // The coloured parts of each ship (not its glass, glints or engine cores) share its team's
  // hue, nearer to it than to any other team's; the white team's ship stays white.
  for (int team = 1; team <= 12; ++team) {
    SCOPED_TRACE("ship " + std::to_string(team));
    const PngPicture p = Ship(team);
    double hx = 0, hy = 0;
    int solid = 0, coloured = 0;
    for (int y = 0; y < p.height; ++y) {
      for (int x = 0; x < p.width; ++x) {
        const Rgba c = At(p, x, y);
        if (c.a < 128) continue;
        ++solid;
        const Tone tone = ToneOf(c.r, c.g, c.b);
        if (tone.saturation < 0.4) continue;
        ++coloured;
        hx += std::cos(tone.hue * M_PI / 180), hy += std::sin(tone.hue * M_PI / 180);
      }
    }
    ASSERT_GT(solid, p.width * p.height / 8) << "the ship should fill a good part of its picture";
    const uint32_t own = kTeamColours[team - 1];
    const Tone team_tone = ToneOf((own >> 16) & 255, (own >> 8) & 255, own & 255);
    if (team_tone.saturation < 0.1) {
      EXPECT_LT(coloured, solid / 10) << "a white ship should not be coloured";
      continue;
    }
    ASSERT_GT(coloured, solid / 3) << "much of the ship should carry its colour";
    const double hue = std::fmod(std::atan2(hy, hx) * 180 / M_PI + 360, 360);
    EXPECT_LT(HueDistance(hue, team_tone.hue), 12) << "ship hue " << hue;
    for (uint32_t other : kTeamColours) {
      const Tone t = ToneOf((other >> 16) & 255, (other >> 8) & 255, other & 255);
      if (t.saturation < 0.1 || HueDistance(t.hue, team_tone.hue) < 1) continue;
      EXPECT_LT(HueDistance(hue, team_tone.hue), HueDistance(hue, t.hue)) << "looks more like " << std::hex << other;
    }
  }
}

TEST(ShipPictures, EveryShipHasItsOwnShape) {
  // Ships 2 and 7 share a colour, so the outlines themselves must differ.
  for (int a = 1; a <= 12; ++a) {
    const PngPicture pa = Ship(a);
    for (int b = a + 1; b <= 12; ++b) {
      const PngPicture pb = Ship(b);
      int differing = 0;
      for (int y = 0; y < pa.height; ++y) {
        for (int x = 0; x < pa.width; ++x) differing += (At(pa, x, y).a >= 128) != (At(pb, x, y).a >= 128);
      }
      EXPECT_GT(differing, pa.width * pa.height / 20) << "ships " << a << " and " << b << " look alike";
    }
  }
}

TEST(HudPictures, DamageMeterLeavesTheBarClearAndFramesIt) {
  // The HUD draws the meter at (centre - 32, 69) and fills x 7..56, y 13..18 of it in red.
  const PngPicture p = Load(std::string(QX_GAME_DIR) + "/Media/Weapons/DamageMeter.png");
  for (int y = 13; y <= 18; ++y) {
    for (int x = 7; x <= 56; ++x) ASSERT_LT(At(p, x, y).a, 40) << x << "," << y;
  }
  EXPECT_GT(At(p, 32, 11).a, 128) << "frame above the bar";
  EXPECT_GT(At(p, 32, 20).a, 128) << "frame below the bar";
  EXPECT_GT(At(p, 5, 16).a, 128) << "frame left of the bar";
  EXPECT_GT(At(p, 58, 16).a, 128) << "frame right of the bar";
}

TEST(HudPictures, BitsSheetHoldsFourFramesOfDebris) {
  const PngPicture p = Load(std::string(QX_GAME_DIR) + "/Media/Weapons/Bits.png");
  for (int frame = 0; frame < 4; ++frame) {
    int lit = 0;
    for (int y = 0; y < 4; ++y) {
      for (int x = frame * 4; x < frame * 4 + 4; ++x) lit += At(p, x, y).a > 128;
    }
    EXPECT_GE(lit, 2) << "frame " << frame;
  }
}

TEST(HudPictures, GlowDotIsBrightestInTheMiddleOfItsMiddleColumn) {
  // Glow lines take their cross-section from the middle column.
  const PngPicture p = Load(std::string(QX_PICTURES_EMBED_DIR) + "/Inc/glowing_dot.png");
  const int x = p.width / 2;
  int previous = 256;
  for (int y = p.height / 2; y < p.height; ++y) {
    const int light = At(p, x, y).a;
    EXPECT_LE(light, previous) << "row " << y;
    previous = light;
  }
  EXPECT_GT(At(p, x, p.height / 2).a, 230);
  EXPECT_LT(At(p, x, p.height - 1).a, 8);
}

TEST(InterfacePictures, InstructionsLeaveTheControlListClear) {
  // The control names are written at x 0..430, y 420..530 of an 800 x 600 screen.
  const PngPicture p = Load(std::string(QX_PICTURES_EMBED_DIR) + "/Inc/Instrucs.png");
  for (int y = 410; y <= 540; ++y) {
    for (int x = 0; x <= 430; ++x) ASSERT_TRUE(IsMask(At(p, x, y))) << x << "," << y;
  }
}

}  // namespace
