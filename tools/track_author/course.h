// A course: the road laid tile after tile from a starting cell, as a driver meets it. Each
// piece goes where the road left the one before, turned so that it carries the road on;
// the course then gives the closed centre line (starting on the finish tile), the pit lane,
// the walls and pads asked for on its pieces, and the stretches where no checkpoint may
// stand (the pit lane, hairpins, the crossing).
//
//   course NAME X Y HEADING      the road enters cell X Y heading 0 (+x), 90 (+y), 180 or 270
//     lay ID [left|right] [xN] [wall left|right|both] [boost|weapon|weapons]
//     pits N [left|right] [wall]  pit entry, N lane tiles beside N straights, pit exit
//   end
#pragma once

#include <sstream>
#include <string>
#include <vector>

#include "polyline.h"

class TTrack;

class Course {
 public:
  Course(TTrack& track, int cellX, int cellY, int heading);

  // One line of the course; false, with the reason, on a bad line.
  bool Command(const std::string& command, std::istringstream& in, std::string& error);
  // Checks that the road came back to where it started and makes the closed centre line.
  bool Close(std::string& error);

  const Polyline& lap() const { return lap_; }
  const Polyline& pitLane() const { return pitLane_; }
  const std::vector<Box>& noCheckpoints() const { return noCheckpoints_; }
  const std::vector<Polyline>& walls() const { return walls_; }
  int tiles() const { return tiles_; }
  // Where the road is now, for a course that does not close.
  std::string Position() const;

 private:
  struct Placed {
    Polyline centre;  // from where the road entered to where it left
    int rotation = 0;
    int cellX = 0, cellY = 0;
  };

  bool Lay(std::istringstream& in);
  bool Pits(std::istringstream& in);
  // Puts tile id where the road is now, turned as asked (or as forced); moves the road on.
  bool Place(int id, int turn, int forcedRotation, Placed& placed);
  bool Occupy(int id, int rotation, int cellX, int cellY, int cells);
  void Extend(const Placed& placed, int wallSides, const std::string& pad, int tileId);
  void AddWall(int side, const Polyline& centre);
  void AddPad(const std::string& pad, const Polyline& centre);
  void AddPit(const Polyline& pit);
  bool Fail(const std::string& why);

  TTrack& track_;
  Point start_, at_;
  int startHeading_, heading_;
  Polyline lap_, pitLane_;
  std::vector<double> finishes_;  // lap distances of the finish tiles' middles
  std::vector<Box> noCheckpoints_;
  std::vector<Polyline> walls_;
  int openWall_[2] = {-1, -1};  // index of the wall still being laid on the left / right
  int tiles_ = 0;
  std::string* error_ = nullptr;
};
