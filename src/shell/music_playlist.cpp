#include "shell/music_playlist.h"

const std::array<MusicPiece, 1 + kRacePieceCount> kMusicPlaylist = {{
    {kTitlePiece, "incbin::Inc/Music/title.ogg", "Grid of Heroes : Tamsin Vale"},
    {1, "incbin::Inc/Music/race1.ogg", "Overdrive Horizon : Jorrit Kaskela"},
    {2, "incbin::Inc/Music/race2.ogg", "Acid Circuit : Mirela Osk"},
    {3, "incbin::Inc/Music/race3.ogg", "Breakneck : Dax Holloway"},
    {4, "incbin::Inc/Music/race4.ogg", "Pixel Pursuit : Yuki Brandt"},
    {5, "incbin::Inc/Music/race5.ogg", "Slipstream Funk : Oren Maddox"},
    {6, "incbin::Inc/Music/race6.ogg", "Iron Foundry : Katja Reinholt"},
    {7, "incbin::Inc/Music/race7.ogg", "Neon Nightline : Tamsin Vale"},
    {8, "incbin::Inc/Music/race8.ogg", "Hypnotic Apex : Jorrit Kaskela"},
}};

const MusicPiece* FindMusicPiece(int number) {
  for (const MusicPiece& piece : kMusicPlaylist) {
    if (piece.number == number) return &piece;
  }
  return nullptr;
}
