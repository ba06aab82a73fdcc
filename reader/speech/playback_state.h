#pragma once

// Where a reading stands, as the playback buttons show it. Before the
// voice's first sound a reading just asked for is still Idle.
enum class PlaybackState {
    Idle,      // nothing read: Speak starts a reading
    Speaking,  // the voice is heard: Pause and Stop are available
    Paused,    // Speak resumes, Stop ends the reading
};
