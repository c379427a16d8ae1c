// Short floating texts on the screen ("3", "GO!", a weapon's name) that fade in, grow and
// fade out; messages at one place wait for each other.
#pragma once

#include <string>
#include <vector>

class TScreenMessage {
 public:
  int x = 0, y = 0;
  std::string message;
  int starttime = 0, delaytime = 0, finishtime = 0;
  float alfa = 0;
  float scl = 0;

  static std::vector<TScreenMessage>& list();
  static void Create(int x, int y, const std::string& message, int delaytime, float scale);
  static void DrawAll();
  static void ClearAll();
  // Draws this message; false once it has finished and must leave the list.
  bool Draw();
  // The size the message is drawn at now: it grows by half over its life.
  float CurrentScale() const;

 private:
  // Set by the first message: until then there is no list to clear.
  static bool listMade;
  // The time unit of the fades: a hundredth of the message's life, at least 1 ms.
  int LifeUnit() const;
  void UpdateAlpha();
};
