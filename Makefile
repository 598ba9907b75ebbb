# The two commands of the README: `make run` and `make test`. Each installs what is missing first.
BUILD ?= build
JOBS ?= 2
CMAKE_FLAGS ?=
ifdef CI
CMAKE_FLAGS += -DORVELLE_WERROR=ON
endif

.PHONY: all deps configure build run test test-windows bench fuzz clean

all: build

deps:
	@tools/install-deps.sh

configure: deps
	@test -f $(BUILD)/build.ninja || cmake -S . -B $(BUILD) -G Ninja $(CMAKE_FLAGS)

build: configure
	cmake --build $(BUILD) -j$(JOBS)

run: build
	@tools/run.sh $(BUILD)

test: build
	cd $(BUILD) && ctest --output-on-failure -j$(JOBS)

# The Qt-free core and the Win32 layer, cross-built with mingw-w64 and tested under Wine.
test-windows:
	@tools/test-windows.sh build-windows

bench: deps
	cmake -S . -B build-bench -G Ninja -DCMAKE_BUILD_TYPE=Release -DORVELLE_BENCH=ON -DORVELLE_TESTS=OFF -DORVELLE_GUI=OFF -DORVELLE_FUZZ=OFF
	cmake --build build-bench -j$(JOBS)
	build-bench/bench/orvelle_bench

clean:
	rm -rf $(BUILD) build-bench build-fuzz build-asan build-windows
