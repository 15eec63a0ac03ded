# Set-up, build, play and test in one place. Every target installs what it lacks first.
BUILD_RUN := build/release
BUILD_TEST := build/test
BUILD_BENCH := build/bench
JOBS ?= 2

.PHONY: run build test bench format deps-run deps-test

run: build
	./$(BUILD_RUN)/chess-checkers

build: deps-run
	cmake -S . -B $(BUILD_RUN) -DCMAKE_BUILD_TYPE=Release
	cmake --build $(BUILD_RUN) -j $(JOBS)

test: deps-test
	cmake -S . -B $(BUILD_TEST) -DCMAKE_BUILD_TYPE=Debug -DSANITIZE=ON -DBUILD_TESTS=ON
	cmake --build $(BUILD_TEST) -j $(JOBS)
	scripts/check-format.sh
	scripts/with-xvfb.sh ctest --test-dir $(BUILD_TEST) --output-on-failure

bench: deps-test
	cmake -S . -B $(BUILD_BENCH) -DCMAKE_BUILD_TYPE=Release -DBUILD_BENCH=ON
	cmake --build $(BUILD_BENCH) -j $(JOBS)
	scripts/with-xvfb.sh $(BUILD_BENCH)/bench/benchmarks

format:
	clang-format -i $$(git ls-files --cached --others --exclude-standard '*.cpp' '*.h')

deps-run:
	scripts/install-deps.sh run

deps-test:
	scripts/install-deps.sh test
