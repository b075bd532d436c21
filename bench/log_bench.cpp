// bench/log_bench.cpp — what a log line costs with and without the per-line disk commit,
// the reason the race runs with commits off.
#include "platform/log.h"

#include <benchmark/benchmark.h>
#include <cstdlib>

namespace {

void bm_log_line(benchmark::State& state) {
    static bool opened = false;
    if (!opened) {
        setenv("VEXO_LOGFILE", "/tmp/tarvik-bench-log.txt", 1);
        opened = true;
    }
    log_printf(state.range(0) ? "\x13"
                                "FLUSH"
                              : "\x13"
                                "NOFLUSH");
    for (auto _ : state) log_printf("bike %d passed gate %d at tick %d\n", 3, 7, 12345);
    log_printf("\x13"
               "NOFLUSH");
}
BENCHMARK(bm_log_line)->Arg(0)->Arg(1);

} // namespace
