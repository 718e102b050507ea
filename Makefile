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

bench: build
	$(BUILD)/bench/bench_datamodule
	$(BUILD)/bench/bench_serial
	$(BUILD)/bench/bench_protocol
	$(BUILD)/bench/bench_scene

clean:
	rm -rf $(BUILD)
