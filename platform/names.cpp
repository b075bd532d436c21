// platform/names.cpp — the alias table for control names and the sorted pool of unique
// names. Filled on the main thread during window and input set-up; entries are never freed.
#include "platform/log.h"

#include <cstddef>
#include <cstdlib>
#include <cstring>

namespace {

// One allocation: the link, the two text pointers and both texts behind them.
struct alias_entry {
    alias_entry* next;
    const char* name;
    const char* target;
};
alias_entry* aliases = nullptr;

// One allocation: the link followed by the text.
struct pool_entry {
    pool_entry* next;
    char text[1];
};
pool_entry pool_head = {nullptr, {0}};

} // namespace

const char* alias_resolve(const char* name) {
    for (alias_entry* a = aliases; a; a = a->next)
        if (strcmp(a->name, name) == 0) return a->target;
    return name;
}

int alias_add(const char* name, const char* target) {
    if (alias_resolve(name) != name) {
        log_printf("Second alias for '%s' ('%s') ignored\n", name, target);
        return 0;
    }
    size_t name_size = strlen(name) + 1, target_size = strlen(target) + 1;
    char* block = (char*)malloc(sizeof(alias_entry) + name_size + target_size);
    if (!block) {
        log_printf("Can't alias %s to %s -- out of memory\n", name, target);
        return 0;
    }
    alias_entry* entry = (alias_entry*)block;
    char* texts = block + sizeof(alias_entry);
    memcpy(texts, name, name_size);
    memcpy(texts + name_size, target, target_size);
    entry->name = texts;
    entry->target = texts + name_size;
    entry->next = aliases;
    aliases = entry;
    return 1;
}

const char* name_pool_add(const char* text) {
    pool_entry* before = &pool_head;
    while (before->next) {
        int order = strcmp(before->next->text, text);
        if (order == 0) return before->next->text;
        if (order > 0) break;
        before = before->next;
    }
    size_t size = strlen(text) + 1;
    pool_entry* entry = (pool_entry*)malloc(offsetof(pool_entry, text) + size);
    if (!entry) return nullptr;
    memcpy(entry->text, text, size);
    entry->next = before->next;
    before->next = entry;
    return entry->text;
}
