# Zenkora: top-level entry points. Every target sets up what it needs on a fresh Debian machine.
#   make demo   - build and run the example script (transcript on stdout, outputs in out/)
#   make test   - build everything with AddressSanitizer/UBSan and run the whole test suite
#   make bench  - build an optimised tree and run the benchmarks

BUILD     ?= build
BENCHDIR  ?= build-bench
JOBS      ?= $(shell nproc 2>/dev/null || echo 2)
PACKAGES  := cmake g++ make ninja-build libgtest-dev libgmock-dev libbenchmark-dev python3

.PHONY: all setup configure build demo test bench clean

all: build

setup:
	@sh cmake/setup-packages.sh $(PACKAGES)

configure: setup
	@if [ ! -f $(BUILD)/build.ninja ]; then \
	  cmake -S . -B $(BUILD) -G Ninja -DCMAKE_BUILD_TYPE=Debug -DZENKORA_SANITIZE=ON; fi

build: configure
	cmake --build $(BUILD) -j $(JOBS)

demo: build
	@mkdir -p out
	sh examples/run-demo.sh $(BUILD)/bin

test: build
	cd $(BUILD) && ctest --output-on-failure -j $(JOBS)

bench: setup
	@if [ ! -f $(BENCHDIR)/build.ninja ]; then \
	  cmake -S . -B $(BENCHDIR) -G Ninja -DCMAKE_BUILD_TYPE=Release -DZENKORA_SANITIZE=OFF -DZENKORA_TESTS=OFF; fi
	cmake --build $(BENCHDIR) -j $(JOBS)
	sh bench/run-all.sh $(BENCHDIR)/bin

clean:
	rm -rf $(BUILD) $(BENCHDIR) out
