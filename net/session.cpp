// net/session.cpp — the client session. The protocol comes with the network; until then
// the game is never connected.
#include "net/net.h"

int session_connected() {
    return 0;
}
int session_server_tick_target() {
    return 0;
}
int session_warmup() {
    return 0;
}
int session_own_slot() {
    return 160;
}
void session_step() {}
void session_disconnect() {}
void session_reset() {}
