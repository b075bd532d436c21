// app/config.cpp — the "@config" file. Reading and writing come with the configuration
// files; until then every run starts from the start values and nothing is saved.
#include "app/settings.h"

void read_config() {}
void write_config() {}
