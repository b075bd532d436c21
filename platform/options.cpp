// platform/options.cpp — option settings: "[name:value]" groups in VEXO_OPTIONS, fetched on
// first use. Main thread only (read during window and audio set-up).
#include "platform/log.h"

#include <cerrno>
#include <climits>
#include <cstdio>
#include <cstdlib>
#include <cstring>

namespace {

const char* options_text = nullptr;

// The text right after "[name:", or null when the option is not given.
const char* find_option(const char* name) {
    if (!options_text) options_reload();
    char key[64];
    snprintf(key, sizeof key, "[%.60s:", name);
    const char* found = strstr(options_text, key);
    return found ? found + strlen(key) : nullptr;
}

bool starts_with(const char* text, const char* prefix) {
    return strncmp(text, prefix, strlen(prefix)) == 0;
}

} // namespace

void options_reload() {
    const char* text = getenv("VEXO_OPTIONS");
    options_text = text ? text : "";
}

int option_bool(const char* name, int default_value) {
    const char* value = find_option(name);
    if (!value) return default_value;
    if (starts_with(value, "yes]") || starts_with(value, "on]")) return 1;
    if (starts_with(value, "no]") || starts_with(value, "off]")) return 0;
    log_printf("unrecognized setting for %s\n", name);
    return default_value;
}

int option_int(const char* name, int default_value) {
    const char* value = find_option(name);
    if (!value) return default_value;
    char* end = nullptr;
    errno = 0;
    long number = strtol(value, &end, 10);
    if (end == value) {
        log_printf("unrecognized setting for %s\n", name);
        return default_value;
    }
    if (number > INT_MAX) number = INT_MAX;
    if (number < INT_MIN) number = INT_MIN;
    return (int)number;
}
