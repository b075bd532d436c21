// net/net.h — the session with one race server: polled once per tick on the main thread.
#pragma once

int session_connected();
// The server's tick this client should reach; below 1 no game tick runs.
int session_server_tick_target();
// The server runs no race (warm-up): collisions are off and remote riders lag.
int session_warmup();
int session_own_slot();
// One step of the session protocol, once per tick before the game tick.
void session_step();
// Says goodbye to the server and closes the socket.
void session_disconnect();
// Back to no session: own slot none, no socket, lists freed.
void session_reset();
