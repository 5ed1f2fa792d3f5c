MAKEFLAGS += --no-print-directory
BUILD ?= build
JOBS ?= $(shell nproc)
export ALSOFT_DRIVERS ?= null

.PHONY: all bootstrap build run test bench test-sanitize fuzz clean

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
	@cd $(BUILD) && ../scripts/with-xvfb ctest --output-on-failure -j $(JOBS) --timeout 600

# One table of the hot paths; the texture upload needs a window, hence the private X server.
# The build's own output is shown only when it fails.
bench: bootstrap
	@cmake -S . -B $(BUILD) -DCMAKE_BUILD_TYPE=RelWithDebInfo >/dev/null
	@cmake --build $(BUILD) -j $(JOBS) --target torve-bench torve-sim gamefolder >$(BUILD)/bench-build.log 2>&1 \
		|| { cat $(BUILD)/bench-build.log; exit 1; }
	@$(CURDIR)/scripts/with-xvfb $(abspath $(BUILD))/torve-bench --replays $(CURDIR)/tests/replays

test-sanitize: bootstrap
	@cmake -S . -B build-sanitize -DCMAKE_BUILD_TYPE=Debug -DTORVE_SANITIZE=ON >/dev/null
	@cmake --build build-sanitize -j $(JOBS)
	@cd build-sanitize && ../scripts/with-xvfb ctest --output-on-failure -j $(JOBS) --timeout 1200

clean:
	rm -rf $(BUILD) build-sanitize

# Builds the libFuzzer harnesses with clang and the sanitizers into build-fuzz/.
fuzz: bootstrap
	@cmake -S . -B build-fuzz -DCMAKE_BUILD_TYPE=RelWithDebInfo -DCMAKE_CXX_COMPILER=clang++-14 -DTORVE_SANITIZE=ON -DTORVE_FUZZ=ON >/dev/null
	@cmake --build build-fuzz -j $(JOBS) --target $(patsubst fuzz/%.cpp,%,$(wildcard fuzz/*Fuzzer.cpp))
