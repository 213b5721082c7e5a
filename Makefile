# Zenkora: top-level entry points. Every target sets up what it needs on a fresh Debian machine.
#   make demo   - build and run the example script (transcript on stdout, outputs in out/)
#   make test   - build everything with AddressSanitizer/UBSan and run the whole test suite
#   make bench  - build an optimised tree and run the benchmarks
#   make fuzz   - build the drawing-file and DXF fuzz targets with clang and run each for FUZZ_SECONDS

BUILD     ?= build
BENCHDIR  ?= build-bench
FUZZDIR   ?= build-fuzz
FUZZ_SECONDS ?= 60
LAUNCHER  := $(if $(shell command -v ccache 2>/dev/null),-DCMAKE_CXX_COMPILER_LAUNCHER=ccache)
JOBS      ?= $(shell nproc 2>/dev/null || echo 2)
PACKAGES  := cmake g++ make ninja-build libgtest-dev libgmock-dev libbenchmark-dev python3 python3-ezdxf librecad-data

.PHONY: all setup configure build demo test bench fuzz clean

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

# New inputs the fuzzers find collect in $(FUZZDIR)/corpus and dxf-corpus; crashes go to
# $(FUZZDIR)/artifacts/ and dxf-artifacts/ (copy each into tests/fuzz/corpus-regressions/ or
# dxf-corpus-regressions/ once it is fixed).
fuzz:
	@sh cmake/setup-packages.sh cmake make ninja-build clang libclang-rt-14-dev
	@if [ ! -f $(FUZZDIR)/build.ninja ]; then \
	  cmake -S . -B $(FUZZDIR) -G Ninja -DCMAKE_BUILD_TYPE=Debug -DCMAKE_C_COMPILER=clang -DCMAKE_CXX_COMPILER=clang++ $(LAUNCHER) \
	    -DZENKORA_FUZZ=ON -DZENKORA_SANITIZE=OFF -DZENKORA_TESTS=OFF -DZENKORA_BENCH=OFF; fi
	cmake --build $(FUZZDIR) -j $(JOBS) --target drawing_file_fuzz dxf_read_fuzz
	@mkdir -p $(FUZZDIR)/corpus $(FUZZDIR)/artifacts $(FUZZDIR)/dxf-corpus $(FUZZDIR)/dxf-artifacts
	cp tests/fuzz/seeds/* $(FUZZDIR)/corpus/
	find tests/fuzz/corpus-regressions -type f ! -name README.md -exec cp {} $(FUZZDIR)/corpus/ \;
	ASAN_OPTIONS=detect_leaks=1 $(FUZZDIR)/bin/drawing_file_fuzz -max_total_time=$(FUZZ_SECONDS) -timeout=10 \
	  -rss_limit_mb=2048 -artifact_prefix=$(FUZZDIR)/artifacts/ $(FUZZDIR)/corpus
	cp tests/fuzz/dxf-seeds/* $(FUZZDIR)/dxf-corpus/
	find tests/fuzz/dxf-corpus-regressions -type f ! -name README.md -exec cp {} $(FUZZDIR)/dxf-corpus/ \;
	ASAN_OPTIONS=detect_leaks=1 $(FUZZDIR)/bin/dxf_read_fuzz -max_total_time=$(FUZZ_SECONDS) -timeout=10 \
	  -rss_limit_mb=2048 -dict=tests/fuzz/dxf.dict -artifact_prefix=$(FUZZDIR)/dxf-artifacts/ $(FUZZDIR)/dxf-corpus

clean:
	rm -rf $(BUILD) $(BENCHDIR) $(FUZZDIR) out
