// app/main.cpp — the executable's entry.
#include "app/startup.h"

int main(int argc, char** argv) {
    return tarvik_main(argc, argv);
}
