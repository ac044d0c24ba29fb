# make run   - install what is needed, build, start the program
# make test  - install what is needed, build, run all tests
# make bench - build and run the benchmarks
BUILD ?= build
JOBS ?= $(shell nproc)

.PHONY: deps configure build run test test-asan bench clean

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
	@cd $(BUILD)-asan && ASAN_OPTIONS=detect_leaks=0 ctest --output-on-failure -j $(JOBS) -L 'platform|core|device|formats'

bench: build
	@cmake --build $(BUILD) --target bench

clean:
	rm -rf $(BUILD) $(BUILD)-asan
