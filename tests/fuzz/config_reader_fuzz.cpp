// tests/fuzz/config_reader_fuzz.cpp — the configuration reader (and the bike setup reader it
// offers each line to first) on any bytes.
#include "app/bike_setup.h"
#include "app/run_settings.h"
#include "resources/internal.h"

#include <cstdint>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    static bool ready = false;
    if (!ready) {
        run_settings_reset();
        settings_reset();
        bike_setup_reset();
        ready = true;
    }
    FILE* file = fmemopen(const_cast<uint8_t*>(data), size, "rb");
    if (!file) return 0;
    stream* s = stream_wrap_file(file);
    config_read_lines(s);
    stream_close(s);
    return 0;
}
