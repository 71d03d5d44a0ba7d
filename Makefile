# SPDX-FileCopyrightText: 2026 Quillomar developers
# SPDX-License-Identifier: GPL-3.0-or-later

# Set-up and everyday commands. Each installs the Debian packages it needs first.

BUILD ?= build
SANITIZE_BUILD ?= build-sanitize
BENCH_BUILD ?= build-bench
JOBS ?= $(shell nproc)

# To build and run: compiler, CMake, Qt, GoogleTest, the fonts and Qt's
# Bulgarian strings. The tests add Xvfb, a private D-Bus session, the Debian
# package, desktop-file and AppStream checkers, Qt's private headers (to listen as a
# screen reader does) and two font families for the font fallback; the
# benchmarks Google Benchmark.
# Each target installs what it needs in one apt-get run.
PACKAGES := g++ cmake libgtest-dev qt6-base-dev libx11-dev fonts-liberation qt6-translations-l10n
TEST_PACKAGES := xvfb dbus-daemon dpkg-dev file desktop-file-utils appstream lintian \
	qt6-base-private-dev fonts-dejavu-core fonts-paratype
BENCH_PACKAGES := libbenchmark-dev xvfb dbus-daemon

CMAKE_ARGS := -DCMAKE_BUILD_TYPE=RelWithDebInfo
ifneq ($(CI),)
CMAKE_ARGS += -DCMAKE_COMPILE_WARNING_AS_ERROR=ON
endif

.PHONY: all deps build run test package bench clean

all: build

deps:
	@sh tools/ensure-packages $(PACKAGES)

build: deps
	cmake -S . -B $(BUILD) $(CMAKE_ARGS)
	cmake --build $(BUILD) -j $(JOBS)

run: build
	$(BUILD)/quillomar

# Every test, then again built with AddressSanitizer (leaks included) and
# UndefinedBehaviorSanitizer: any report fails the run.
SANITIZE_ENV := ASAN_OPTIONS=detect_leaks=1:disable_coredump=1 \
	UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1

# How many tests the ctest run logged in build directory $(1) ran.
ran = $$(sed -n 's/.* tests failed out of \([0-9]*\)$$/\1/p' $(1)/ctest.log)

test: PACKAGES += $(TEST_PACKAGES)
test: build
	cd $(BUILD) && ctest --output-on-failure -j $(JOBS) -O ctest.log
	cmake -S . -B $(SANITIZE_BUILD) $(CMAKE_ARGS) -DQUILLOMAR_SANITIZE=ON
	cmake --build $(SANITIZE_BUILD) -j $(JOBS)
	cd $(SANITIZE_BUILD) && $(SANITIZE_ENV) ctest --output-on-failure -j $(JOBS) -O ctest.log
	@echo "make test: both runs passed: $(call ran,$(BUILD)) tests as built, $(call ran,$(SANITIZE_BUILD)) with the sanitizers"

# Benchmarks of the core, start-up and interaction; figures go to bench/RESULTS.md.
bench: PACKAGES += $(BENCH_PACKAGES)
bench: deps
	cmake -S . -B $(BENCH_BUILD) $(CMAKE_ARGS) -DQUILLOMAR_BENCH=ON -DBUILD_TESTING=OFF
	cmake --build $(BENCH_BUILD) -j $(JOBS)
	bench/run $(BENCH_BUILD)

# The Debian package, in $(BUILD): quillomar_<version>_<arch>.deb
package: PACKAGES += dpkg-dev file
package: build
	cd $(BUILD) && cpack -G DEB

clean:
	rm -rf $(BUILD) $(SANITIZE_BUILD) $(BENCH_BUILD)
