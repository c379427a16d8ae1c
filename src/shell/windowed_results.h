// The results of a command-line race in the window: a plain table over the race standing in
// for the results screen of the menus.
#pragma once

// Updates (every 500 ms) and draws the table of places, ships and times.
void DrawResultsStandIn();
// Forgets the rows of the last race.
void ClearResultsStandIn();
