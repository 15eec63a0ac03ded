# SPDX-License-Identifier: MIT
# Set-up, build, play and test in one place. Every target installs the Debian packages it lacks
# first, unless INSTALL_DEPS=no (for packagers whose dependencies come from elsewhere).
INSTALL_DEPS ?= yes
JOBS ?= 2
# A compiler chosen in the environment (CXX=clang++ make test) builds in folders of its own.
ifeq ($(origin CXX),environment)
BUILD_TAG := -$(notdir $(firstword $(CXX)))
endif
BUILD_RUN := build/release$(BUILD_TAG)
BUILD_TEST := build/test$(BUILD_TAG)
BUILD_BENCH := build/bench$(BUILD_TAG)
# The package is built as Debian builds it, with the default compiler whatever CXX says: glibc's
# fortified printf family needs gcc, and lintian checks for it.
BUILD_PACKAGE := build/package
VERSION := $(shell scripts/version.sh)
# The GL driver's and the input library's own leaks are not this program's (see the file).
SANITIZER_ENV := LSAN_OPTIONS=suppressions=$(CURDIR)/tests/lsan.supp:print_suppressions=0

# Archive times in the package and the source release are the commit's, not the build's: two
# builds of one commit give the same bytes. Outside git, the release date in the changelog.
ifeq ($(origin SOURCE_DATE_EPOCH),undefined)
SOURCE_DATE_EPOCH := $(shell test -e .git && git log -1 --format=%ct 2>/dev/null \
	|| dpkg-parsechangelog -l data/changelog -STimestamp 2>/dev/null)
endif
export SOURCE_DATE_EPOCH

.PHONY: all build run test test-build bench package package-check dist soak fuzz format screenshots \
	windows test-windows web run-web test-web bench-web deps-run deps-package deps-check deps-test deps-windows \
	deps-web

all: build

run: build
	./$(BUILD_RUN)/chess-checkers

build: deps-run
	cmake -S . -B $(BUILD_RUN) -DCMAKE_BUILD_TYPE=Release
	cmake --build $(BUILD_RUN) -j $(JOBS)

test: test-build package-check
	scripts/check-format.sh
	cd $(BUILD_TEST) && $(CURDIR)/scripts/with-xvfb.sh ctest -j $(JOBS) --output-on-failure

test-build: deps-test
	cmake -S . -B $(BUILD_TEST) -DCMAKE_BUILD_TYPE=Debug -DSANITIZE=ON -DBUILD_TESTS=ON \
		-DTEST_PACKAGE_DIR=$(CURDIR)/$(BUILD_PACKAGE)
	cmake --build $(BUILD_TEST) -j $(JOBS)

bench: deps-test
	cmake -S . -B $(BUILD_BENCH) -DCMAKE_BUILD_TYPE=Release -DBUILD_BENCH=ON
	cmake --build $(BUILD_BENCH) -j $(JOBS)
	scripts/with-xvfb.sh $(BUILD_BENCH)/bench/benchmarks

# What is shipped is built with Debian's hardening flags (stack protector, fortify, PIE,
# BIND_NOW) and laid out as a Debian game, the program in /usr/games.
# cpack gives its archive members the modes of its scratch files, hence the fixed umask.
BUILDFLAGS = DEB_BUILD_MAINT_OPTIONS=hardening=+all dpkg-buildflags --get
package: deps-package
	env -u CXX cmake -S . -B $(BUILD_PACKAGE) -DCMAKE_BUILD_TYPE=Release -DCMAKE_INSTALL_BINDIR=games \
		-DCMAKE_CXX_FLAGS="$$($(BUILDFLAGS) CPPFLAGS) $$($(BUILDFLAGS) CXXFLAGS)" \
		-DCMAKE_EXE_LINKER_FLAGS="$$($(BUILDFLAGS) LDFLAGS)"
	cmake --build $(BUILD_PACKAGE) -j $(JOBS)
	rm -f $(BUILD_PACKAGE)/*.deb
	cd $(BUILD_PACKAGE) && umask 022 && cpack

package-check: package deps-check
	scripts/package-check.sh $(BUILD_PACKAGE)

# The source release of the checked-out commit, in build/.
dist:
	mkdir -p build
	git archive --format=tar --prefix=chess-checkers-$(VERSION)/ HEAD \
		| gzip -9n >build/chess-checkers-$(VERSION).tar.gz
	@echo build/chess-checkers-$(VERSION).tar.gz

# The 64-bit Windows release, build/chess-checkers-$(VERSION)-win64.zip, cross-built with
# mingw-w64; its test plays it under Wine on the test display. Neither is part of make test.
windows: deps-windows
	JOBS=$(JOBS) scripts/windows.sh
test-windows: windows test-build
	CHESS_CHECKERS_WINDOWS_EXE=$(CURDIR)/build/windows/stage/chess-checkers-$(VERSION)-win64/chess-checkers.exe \
	CHESS_CHECKERS_WINDOWS_SETUP=$(CURDIR)/build/chess-checkers-$(VERSION)-win64-setup.exe \
		scripts/with-xvfb.sh $(BUILD_TEST)/tests/windows_tests

# The web page in build/web and build/chess-checkers-$(VERSION)-web.zip, built with Emscripten;
# run-web serves it on this machine alone, test-web plays it in Chromium, Firefox and WebKit on the
# test display. Neither test is part of make test.
WEB_PORT ?= 8000
web: deps-web
	JOBS=$(JOBS) scripts/web.sh
run-web: web
	python3 -m http.server $(WEB_PORT) --bind 127.0.0.1 --directory build/web
test-web: web test-build
	CHESS_CHECKERS_WEB_DIR=$(CURDIR)/build/web CHESS_CHECKERS_WEB_ZIP=$(CURDIR)/build/chess-checkers-$(VERSION)-web.zip \
		scripts/with-xvfb.sh $(BUILD_TEST)/tests/web_tests
# Its first frame, a press's and a drag step's, measured in each browser.
bench-web: web deps-test
	cmake -S . -B $(BUILD_BENCH) -DCMAKE_BUILD_TYPE=Release -DBUILD_BENCH=ON
	cmake --build $(BUILD_BENCH) -j $(JOBS) --target web_benchmarks
	CHESS_CHECKERS_WEB_DIR=$(CURDIR)/build/web scripts/with-xvfb.sh $(BUILD_BENCH)/bench/web_benchmarks

# The README's pictures, from the real program under Xvfb, into data/screenshots.
screenshots: test-build
	$(SANITIZER_ENV) scripts/with-xvfb.sh $(BUILD_TEST)/tests/screenshots $(CURDIR)/data/screenshots

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
	clang-format -i $$(git ls-files --cached --others --exclude-standard '*.cpp' '*.h' '*.js')

deps-run deps-package deps-check deps-test deps-windows deps-web:
ifneq ($(INSTALL_DEPS),no)
	scripts/install-deps.sh $(@:deps-%=%)
endif
