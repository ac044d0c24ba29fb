# make run   - install what is needed, build, start the program
# make test  - install what is needed, build, run all tests
# make bench - build and run the benchmarks
# make fuzz  - build the fuzz targets (clang) and run each FUZZ_SECONDS seconds
BUILD ?= build
JOBS ?= $(shell nproc)
FUZZ_SECONDS ?= 60
FUZZ_JOBS ?= 4

.PHONY: deps configure build run test test-asan fuzz bench clean

deps:
	@bash scripts/install-deps

configure: deps
	@cmake -S . -B $(BUILD) -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo >/dev/null

build: configure
	@cmake --build $(BUILD) -j $(JOBS)

run: build
	./$(BUILD)/bin/trevik-ap

test: build
	@cd $(BUILD) && ctest --output-on-failure -j $(JOBS)

# The non-window code once more under AddressSanitizer and UBSan.
test-asan: deps
	@cmake -S . -B $(BUILD)-asan -G Ninja -DCMAKE_BUILD_TYPE=Debug -DTREVIK_SANITIZE=ON -DTREVIK_WITH_UI=OFF >/dev/null
	@cmake --build $(BUILD)-asan -j $(JOBS)
	@cd $(BUILD)-asan && ASAN_OPTIONS=detect_leaks=0 ctest --output-on-failure -j $(JOBS) -L 'platform|core|device|formats|fuzz'

# libFuzzer with AddressSanitizer and UBSan; findings land in $(BUILD)-fuzz/fuzz-findings.
fuzz: deps
	@cmake -S . -B $(BUILD)-fuzz -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo -DCMAKE_C_COMPILER=clang \
		-DCMAKE_CXX_COMPILER=clang++ -DTREVIK_FUZZ=ON -DTREVIK_WITH_UI=OFF -DBUILD_TESTING=OFF >/dev/null
	@cmake --build $(BUILD)-fuzz -j $(JOBS) --target fuzz_all
	@bash tests/fuzz/run $(BUILD)-fuzz $(FUZZ_SECONDS) $(FUZZ_JOBS)

bench: build
	@cmake --build $(BUILD) --target bench

clean:
	rm -rf $(BUILD) $(BUILD)-asan $(BUILD)-fuzz
