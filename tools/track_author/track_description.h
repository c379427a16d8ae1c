// A track described in text, one command a line ('#' starts a comment):
//
//   colour N                         track colour number 1..8
//   tile X Y ID ROTATION [SIZE]      a tile on the track level; SIZE cells square (default 1)
//   object ID ROTATION X Y           a decoration or pad (32-pixel grid, 15-degree steps)
//   path NAME                        starts a centre line: the commands below until "end"
//     move X Y | line X Y | ease X Y | arc CX CY R FROM TO | close | end
//   racingline PATH POINTS OFFSET [curves]  a racing line: POINTS evenly spaced (closer in bends
//                                    with "curves"), OFFSET to the right
//   checkpoints PATH COUNT HALF      lines across the road, evenly spaced from the path start
//   avoid X0 Y0 X1 Y1                checkpoints are moved on out of this box (the pit lane)
//   pit PATH POINTS                  the pit lane, POINTS evenly spaced along its path
//   wall POINTS X Y X Y ...          one wall through these corners, POINTS in all
//   course NAME X Y HEADING ... end  the road laid tile by tile (course.h); the lap becomes
//                                    path NAME, its pit lane path NAME_pit
//   wallpoints TOTAL                 the course walls, sharing out what makes TOTAL wall points
//   fillobjects TOTAL                beacons off the road until there are TOTAL objects
//
// "ease" moves to its point changing lanes smoothly: linear along the longer axis.
// "arc" angles are degrees, clockwise on screen, 0 along +x.
#pragma once

#include <string>

class TTrack;

// Fills an erased track from the description; false, with the reason, on a bad line.
bool BuildTrack(const std::string& text, TTrack& track, std::string& error);
