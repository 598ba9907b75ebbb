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

# The paintings run in interleaved repetitions: a load that comes and goes falls on both alike.
# Their instruction counts follow, which no load moves.
bench: deps
	cmake -S . -B build-bench -G Ninja -DCMAKE_BUILD_TYPE=Release -DORVELLE_BENCH=ON -DORVELLE_TESTS=OFF -DORVELLE_FUZZ=OFF
	cmake --build build-bench -j$(JOBS)
	build-bench/bench/orvelle_bench
	build-bench/bench/orvelle_paint_bench --benchmark_repetitions=10 --benchmark_enable_random_interleaving=true \
	  --benchmark_report_aggregates_only=true
	tools/paint-instructions.sh build-bench/bench/orvelle_paint_bench 100
	tools/startup-bench.sh build-bench 20

# Fuzzing: the saints table for SECONDS, the settings reader for SETTINGS_SECONDS; what finds new
# coverage joins the kept corpus (fuzz/corpus/, fuzz/settings-corpus/), minimised.
SECONDS ?= 60
SETTINGS_SECONDS ?= 30
FUZZ_JOBS ?= 1
fuzz:
	@ORVELLE_EXTRA_PACKAGES="clang libclang-rt-14-dev" tools/install-deps.sh
	CC=clang CXX=clang++ cmake -S . -B build-fuzz -G Ninja -DORVELLE_GUI=OFF -DORVELLE_TESTS=OFF \
	  -DORVELLE_FUZZ=ON -DORVELLE_SANITIZE=ON -DCMAKE_BUILD_TYPE=RelWithDebInfo >/dev/null
	cmake --build build-fuzz -j$(JOBS) --target saints_fuzz settings_fuzz
	FUZZ_JOBS=$(FUZZ_JOBS) tools/fuzz.sh build-fuzz/fuzz/saints_fuzz fuzz/corpus $(SECONDS) 8192
	FUZZ_JOBS=$(FUZZ_JOBS) tools/fuzz.sh build-fuzz/fuzz/settings_fuzz fuzz/settings-corpus $(SETTINGS_SECONDS) 4096

clean:
	rm -rf $(BUILD) build-bench build-fuzz build-asan build-windows
