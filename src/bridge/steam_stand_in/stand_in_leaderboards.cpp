// Leaderboards and the player count of the stand-in client.
#include <algorithm>
#include <cstring>

#include "bridge/steam_stand_in/stand_in_state.h"
#include "bridge/steam_stand_in/stand_in_user_stats.h"

namespace steam_stand_in {
namespace {

std::optional<size_t> BoardIndex(const char* name) {
  if (!name) return std::nullopt;
  const auto& boards = Client().leaderboards;
  const auto found = std::find_if(boards.begin(), boards.end(), [name](const Leaderboard& board) {
    return board.name == name;
  });
  if (found == boards.end()) return std::nullopt;
  return static_cast<size_t>(found - boards.begin());
}

SteamApiCall QueueFindResult(std::optional<size_t> index) {
  SteamLeaderboardFindResult result{};
  result.leaderboard = index ? HandleOf(*index) : 0;
  result.found = index ? 1 : 0;
  Queue(result);
  return NextCall();
}

// Rank of the user's entry (from 1), or 0 when the user has none.
int32_t UserRank(const Leaderboard& board) {
  for (size_t index = 0; index < board.entries.size(); ++index) {
    if (board.entries[index].userId == Client().userId) return static_cast<int32_t>(index + 1);
  }
  return 0;
}

// Global: ranks rangeStart to rangeEnd. Around the user: the user's rank plus the range
// (nothing when the user has no entry). Friends: everyone, as the stand-in has no friends list.
std::vector<DownloadedEntry> SelectEntries(const Leaderboard& board, int kind, int rangeStart, int rangeEnd) {
  int32_t first = 1;
  int32_t last = static_cast<int32_t>(board.entries.size());
  if (kind == kSteamDownloadGlobal) {
    first = rangeStart;
    last = rangeEnd;
  } else if (kind == kSteamDownloadAroundUser) {
    const int32_t rank = UserRank(board);
    if (rank == 0) return {};
    first = rank + rangeStart;
    last = rank + rangeEnd;
  }
  std::vector<DownloadedEntry> selected;
  for (int32_t rank = std::max(first, 1); rank <= last && rank <= static_cast<int32_t>(board.entries.size()); ++rank) {
    selected.push_back(DownloadedEntry{rank, board.entries[static_cast<size_t>(rank - 1)]});
  }
  return selected;
}

bool Improves(const Leaderboard& board, int method, int32_t score, int32_t old) {
  if (method == kSteamUploadForceUpdate) return score != old;
  return board.sortMethod == kSteamSortAscending ? score < old : score > old;
}

}  // namespace

SteamLeaderboard HandleOf(size_t index) { return kFirstLeaderboard + index; }

Leaderboard* FindBoard(SteamLeaderboard handle) {
  if (handle < kFirstLeaderboard || handle - kFirstLeaderboard >= Client().leaderboards.size()) return nullptr;
  return &Client().leaderboards[handle - kFirstLeaderboard];
}

void Rank(Leaderboard& board) {
  const bool ascending = board.sortMethod == kSteamSortAscending;
  std::stable_sort(board.entries.begin(), board.entries.end(), [ascending](const Entry& a, const Entry& b) {
    return ascending ? a.score < b.score : a.score > b.score;
  });
}

SteamApiCall StandInUserStats::FindOrCreateLeaderboard(const char* name, int sortMethod, int /*displayType*/) {
  if (!Client().initialised || !name) return 0;
  if (!BoardIndex(name)) DefineLeaderboard(name, sortMethod);
  return QueueFindResult(BoardIndex(name));
}

SteamApiCall StandInUserStats::FindLeaderboard(const char* name) {
  if (!Client().initialised || !name) return 0;
  return QueueFindResult(BoardIndex(name));
}

const char* StandInUserStats::GetLeaderboardName(SteamLeaderboard leaderboard) {
  const Leaderboard* board = FindBoard(leaderboard);
  return board ? board->name.c_str() : "";
}

int StandInUserStats::GetLeaderboardEntryCount(SteamLeaderboard leaderboard) {
  const Leaderboard* board = FindBoard(leaderboard);
  return board ? static_cast<int>(board->entries.size()) : 0;
}

SteamApiCall StandInUserStats::DownloadLeaderboardEntries(SteamLeaderboard leaderboard, int kind, int rangeStart,
                                                          int rangeEnd) {
  const Leaderboard* board = FindBoard(leaderboard);
  if (!Client().initialised || !board) return 0;
  const SteamLeaderboardEntries entries = NextCall();
  Client().downloads[entries] = SelectEntries(*board, kind, rangeStart, rangeEnd);
  Queue(SteamLeaderboardScoresDownloaded{leaderboard, entries,
                                         static_cast<int32_t>(Client().downloads[entries].size())});
  return NextCall();
}

bool StandInUserStats::GetDownloadedLeaderboardEntry(SteamLeaderboardEntries entries, int index,
                                                     SteamLeaderboardEntry* entry, int32_t* details, int detailsMax) {
  const auto found = Client().downloads.find(entries);
  if (found == Client().downloads.end() || index < 0 || static_cast<size_t>(index) >= found->second.size()) {
    return false;
  }
  const DownloadedEntry& downloaded = found->second[static_cast<size_t>(index)];
  const std::vector<int32_t>& values = downloaded.entry.details;
  *entry = SteamLeaderboardEntry{downloaded.entry.userId, downloaded.rank, downloaded.entry.score,
                                 static_cast<int32_t>(values.size())};
  if (details && detailsMax > 0) {
    std::copy_n(values.begin(), std::min(values.size(), static_cast<size_t>(detailsMax)), details);
  }
  return true;
}

// Keeps the user's best (or, when forced, latest) score and reports the ranks before and after.
SteamApiCall StandInUserStats::UploadLeaderboardScore(SteamLeaderboard leaderboard, int method, int32_t score,
                                                      const int32_t* details, int detailCount) {
  Leaderboard* board = FindBoard(leaderboard);
  if (!Client().initialised || !board) return 0;
  std::vector<int32_t> values;
  if (details && detailCount > 0) values.assign(details, details + detailCount);
  Client().lastUpload = Upload{board->name, method, score, values};
  SteamLeaderboardScoreUploaded result{};
  result.leaderboard = leaderboard;
  result.score = score;
  if (Client().uploadSucceeds) {
    result.success = 1;
    result.globalRankPrevious = UserRank(*board);
    Entry* own = result.globalRankPrevious ? &board->entries[static_cast<size_t>(result.globalRankPrevious - 1)]
                                           : nullptr;
    result.scoreChanged = !own || Improves(*board, method, score, own->score);
    if (result.scoreChanged) {
      if (own) *own = Entry{Client().userId, score, values};
      else board->entries.push_back(Entry{Client().userId, score, values});
      Rank(*board);
    }
    result.globalRankNew = UserRank(*board);
  }
  Queue(result);
  return NextCall();
}

SteamApiCall StandInUserStats::GetNumberOfCurrentPlayers() {
  if (!Client().initialised) return 0;
  Queue(SteamNumberOfCurrentPlayers{Client().players});
  return NextCall();
}

void DefineLeaderboard(const std::string& name, int sortMethod, const std::vector<Entry>& entries) {
  Leaderboard board{name, sortMethod, entries};
  Rank(board);
  if (const auto index = BoardIndex(name.c_str())) {
    Client().leaderboards[*index] = std::move(board);
  } else {
    Client().leaderboards.push_back(std::move(board));
  }
}

bool LeaderboardExists(const std::string& name) { return BoardIndex(name.c_str()).has_value(); }

void SetUploadSucceeds(bool succeeds) { Client().uploadSucceeds = succeeds; }

std::optional<Upload> LastUpload() { return Client().lastUpload; }

void SetPlayerCount(int32_t players) { Client().players = players; }

}  // namespace steam_stand_in
