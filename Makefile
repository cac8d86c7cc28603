# Velmaro: one entry point for set-up, building, running and testing.
# `make run` and `make test` install what is missing, configure and build.

JOBS      ?= 2
PREFIX    ?= /usr/local
BUILD     ?= build
GENERATOR := -G Ninja
CTEST     := ctest --output-on-failure -j $(JOBS) --timeout 300
FUZZ_SECONDS ?= 60

.PHONY: all deps program-deps release debug asan fuzz-build run test test-release test-asan fuzz fuzz-short coverage bench valgrind soak screenshots install windows windows-deps test-windows clean

all: release

deps:
	@scripts/install-deps

program-deps:
	@scripts/install-deps program

$(BUILD)/release/build.ninja:
	cmake -S . -B $(BUILD)/release $(GENERATOR) -DCMAKE_BUILD_TYPE=Release

$(BUILD)/debug/build.ninja:
	cmake -S . -B $(BUILD)/debug $(GENERATOR) -DCMAKE_BUILD_TYPE=Debug

$(BUILD)/asan/build.ninja:
	cmake -S . -B $(BUILD)/asan $(GENERATOR) -DCMAKE_BUILD_TYPE=Debug -DVELMARO_SANITIZE=ON

$(BUILD)/coverage/build.ninja:
	cmake -S . -B $(BUILD)/coverage $(GENERATOR) -DCMAKE_BUILD_TYPE=Debug -DVELMARO_COVERAGE=ON \
	  -DCMAKE_C_COMPILER=clang -DCMAKE_CXX_COMPILER=clang++

$(BUILD)/fuzz/build.ninja:
	cmake -S . -B $(BUILD)/fuzz $(GENERATOR) -DCMAKE_BUILD_TYPE=Debug -DVELMARO_FUZZ=ON \
	  -DCMAKE_C_COMPILER=clang -DCMAKE_CXX_COMPILER=clang++

# A build folder `make run` configured without the tests gets them now.
release: deps $(BUILD)/release/build.ninja
	@if grep -qx 'BUILD_TESTING:BOOL=OFF' $(BUILD)/release/CMakeCache.txt; then \
	  cmake -S . -B $(BUILD)/release -DBUILD_TESTING=ON; fi
	cmake --build $(BUILD)/release -j $(JOBS)

debug: deps $(BUILD)/debug/build.ninja
	cmake --build $(BUILD)/debug -j $(JOBS)

asan: deps $(BUILD)/asan/build.ninja
	cmake --build $(BUILD)/asan -j $(JOBS)

fuzz-build: deps $(BUILD)/fuzz/build.ninja
	cmake --build $(BUILD)/fuzz -j $(JOBS) --target velmaro_fuzzers

# Only what the program needs: its packages, the program, and the tools
# that compile its resources. A new build folder is configured without the
# tests, whose packages are not there yet; `make release` and `make test`
# install and build the rest.
run: program-deps
	@test -f $(BUILD)/release/build.ninja || \
	  cmake -S . -B $(BUILD)/release $(GENERATOR) -DCMAKE_BUILD_TYPE=Release -DBUILD_TESTING=OFF
	cmake --build $(BUILD)/release -j $(JOBS) --target velmaro
	$(BUILD)/release/app/velmaro

# The storm among the tests (tests/app) gives the same input in every run:
# STORM_SEED=n tries another, and a failed storm prints its seed.
STORM_SEED ?=
TEST_STORM_SEED = $(or $(STORM_SEED),20261207)

test-release: release
	STORM_SEED=$(TEST_STORM_SEED) $(CTEST) --test-dir $(BUILD)/release

SANITIZER_OPTIONS := ASAN_OPTIONS=detect_leaks=1:abort_on_error=1 UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1 \
	  LSAN_OPTIONS=suppressions=$(CURDIR)/scripts/lsan-suppressions.txt:print_suppressions=0

test-asan: asan
	STORM_SEED=$(TEST_STORM_SEED) $(SANITIZER_OPTIONS) $(CTEST) --test-dir $(BUILD)/asan

# Every test in the normal and the sanitizer build, then a short fuzzing pass.
test: test-release test-asan fuzz-short

fuzz-short: fuzz-build
	JOBS=$(JOBS) FUZZ_SECONDS=10 scripts/run-fuzzers $(BUILD)/fuzz

fuzz: fuzz-build
	JOBS=$(JOBS) FUZZ_SECONDS=$(FUZZ_SECONDS) scripts/run-fuzzers $(BUILD)/fuzz

# What the whole test suite runs of framework/, app/, runtime/ and platform/,
# measured with clang's source-based coverage: lines, functions and branches
# per folder, the framework functions no test runs, and an HTML report in
# $(BUILD)/coverage/coverage-html. The programs the build itself runs (the
# resource compilers) write their profiles aside, so only the tests count.
coverage: deps $(BUILD)/coverage/build.ninja
	LLVM_PROFILE_FILE=$(CURDIR)/$(BUILD)/coverage/build-profiles/%p.profraw cmake --build $(BUILD)/coverage -j $(JOBS)
	STORM_SEED=$(TEST_STORM_SEED) JOBS=$(JOBS) scripts/coverage-report $(BUILD)/coverage

bench: release
	cmake --build $(BUILD)/release -j $(JOBS) --target velmaro_benchmarks
	scripts/run-benchmarks $(BUILD)/release

# The long runs of the real program: a storm of 100,000 random inputs in the
# sanitizer build (STORM_SEED to repeat one; the seed is printed), then each
# "Go" pressed a million times, typing and the menu as often, in the release
# build, with the heap checked for growth.
soak: asan release
	$(SANITIZER_OPTIONS) $(BUILD)/asan/tests/app/velmaro_storm storm 100000 $(STORM_SEED)
	$(BUILD)/release/tests/app/velmaro_storm soak 1000000

# Every test program under valgrind's memcheck; slow, so not part of `make test`.
valgrind: release
	scripts/run-valgrind $(BUILD)/release

# The program, its desktop entry and its icons under PREFIX (and DESTDIR,
# for packaging).
install: release
	cmake --install $(BUILD)/release --prefix $(PREFIX)

# The calculator's pictures made anew by its scripted driver: the README's
# and the end-to-end test's references.
screenshots: release
	scripts/make-screenshots $(BUILD)/release/app/velmaro

# Velmaro for 64-bit Windows, cross-built with mingw-w64 against Windows'
# own API: the host build's archive and resource compilers first, then the
# program, its tests for Windows and the zip (build/windows/velmaro-windows.zip).
windows: deps windows-deps $(BUILD)/release/build.ninja
	cmake --build $(BUILD)/release -j $(JOBS) --target orvane velmaro_rc
	cmake -S . -B $(BUILD)/windows $(GENERATOR) -DCMAKE_BUILD_TYPE=Release \
	  -DCMAKE_TOOLCHAIN_FILE=cmake/mingw-w64.cmake -DVELMARO_HOST_BUILD=$(CURDIR)/$(BUILD)/release
	cmake --build $(BUILD)/windows -j $(JOBS)

windows-deps:
	@scripts/install-deps windows

# The Windows build's tests under Wine, on an X server of their own.
test-windows: windows
	@scripts/install-deps wine
	WITH_XVFB_SECONDS=1200 scripts/with-xvfb $(CTEST) --test-dir $(BUILD)/windows

clean:
	rm -rf $(BUILD)
