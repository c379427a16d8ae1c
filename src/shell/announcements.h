// The queue of spoken announcements (count-down, final lap, weapon names ...), played one
// after another on Channel3.
#pragma once

class TSound;

// Appends an announcement to the end of the queue.
void QueueAnnouncement(TSound* sound);
// Starts the next announcement when Channel3 is free; at most one per simulation step.
void PlayQueuedSounds();
