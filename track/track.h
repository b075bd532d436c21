// track/track.h — the loaded track: terrain, gates, objects and particles, and the race
// reset that loads it and places the riders. Main thread only.
#pragma once

struct bike;

// The loaded track; the race reset fills it, the next track load frees it.
struct track_record {
    int loaded; // a track is loaded and the race can run
};
extern track_record current_track;

// The lighting values a track starts from before its own "lighting" file.
void lighting_set_defaults();
// Loads the track when it is not the current one and resets the race: riders from the
// line-up on the start gate, the tick count to 0.
void race_reset(const int* lineup, int playback, int record, int time_limit_ticks, int laps,
                int skill);
// The run-long scratch lists of nearby track objects and the track cameras.
void track_lists_create();
int track_loaded();
void track_free();
int track_camera_count();
// Moves the flying roost particles by one tick.
void move_particles();
// Wears ruts into the terrain under the bike's spinning wheels.
void terrain_erode(bike* b);
