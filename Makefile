# SPDX-FileCopyrightText: 2026 Quillomar developers
# SPDX-License-Identifier: GPL-3.0-or-later

# Set-up and everyday commands. Each installs the Debian packages it needs first.

BUILD ?= build
SANITIZE_BUILD ?= build-sanitize
BENCH_BUILD ?= build-bench
WIN64_BUILD ?= build-win64
WIN32_BUILD ?= build-win32
WEB_BUILD ?= build-web
JOBS ?= $(shell nproc)

# To build and run: compiler, CMake, Qt with its Wayland platform plugin,
# GoogleTest, the fonts and Qt's Bulgarian strings. The tests add Xvfb, a
# private D-Bus session, the Debian package, desktop-file and AppStream
# checkers, Qt's private headers (to listen as a screen reader does), two
# font families for the font fallback and clang-format for the code's layout;
# the benchmarks Google Benchmark.
# Each target installs what it needs in one apt-get run.
PACKAGES := g++ cmake libgtest-dev qt6-base-dev libx11-dev fonts-liberation qt6-translations-l10n \
	qt6-wayland
TEST_PACKAGES := xvfb dbus-daemon dpkg-dev file desktop-file-utils appstream lintian \
	qt6-base-private-dev fonts-dejavu-core fonts-paratype clang-format
BENCH_PACKAGES := libbenchmark-dev xvfb dbus-daemon imagemagick
# The Windows program: MinGW-w64 for 64 and 32 bits, GoogleTest's sources for
# its tests, wixl and msitools (run under faketime) for its installers and
# strip-nondeterminism for its zips, and Wine to run them (64-bit only:
# Debian's 32-bit Wine needs the i386 architecture), and xwininfo to see its windows.
WINDOWS_PACKAGES := cmake g++-mingw-w64-x86-64-posix g++-mingw-w64-i686-posix googletest wixl \
	msitools faketime strip-nondeterminism
WINE_PACKAGES := wine64 xvfb dbus-daemon x11-utils

# The browser edition: emscripten for the core, nlohmann's JSON library for
# the page writer, strip-nondeterminism for its zip, and for its tests three
# engines driven from Python:
# Chromium through chromedriver and WebKitGTK through WebKitWebDriver (with
# Selenium; WebKit in a window that openbox manages), Firefox ESR over
# WebDriver BiDi (with websockets); Pillow reads their screenshots, and
# axe-core audits the page in Chromium.
WEB_PACKAGES := cmake g++ emscripten nlohmann-json3-dev strip-nondeterminism
# axe-core, pinned, comes from the npm registry through npm: Debian's, unless
# the machine has an npm already (NodeSource's Node.js brings its own, and
# conflicts with Debian's).
NPM := $(if $(shell command -v npm),,npm)
WEB_TEST_PACKAGES := chromium chromium-driver python3-selenium python3-pil firefox-esr \
	webkit2gtk-driver python3-websockets openbox xvfb dbus-daemon $(NPM)

CMAKE_ARGS := -DCMAKE_BUILD_TYPE=RelWithDebInfo
ifneq ($(CI),)
CMAKE_ARGS += -DCMAKE_COMPILE_WARNING_AS_ERROR=ON
endif

.PHONY: all deps build run test package bench audit windows web reproducible clean

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

# The Windows program, cross-built: $(WIN64_BUILD)/quillomar.exe (64-bit) and
# $(WIN32_BUILD)/quillomar.exe (32-bit), with their tests, and beside each its
# installer quillomar-<version>-x64.msi (x86) and portable .zip.
define build-windows
	cmake -S . -B $(WIN64_BUILD) $(WINDOWS_CMAKE_ARGS) -DCMAKE_TOOLCHAIN_FILE=cmake/mingw-w64-x86_64.cmake
	cmake --build $(WIN64_BUILD) -j $(JOBS)
	cmake -S . -B $(WIN32_BUILD) $(WINDOWS_CMAKE_ARGS) -DCMAKE_TOOLCHAIN_FILE=cmake/mingw-w64-i686.cmake
	cmake --build $(WIN32_BUILD) -j $(JOBS)
endef
WINDOWS_CMAKE_ARGS := $(filter-out -DCMAKE_BUILD_TYPE=%,$(CMAKE_ARGS)) -DCMAKE_BUILD_TYPE=Release

windows: PACKAGES := $(WINDOWS_PACKAGES)
windows: deps
	$(build-windows)

# The browser edition in $(WEB_BUILD)/site, and beside it the same files as
# quillomar-<version>-web.zip: first natively the program that writes the page
# (in $(WEB_BUILD)/host), then the core as WebAssembly. Emscripten's own tools
# need Debian's Node.js modules, whichever node comes first on the PATH.
WEB_CMAKE_ARGS := $(filter-out -DCMAKE_BUILD_TYPE=%,$(CMAKE_ARGS)) -DCMAKE_BUILD_TYPE=MinSizeRel
define build-web
	cmake -S . -B $(WEB_BUILD)/host $(WEB_CMAKE_ARGS) -DQUILLOMAR_QT_WINDOW=OFF -DQUILLOMAR_WEB_PAGE=ON \
		-DBUILD_TESTING=OFF
	cmake --build $(WEB_BUILD)/host -j $(JOBS)
	NODE_PATH=/usr/share/nodejs emcmake cmake -S . -B $(WEB_BUILD) $(WEB_CMAKE_ARGS) \
		-DQUILLOMAR_WEB_TOOLS=$(abspath $(WEB_BUILD)/host/ui/web)
	NODE_PATH=/usr/share/nodejs cmake --build $(WEB_BUILD) -j $(JOBS)
endef

web: PACKAGES := $(WEB_PACKAGES)
web: deps
	$(build-web)

# The code's layout, Linux, then Windows: the 64-bit program's tests under Wine (tools/with-wine
# gives them a private X server and Wine prefix), the 32-bit one's as a file;
# then the browser edition in Chromium, Firefox and WebKit.
test: PACKAGES += $(TEST_PACKAGES) $(WINDOWS_PACKAGES) $(WINE_PACKAGES) $(WEB_PACKAGES) \
	$(WEB_TEST_PACKAGES)
test: build
	tools/check-format
	cd $(BUILD) && ctest --output-on-failure -j $(JOBS) -O ctest.log
	cmake -S . -B $(SANITIZE_BUILD) $(CMAKE_ARGS) -DQUILLOMAR_SANITIZE=ON
	cmake --build $(SANITIZE_BUILD) -j $(JOBS)
	cd $(SANITIZE_BUILD) && $(SANITIZE_ENV) ctest --output-on-failure -j $(JOBS) -O ctest.log
	$(build-windows)
	tools/with-wine ctest --test-dir $(WIN64_BUILD) --output-on-failure -j $(JOBS) -O $(WIN64_BUILD)/ctest.log
	ctest --test-dir $(WIN32_BUILD) --output-on-failure -O $(WIN32_BUILD)/ctest.log
	$(build-web)
	rm -rf $(WEB_BUILD)/axe && mkdir -p $(WEB_BUILD)/axe && cp tests/web/axe/package.json \
		tests/web/axe/package-lock.json $(WEB_BUILD)/axe
	cd $(WEB_BUILD)/axe && npm ci --ignore-scripts --no-audit --no-fund
	ctest --test-dir $(WEB_BUILD) --output-on-failure -j $(JOBS) -O $(WEB_BUILD)/ctest.log
	@echo "make test: every run passed: $(call ran,$(BUILD)) tests as built, $(call ran,$(SANITIZE_BUILD)) with the sanitizers, $(call ran,$(WIN64_BUILD)) of 64-bit Windows under Wine, $(call ran,$(WIN32_BUILD)) of 32-bit Windows, $(call ran,$(WEB_BUILD)) of the browser edition in Chromium, Firefox and WebKit"

# Benchmarks of the core, start-up and interaction, the Windows program's
# start-up under Wine, and the browser edition's load, clicks and size; figures
# go to bench/RESULTS.md.
BENCH_WINDOWS_BUILD ?= build-bench-win64
bench: PACKAGES += $(BENCH_PACKAGES) $(WINDOWS_PACKAGES) $(WINE_PACKAGES) $(WEB_PACKAGES) \
	$(WEB_TEST_PACKAGES)
bench: deps
	cmake -S . -B $(BENCH_BUILD) $(CMAKE_ARGS) -DQUILLOMAR_BENCH=ON -DBUILD_TESTING=OFF
	cmake --build $(BENCH_BUILD) -j $(JOBS)
	$(build-windows)
	cmake -S . -B $(BENCH_WINDOWS_BUILD) $(WINDOWS_CMAKE_ARGS) -DQUILLOMAR_BENCH=ON -DBUILD_TESTING=OFF \
		-DCMAKE_TOOLCHAIN_FILE=cmake/mingw-w64-x86_64.cmake
	cmake --build $(BENCH_WINDOWS_BUILD) -j $(JOBS)
	$(build-web)
	bench/run $(BENCH_BUILD) $(BENCH_WINDOWS_BUILD) $(WIN64_BUILD) $(WIN32_BUILD) $(WEB_BUILD)/site

# Lighthouse's scores for the built site, mobile and desktop: pinned in
# bench/lighthouse/package-lock.json and installed into $(WEB_BUILD)/lighthouse.
audit: PACKAGES := $(WEB_PACKAGES) $(WEB_TEST_PACKAGES)
audit: deps
	$(build-web)
	rm -rf $(WEB_BUILD)/lighthouse && mkdir -p $(WEB_BUILD)/lighthouse && cp \
		bench/lighthouse/package.json bench/lighthouse/package-lock.json $(WEB_BUILD)/lighthouse
	cd $(WEB_BUILD)/lighthouse && npm ci --ignore-scripts --no-audit --no-fund
	bench/lighthouse/run $(WEB_BUILD)/site $(WEB_BUILD)/lighthouse/node_modules

# The Debian package, in $(BUILD): quillomar_<version>_<arch>.deb. Under
# umask 022, as dpkg-buildpackage builds, since CPack gives the package's
# folders and parts the modes they were made with.
package: PACKAGES += dpkg-dev file
package: build
	cd $(BUILD) && umask 022 && cpack -G DEB

# The same bytes from every build: the last commit built twice by reprotest,
# the second time in another folder, at another time, under another umask,
# time zone and locale, and every download compared (tools/check-reproducible).
reproducible: PACKAGES += dpkg-dev file $(WINDOWS_PACKAGES) $(WEB_PACKAGES) reprotest diffoscope \
	disorderfs faketime
reproducible: deps
	tools/check-reproducible

clean:
	rm -rf $(BUILD) $(SANITIZE_BUILD) $(BENCH_BUILD) $(WIN64_BUILD) $(WIN32_BUILD) \
		$(BENCH_WINDOWS_BUILD) $(WEB_BUILD)
