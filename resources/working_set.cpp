// resources/working_set.cpp — the working-set sizing after a track load. Linux pages the
// process in and out as it needs: there is no working set to size, and the log says so.
#include "resources/files.h"

#include "platform/log.h"

void adjust_working_set() {
    log_printf("Working set left alone - the system sizes it on its own\n");
}
