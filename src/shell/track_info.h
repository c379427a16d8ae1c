// --track-info NAME: the counts of one built-in or saved track file, one "column: value" a
// line, so that a track file can be checked against what it should hold.
#pragma once

#include <string>

class TTrack;
struct CommandLineOptions;

// The report of a track read from a file of the given size in bytes.
std::string TrackInfoText(const std::string& name, long long bytes, const TTrack& track);

// Prints the report; returns the program's exit status (1 when the track cannot be found).
int RunTrackInfo(const CommandLineOptions& options);
