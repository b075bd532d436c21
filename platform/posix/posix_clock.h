// platform/posix/posix_clock.h — the system's monotonic clock and sleep as a clock table.
#pragma once

#include "platform/clock.h"

extern const clock_ops posix_clock;
