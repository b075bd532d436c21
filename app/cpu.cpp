// app/cpu.cpp — the processor test for the MMX instructions of the ground texture code.
#include "app/startup.h"

#if defined(__x86_64__) || defined(__i386__)
#include <cpuid.h>
#endif

int cpu_has_mmx() {
#if defined(__x86_64__) || defined(__i386__)
    unsigned a, b, c, d;
    if (!__get_cpuid(1, &a, &b, &c, &d)) return 0;
    return (d >> 23) & 1;
#else
    return 0;
#endif
}
