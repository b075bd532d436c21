// tests/support/saved_environment.h — environment variables put back as they were when a
// test's fixture ends, so that one test's folders never leak into the next.
#pragma once

#include <cstdlib>
#include <initializer_list>
#include <optional>
#include <string>
#include <utility>
#include <vector>

class saved_environment {
  public:
    saved_environment(std::initializer_list<const char*> names) {
        for (const char* name : names) {
            const char* value = getenv(name);
            saved.emplace_back(name, value ? std::optional<std::string>(value) : std::nullopt);
        }
    }
    ~saved_environment() {
        for (const auto& [name, value] : saved) {
            if (value)
                setenv(name, value->c_str(), 1);
            else
                unsetenv(name);
        }
    }

  private:
    std::vector<std::pair<const char*, std::optional<std::string>>> saved;
};
