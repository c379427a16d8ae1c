// Particles: explosions, sparks, debris, smoke puffs, rings and menu fireworks. Cosmetic
// only; nothing in the race reads them.
#pragma once

#include <string>
#include <vector>

#include "platform/image.h"

class TParticle {
 public:
  // Kinds: 1 flare, 2 spark, 4 bits (four 4 x 4 frames), 8 ring, 16 ship picture.
  int typ = 0;
  // Kind 16: a ship's picture. Ships live for the whole run, so it never dangles.
  TImage* img_Ship = nullptr;
  float x = 0, y = 0;
  float xvel = 0, yvel = 0;
  float a = 0;
  float scale = 0;
  int r = 0, g = 0, b = 0;
  int im = 0;
  int birth = 0;

  // How many live particles still let one more be made ("maxparticles" in Engine.ini),
  // read once by SetUpParticleImage so that making a particle never reads a file.
  static int MaxParticles;
  // The kinds' pictures, loaded by SetUpParticleImage; null when missing.
  static ImagePtr img_Flare, img_Spark, img_Bits, img_Ring;

  // The live particles, in creation order.
  static std::vector<TParticle>& list();

  static void SetUpParticleImage();
  static void ClearAll();
  static void CreateParticle(int x, int y, float angle, float speed, float alpha, float scale, int r, int g, int b,
                             int typ, int im);
  static void Explosion(int x, int y, const std::string& colour, int typ, float size);
  static void Ring(int x, int y, const std::string& colour, float alpha);
  static void Energize(int x, int y, int typ, float radius, const std::string& colour, float size);
  static void Collision(int x, int y, float angle, float speed, const std::string& colour);
  static void Smoke(int x, int y, const std::string& colour, float angle, float speed, float alpha);
  static void Trail(int x, int y, const std::string& colour, float angle, float speed, float alpha, float scale,
                    int typ);
  static void UpdateParticlesAll();
  static void DrawParticlesAll(float tween);

  // One update of this particle; false when it has faded out.
  bool UpdateParticle();
  void DrawParticle() const;
  // The picture this particle is drawn with (null: nothing is drawn).
  TImage* Picture() const;

 private:
  // Set by the first particle made: until then there is no list to clear or count.
  static bool listMade;
};
