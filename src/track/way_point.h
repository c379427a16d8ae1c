// Points along racing lines, the pit lane and walls, and the checkpoint lines across the road.
#pragma once

struct TWayPoint {
  // Order number along its line; on a wall, 0 starts a new wall.
  int id = 0;
  int x = -1;
  int y = -1;

  static TWayPoint Create(int id, int x, int y) { return TWayPoint{id, x, y}; }
  // Orders by id; two equal ids both count as the smaller, so their sorted order is open.
  int Compare(const TWayPoint& other) const { return id > other.id ? 1 : -1; }
};

struct TWayLine {
  // Order number from 1 along the lap.
  int id = 0;
  int x1 = -1;
  int y1 = -1;
  int x2 = -1;
  int y2 = -1;

  // The first end only; the editor sets the second.
  static TWayLine Create(int id, int x1, int y1) { return TWayLine{id, x1, y1, -1, -1}; }
  int Compare(const TWayLine& other) const { return id > other.id ? 1 : -1; }
};
