# The two commands of the README: `make run` and `make test`.
BUILD ?= build
JOBS ?= $(shell nproc)

.PHONY: deps configure build run test bench clean

deps:
	scripts/install-deps

configure: deps
	cmake -S . -B $(BUILD) -G Ninja

build: configure
	cmake --build $(BUILD) -j $(JOBS)

run: build
	$(BUILD)/app/lighting

# The window tests start virtual X servers of their own.
test: build
	cd $(BUILD) && ctest --output-on-failure -j $(JOBS)

# Every benchmark: one executable per bench/bench_*.cpp; the viewer's on an
# X server of its own.
BENCHMARKS = $(patsubst bench/%.cpp,$(BUILD)/bench/%,$(wildcard bench/bench_*.cpp))

bench: build
	set -e; for benchmark in $(BENCHMARKS); do \
	  case $$benchmark in */bench_viewer|*/bench_playback) tests/support/with-own-x-server $$benchmark;; *) $$benchmark;; esac; \
	done

clean:
	rm -rf $(BUILD)
