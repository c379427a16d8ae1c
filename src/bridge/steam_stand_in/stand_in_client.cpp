// The stand-in client itself: start, stop, the notification registry and queue, the user.
#include <algorithm>
#include <cstring>

#include "bridge/steam_stand_in/stand_in_state.h"

namespace steam_stand_in {
namespace {

class StandInUser final : public SteamUserApi {
 public:
  uint64_t GetSteamID() override { return Client().userId; }
  bool LoggedOn() override { return Client().loggedOn; }
};

StandInUser user;

}  // namespace

ClientState& Client() {
  static ClientState state;
  return state;
}

SteamApiCall NextCall() { return ++Client().lastCall; }

uint64_t GameId() { return Client().appId & 0xFFFFFFu; }

void Reset() {
  const uint64_t lastCall = Client().lastCall;
  Client() = ClientState();
  Client().lastCall = lastCall;  // request handles stay unique for the whole process
}

void SetClientRunning(bool running) { Client().running = running; }

void SetAppId(uint32_t appId) { Client().appId = appId; }

void SetUser(uint64_t userId, bool loggedOn) {
  Client().userId = userId;
  Client().loggedOn = loggedOn;
}

void Post(int number, const void* payload, size_t size) {
  Notification notification;
  notification.number = number;
  const auto* bytes = static_cast<const unsigned char*>(payload);
  notification.payload.assign(bytes, bytes + size);
  Client().queue.push_back(std::move(notification));
}

size_t QueuedNotifications() { return Client().queue.size(); }

size_t RegisteredCallbacks() { return Client().callbacks.size(); }

bool Initialised() { return Client().initialised; }

}  // namespace steam_stand_in

using steam_stand_in::Client;

bool SteamAPI_Init() {
  if (!Client().running) return false;
  Client().initialised = true;
  return true;
}

// Drops what was still queued; registrations stay, as they do with the real client.
void SteamAPI_Shutdown() {
  Client().initialised = false;
  Client().queue.clear();
}

// Delivers what was queued before this call, each to every callback registered for its number.
void SteamAPI_RunCallbacks() {
  if (!Client().initialised) return;
  for (size_t count = Client().queue.size(); count > 0 && !Client().queue.empty(); --count) {
    const steam_stand_in::Notification notification = std::move(Client().queue.front());
    Client().queue.pop_front();
    const auto callbacks = Client().callbacks;  // a callback may register or unregister
    for (const auto& [callback, number] : callbacks) {
      if (number == notification.number) callback->Run(notification.payload.data());
    }
  }
}

void SteamAPI_RegisterCallback(SteamCallback* callback, int number) {
  Client().callbacks.emplace_back(callback, number);
}

void SteamAPI_UnregisterCallback(SteamCallback* callback) {
  std::erase_if(Client().callbacks, [callback](const auto& entry) { return entry.first == callback; });
}

SteamUserApi* SteamUser() { return Client().initialised ? &steam_stand_in::user : nullptr; }
