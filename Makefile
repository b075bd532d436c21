# The front door: `make play` builds and starts the game, `make test` runs every test.
# The release build's tree is .build/; the game and its data land in build/.
BUILD ?= .build
GAME ?= build
TEST_BUILD ?= build-test
FUZZ_BUILD ?= build-fuzz
FUZZ_SECONDS ?= 20
JOBS ?= $(shell nproc)
ARGS ?=

.PHONY: play build test deps bench format clean

deps:
	@tools/install-deps

build: deps
	@cmake -S . -B $(BUILD) -G Ninja -DCMAKE_BUILD_TYPE=Release -DTARVIK_BENCH=ON \
		-DTARVIK_GAME_DIR=$(CURDIR)/$(GAME) >/dev/null
	@cmake --build $(BUILD)

play: build
	./$(GAME)/tarvik $(ARGS)

test: deps
	@cmake -S . -B $(TEST_BUILD) -G Ninja -DCMAKE_BUILD_TYPE=Debug -DTARVIK_SANITIZE=ON \
		-DTARVIK_TESTS=ON -DTARVIK_BENCH=ON >/dev/null
	@cmake --build $(TEST_BUILD)
	cd $(TEST_BUILD) && ctest --output-on-failure -j$(JOBS)
	@CC=clang CXX=clang++ cmake -S . -B $(FUZZ_BUILD) -G Ninja -DCMAKE_BUILD_TYPE=Debug \
		-DTARVIK_FUZZ=ON -Dfuzz_seconds=$(FUZZ_SECONDS) >/dev/null
	@cmake --build $(FUZZ_BUILD) --target fuzzers
	cd $(FUZZ_BUILD) && ctest --output-on-failure -j$(JOBS)

bench: build
	./$(BUILD)/bench/tarvik_bench

format:
	@git ls-files '*.cpp' '*.h' | xargs clang-format -i

clean:
	rm -rf $(BUILD) $(GAME) $(TEST_BUILD) $(FUZZ_BUILD)
