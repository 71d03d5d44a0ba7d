# Set-up and everyday commands. Each installs the Debian packages it needs first.

BUILD ?= build
JOBS ?= $(shell nproc)

# Build, window, fonts, and what the tests use (Xvfb, a private D-Bus session).
PACKAGES := g++ cmake libgtest-dev qt6-base-dev libx11-dev fonts-liberation xvfb dbus-daemon

CMAKE_ARGS := -DCMAKE_BUILD_TYPE=RelWithDebInfo
ifneq ($(CI),)
CMAKE_ARGS += -DCMAKE_COMPILE_WARNING_AS_ERROR=ON
endif

.PHONY: all deps build run test clean

all: build

deps:
	@sh tools/ensure-packages $(PACKAGES)

build: deps
	cmake -S . -B $(BUILD) $(CMAKE_ARGS)
	cmake --build $(BUILD) -j $(JOBS)

run: build
	$(BUILD)/quillomar

test: build
	cd $(BUILD) && ctest --output-on-failure -j $(JOBS)

clean:
	rm -rf $(BUILD)
