// What the toolkit reads of the mouse and keyboard. The game's input layer feeds it
// (kui_PlatformInput); tests drive the toolkit through an input of their own.
#pragma once

class kui_TInput {
 public:
  virtual ~kui_TInput() = default;
  virtual int MouseX() = 0;
  virtual int MouseY() = 0;
  // The wheel position: the sum of its steps, positive away from the user.
  virtual int MouseZ() = 0;
  virtual int MouseDown(int button) = 0;
  // Presses of a Windows virtual-key code since last asked.
  virtual int KeyHit(int code) = 0;
  // The oldest typed character, 0 when none waits.
  virtual int GetChar() = 0;
  virtual void FlushKeys() = 0;
  virtual void ShowPointer(bool visible) = 0;
};

// Reads nothing: no pointer, no keys. The toolkit starts with it where no input layer is built.
class kui_TNoInput : public kui_TInput {
 public:
  int MouseX() override { return -1; }
  int MouseY() override { return -1; }
  int MouseZ() override { return 0; }
  int MouseDown(int) override { return 0; }
  int KeyHit(int) override { return 0; }
  int GetChar() override { return 0; }
  void FlushKeys() override {}
  void ShowPointer(bool) override {}
};

// What the toolkit reads until told otherwise: the game's input layer when it is built in.
kui_TInput& kui_DefaultInput();
