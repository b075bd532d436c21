// app/views.h — the view modes and their cameras. Main thread only.
#pragma once

// Draws the scene of the view into the current frame.
void view_draw(int view_mode, int width, int height);
// Tab: the next view of the cycle.
void view_change();
// Points the views at the bike of the viewed slot again.
void view_refresh_bike();
// The chase view's and the free camera's own controls for this tick.
void view_controls(int view_mode);
// Track camera by index; -1 is the free camera.
void camera_select(int index);
// The run-long list of camera keyframes.
void camera_keyframes_create();
