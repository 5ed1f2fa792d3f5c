MAKEFLAGS += --no-print-directory
BUILD ?= build
JOBS ?= $(shell nproc)
PREFIX ?= /usr/local
export ALSOFT_DRIVERS ?= null

.PHONY: all bootstrap build run test install package bench bench-window forgiveness screenshots build-sanitize test-sanitize soak fuzz mutants clean

all: build

bootstrap:
	@scripts/bootstrap

build: bootstrap
	@cmake -S . -B $(BUILD) -DCMAKE_BUILD_TYPE=RelWithDebInfo >/dev/null
	@cmake --build $(BUILD) -j $(JOBS)

run: build
	@if [ -z "$$DISPLAY" ]; then echo "torve: no display found (DISPLAY is not set); start it from a graphical session."; exit 1; fi
	@cd $(BUILD)/game && ALSOFT_DRIVERS= ./torve

test: build
	@cd $(BUILD) && { ../scripts/with-xvfb ctest --output-on-failure -j $(JOBS) --timeout 600; status=$$?; \
		grep -h -A1 ': Skipped$$' Testing/Temporary/LastTest.log || true; exit $$status; }

# The game, its data, desktop entry, icon, metadata and man page under PREFIX (DESTDIR for staging).
install: build
	@DESTDIR=$(DESTDIR) cmake --install $(BUILD) --prefix $(PREFIX)

# A Debian package in $(BUILD)/, its dependencies read from the binaries by dpkg-shlibdeps.
package: build
	@cd $(BUILD) && cpack >cpack.log 2>&1 || { cat cpack.log; exit 1; }
	@ls $(BUILD)/torve_*.deb

# One table of the hot paths; the texture upload needs a window, hence the private X server.
# The build's own output is shown only when it fails.
bench: bootstrap
	@cmake -S . -B $(BUILD) -DCMAKE_BUILD_TYPE=RelWithDebInfo >/dev/null
	@cmake --build $(BUILD) -j $(JOBS) --target torve-bench torve-sim gamefolder >$(BUILD)/bench-build.log 2>&1 \
		|| { cat $(BUILD)/bench-build.log; exit 1; }
	@$(CURDIR)/scripts/with-xvfb $(abspath $(BUILD))/torve-bench --replays $(CURDIR)/tests/replays

# Every shipped replay in the real window (torve --replay) and headless, on a private Xvfb with
# the software renderer: peak and end resident memory and CPU time a frame of each run.
bench-window: build
	@$(CURDIR)/scripts/with-xvfb $(CURDIR)/scripts/bench-window $(abspath $(BUILD))

# How many timing-jittered copies of the keyboard replays of levels 1 to 4 still finish.
forgiveness: build
	@scripts/forgiveness --build $(BUILD)

# Plays the game on a private Xvfb and writes docs/screenshots/.
screenshots: build
	@scripts/screenshots $(BUILD)

# AddressSanitizer and UndefinedBehaviorSanitizer over the library, the tools and the tests,
# optimised so the replays and the soak run in reasonable time, with the float-to-int check
# that gcc leaves out of "undefined". Undefined behaviour stops the process, so a report can
# never pass unnoticed.
SANITIZE_ENV = ASAN_OPTIONS=detect_leaks=1 UBSAN_OPTIONS=halt_on_error=1:print_stacktrace=1
# Tests with a real OpenGL window or render texture are left to `make test`: the software GL driver under Xvfb
# leaves allocations the leak checker cannot attribute, and their waits assume full speed.
# So are the install and package checks, which test files rather than code.
SANITIZE_SKIP = ^(HeadlessWindow|SfmlWindow|SfmlWindowInput|MainWindow|EditorWindow|Leaving|Play|Screens|ScreenshotTour|CommandLine|Installed|Install)\.

build-sanitize: bootstrap
	@cmake -S . -B build-sanitize -DCMAKE_BUILD_TYPE=RelWithDebInfo -DCMAKE_CXX_FLAGS=-fsanitize=float-cast-overflow \
		-DTORVE_SANITIZE=ON >/dev/null
	@cmake --build build-sanitize -j $(JOBS)

test-sanitize: build-sanitize
	@cd build-sanitize && $(SANITIZE_ENV) ../scripts/with-xvfb ctest --output-on-failure -j $(JOBS) --timeout 1200 -E '$(SANITIZE_SKIP)'

# Random play for 200 000 frames over the five levels and 200 restarts of one, sanitized.
soak: build-sanitize
	@$(SANITIZE_ENV) scripts/soak build-sanitize

clean:
	rm -rf $(BUILD) build-sanitize build-fuzz build-mutants

# Mutation testing, not part of CI: COUNT faults drawn by SEED from src/ (or from the FILES
# given, folders or patterns), each built and tested in build-mutants/; prints which test
# caught each and the score. Niced: it runs for a long while beside other work. Under a
# private X server, so the editor's window test (seconds, unlike the other window suites) judges too.
SEED ?= 1
COUNT ?= 40
FILES ?=
mutants: bootstrap
	@nice -n 10 scripts/with-xvfb scripts/mutants --seed $(SEED) --count $(COUNT) $(if $(FILES),--files $(FILES))

# Builds the libFuzzer harnesses with clang and the sanitizers into build-fuzz/. The whole
# library carries the coverage counters, so the fuzzer is guided by the readers' own code.
# The playing harness places the pictures of the normal build's game folder.
fuzz: bootstrap
	@cmake -S . -B $(BUILD) -DCMAKE_BUILD_TYPE=RelWithDebInfo >/dev/null
	@cmake --build $(BUILD) -j $(JOBS) --target gamefolder
	@cmake -S . -B build-fuzz -DCMAKE_BUILD_TYPE=RelWithDebInfo -DCMAKE_CXX_COMPILER=clang++-14 \
		-DCMAKE_CXX_FLAGS=-fsanitize=fuzzer-no-link -DTORVE_SANITIZE=ON -DTORVE_FUZZ=ON \
		-DTORVE_FUZZ_GAME_DIR=$(abspath $(BUILD))/game >/dev/null
	@cmake --build build-fuzz -j $(JOBS) --target $(patsubst fuzz/%.cpp,%,$(wildcard fuzz/*Fuzzer.cpp))
