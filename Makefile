# The front door: `make play` builds and starts the game, `make test` runs every test.
BUILD ?= build
TEST_BUILD ?= build-test
JOBS ?= $(shell nproc)
ARGS ?=

.PHONY: play build test deps bench format clean

deps:
	@tools/install-deps

build: deps
	@cmake -S . -B $(BUILD) -G Ninja -DCMAKE_BUILD_TYPE=Release -DTARVIK_BENCH=ON >/dev/null
	@cmake --build $(BUILD)

play: build
	./$(BUILD)/tarvik $(ARGS)

test: deps
	@cmake -S . -B $(TEST_BUILD) -G Ninja -DCMAKE_BUILD_TYPE=Debug -DTARVIK_SANITIZE=ON \
		-DTARVIK_TESTS=ON -DTARVIK_BENCH=ON >/dev/null
	@cmake --build $(TEST_BUILD)
	cd $(TEST_BUILD) && ctest --output-on-failure -j$(JOBS)

bench: build
	./$(BUILD)/bench/tarvik_bench

format:
	@git ls-files '*.cpp' '*.h' | xargs clang-format -i

clean:
	rm -rf $(BUILD) $(TEST_BUILD)
