# SPDX-License-Identifier: MIT
# Set-up, build, play and test in one place. Every target installs what it lacks first.
BUILD_RUN := build/release
BUILD_TEST := build/test
BUILD_BENCH := build/bench
BUILD_PACKAGE := build/package
JOBS ?= 2
# The GL driver's and the input library's own leaks are not this program's (see the file).
SANITIZER_ENV := LSAN_OPTIONS=suppressions=$(CURDIR)/tests/lsan.supp:print_suppressions=0

.PHONY: run build test test-build bench package package-check soak fuzz format deps-run deps-package \
	deps-check deps-test

run: build
	./$(BUILD_RUN)/chess-checkers

build: deps-run
	cmake -S . -B $(BUILD_RUN) -DCMAKE_BUILD_TYPE=Release
	cmake --build $(BUILD_RUN) -j $(JOBS)

test: test-build package-check
	scripts/check-format.sh
	scripts/with-xvfb.sh ctest --test-dir $(BUILD_TEST) --output-on-failure

test-build: deps-test
	cmake -S . -B $(BUILD_TEST) -DCMAKE_BUILD_TYPE=Debug -DSANITIZE=ON -DBUILD_TESTS=ON
	cmake --build $(BUILD_TEST) -j $(JOBS)

bench: deps-test
	cmake -S . -B $(BUILD_BENCH) -DCMAKE_BUILD_TYPE=Release -DBUILD_BENCH=ON
	cmake --build $(BUILD_BENCH) -j $(JOBS)
	scripts/with-xvfb.sh $(BUILD_BENCH)/bench/benchmarks

# What is shipped is built with Debian's hardening flags: stack protector, fortify, PIE, BIND_NOW.
BUILDFLAGS = DEB_BUILD_MAINT_OPTIONS=hardening=+all dpkg-buildflags --get
package: deps-package
	cmake -S . -B $(BUILD_PACKAGE) -DCMAKE_BUILD_TYPE=Release \
		-DCMAKE_CXX_FLAGS="$$($(BUILDFLAGS) CPPFLAGS) $$($(BUILDFLAGS) CXXFLAGS)" \
		-DCMAKE_EXE_LINKER_FLAGS="$$($(BUILDFLAGS) LDFLAGS)"
	cmake --build $(BUILD_PACKAGE) -j $(JOBS)
	rm -f $(BUILD_PACKAGE)/*.deb
	cd $(BUILD_PACKAGE) && cpack

package-check: package deps-check
	scripts/package-check.sh $(BUILD_PACKAGE)

# The X-level soak alone, for longer: SOAK_SECONDS=600 make soak
SOAK_SECONDS ?= 60
soak: test-build
	SOAK_SECONDS=$(SOAK_SECONDS) $(SANITIZER_ENV) scripts/with-xvfb.sh $(BUILD_TEST)/tests/e2e_tests --gtest_filter='Soak.*'

# More random events than the test run: make fuzz SEED=7 EVENTS=2000000
SEED ?= 1
EVENTS ?= 1000000
fuzz: test-build
	FUZZ_SEED=$(SEED) FUZZ_EVENTS=$(EVENTS) $(SANITIZER_ENV) scripts/with-xvfb.sh $(BUILD_TEST)/tests/fuzz_tests --gtest_filter='Fuzz.RandomEvents*'

format:
	clang-format -i $$(git ls-files --cached --others --exclude-standard '*.cpp' '*.h')

deps-run:
	scripts/install-deps.sh run

deps-package:
	scripts/install-deps.sh package

deps-check:
	scripts/install-deps.sh check

deps-test:
	scripts/install-deps.sh test
