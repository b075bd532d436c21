// tests/fuzz/saf_header_fuzz.cpp — the ".saf" header reader on any bytes: no member may lie
// outside the archive.
#include "resources/internal.h"

#include <cstdlib>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    FILE* file = fmemopen(const_cast<uint8_t*>(data), size, "rb");
    if (!file) return 0;
    std::vector<saf_member> members;
    if (saf_read_header(file, (int64_t)size, &members))
        for (const saf_member& m : members)
            if (m.offset < 0 || m.size < 0 || (int64_t)m.offset + m.size > (int64_t)size) abort();
    fclose(file);
    return 0;
}
