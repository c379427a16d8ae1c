#include "race/screen_message.h"

#include "platform/draw_state.h"
#include "shell/draw_helpers.h"
#include "shell/game_state.h"
#include "shell/log.h"

bool TScreenMessage::listMade = false;

namespace {

// A message waits this long after the one before it at the same place has gone.
constexpr int kQueueGapMs = 500;

}  // namespace

std::vector<TScreenMessage>& TScreenMessage::list() {
  static std::vector<TScreenMessage> messages;
  return messages;
}

void TScreenMessage::Create(int x, int y, const std::string& message, int delaytime, float scale) {
  TScreenMessage created;
  created.x = x;
  created.y = y;
  created.message = message;
  created.starttime = GameTime;
  created.delaytime = delaytime;
  created.finishtime = GameTime + delaytime;
  created.alfa = 1;
  created.scl = scale;
  if (!listMade) {
    listMade = true;
    list().reserve(16);
  }
  list().push_back(created);
  Log("Create message: " + message);
}

void TScreenMessage::DrawAll() {
  std::vector<TScreenMessage>& messages = list();
  int previousFinish = 0, previousX = 0, previousY = 0;
  size_t kept = 0;
  for (size_t k = 0; k < messages.size(); ++k) {
    TScreenMessage& message = messages[k];
    if (message.starttime < previousFinish && message.x == previousX && message.y == previousY) {
      message.starttime = previousFinish + kQueueGapMs;
      message.finishtime = message.starttime + message.delaytime;
    }
    previousFinish = message.finishtime;
    previousX = message.x;
    previousY = message.y;
    if (!message.Draw()) continue;
    if (kept != k) messages[kept] = std::move(message);
    ++kept;
  }
  messages.resize(kept);
  SetScale(1, 1);
  SetAlpha(1);
}

void TScreenMessage::ClearAll() {
  if (!listMade) return;
  Log("TScreenMessage.ClearAll");
  for (TScreenMessage& message : list()) message.message.clear();
  list().clear();
}

int TScreenMessage::LifeUnit() const {
  const int unit = (finishtime - starttime) / 100;
  return unit == 0 ? 1 : unit;
}

float TScreenMessage::CurrentScale() const {
  return scl + float(GameTime - starttime) / float(LifeUnit()) / 200.0f;
}

void TScreenMessage::UpdateAlpha() {
  const int unit = LifeUnit();
  const int t = GameTime - starttime;
  if (t < 25 * unit) {
    alfa = float(t) / float(unit) / 25.0f;
  } else if (t > 75 * unit) {
    alfa = float(finishtime - GameTime) / float(unit) / 25.0f;
  } else {
    // Full in between: a frame that skipped the end of the fade-in must not leave the
    // message dim (or, when first drawn at its start, invisible) until the fade-out.
    alfa = 1;
  }
}

bool TScreenMessage::Draw() {
  if (GameTime < starttime) return true;
  if (GameTime > finishtime) return false;
  UpdateAlpha();
  if (!message.empty()) {
    SetColor(255, 255, 255);
    // Drawn at the fading alpha: a fixed alpha of 1 here would hide the fades.
    DrawTextAligned(message, float(x), float(y), 1, 1, CurrentScale(), alfa);
  }
  return true;
}
