// The music the game plays: the title theme (piece -1) and the eight race tracks (1 to 8),
// all embedded in the program, each with the caption shown while it plays.
#pragma once

#include <array>

struct MusicPiece {
  int number;
  const char* location;  // "incbin::Inc/Music/..."
  const char* caption;   // title, " : ", composer
};

inline constexpr int kTitlePiece = -1;
inline constexpr int kRacePieceCount = 8;

extern const std::array<MusicPiece, 1 + kRacePieceCount> kMusicPlaylist;

// The piece with that number; null for any other number.
const MusicPiece* FindMusicPiece(int number);
