// The tournaments beside the program: the chain Micro, Infra, Gamma, Super, each a series
// of three to five built-in tracks, read the way the game reads the file.
#include <gtest/gtest.h>

#include <algorithm>
#include <cstdlib>
#include <fstream>
#include <string>
#include <vector>

#include "built_in_files.h"
#include "platform/embedded_files.h"

namespace {

struct Tournament {
  std::string name, unlocks;
  std::vector<std::string> tracks;
};

// Prefixes go wherever they stand in a line; a count that is not a number reads as 0.
std::string Without(std::string line, const std::string& prefix) {
  for (size_t at; (at = line.find(prefix)) != std::string::npos;) line.erase(at, prefix.size());
  return line;
}

std::vector<Tournament> ReadTournaments(const std::string& path) {
  std::ifstream in(path, std::ios::binary);
  std::vector<Tournament> tournaments;
  std::string line;
  while (std::getline(in, line)) {
    Tournament t;
    t.name = Without(line, "name=");
    std::getline(in, line);
    t.unlocks = Without(line, "unlocks=");
    std::getline(in, line);
    const int count = std::atoi(Without(line, "tracks=").c_str());
    for (int i = 0; i < count && std::getline(in, line); ++i) t.tracks.push_back(line);
    tournaments.push_back(t);
  }
  return tournaments;
}

TEST(TournamentFile, ChainsMicroInfraGammaSuperOverBuiltInTracks) {
  RegisterBuiltInFiles();
  const std::vector<Tournament> tournaments = ReadTournaments(std::string(QX_GAME_DIR) + "/Settings/Tournaments.ini");
  const std::vector<std::pair<std::string, std::string>> chain = {
      {"Micro", "Infra"}, {"Infra", "Gamma"}, {"Gamma", "Super"}, {"Super", ""}};
  ASSERT_EQ(tournaments.size(), chain.size());
  std::vector<std::string> seen;
  for (size_t i = 0; i < chain.size(); ++i) {
    const Tournament& t = tournaments[i];
    EXPECT_EQ(t.name, chain[i].first);
    EXPECT_EQ(t.unlocks, chain[i].second);
    EXPECT_GE(t.tracks.size(), 3u) << t.name;
    EXPECT_LE(t.tracks.size(), 5u) << t.name;
    for (const std::string& track : t.tracks) {
      EXPECT_NE(FindEmbeddedFile("Inc/Tracks/" + track + ".trk"), nullptr) << t.name << ": " << track;
      seen.push_back(track);
    }
  }
  // Every built-in track is raced somewhere, and only once over the chain.
  std::sort(seen.begin(), seen.end());
  EXPECT_EQ(std::adjacent_find(seen.begin(), seen.end()), seen.end());
  EXPECT_EQ(seen.size(), 13u);
}

}  // namespace
