# The two commands a person needs: `make run` and `make test`.
# Both install the Debian packages they rely on (as root) before building.
JOBS ?= $(shell nproc)
BUILD := build
SANITIZE_BUILD := build-asan
BENCH_BUILD := build-bench

.PHONY: run test build bench deps-build deps-test deps-bench clean

deps-build:
	@tools/install-deps.sh build

deps-test:
	@tools/install-deps.sh build test e2e

deps-bench:
	@tools/install-deps.sh build bench

build: deps-build
	cmake -S . -B $(BUILD) -DCMAKE_BUILD_TYPE=RelWithDebInfo
	cmake --build $(BUILD) -j $(JOBS)

run: build
	@if [ -x $(BUILD)/app/raruvid ]; then \
		exec $(BUILD)/app/raruvid; \
	else \
		echo "The calculator window is not built yet: only the keypad engine and its tests exist so far."; \
		exit 1; \
	fi

# The suite runs twice: once as built with g++, once under clang++ with
# AddressSanitizer and UndefinedBehaviorSanitizer (which also runs the fuzzers).
test: deps-test
	cmake -S . -B $(BUILD) -DCMAKE_BUILD_TYPE=RelWithDebInfo -DRARUVID_TESTS=ON
	cmake --build $(BUILD) -j $(JOBS)
	cd $(BUILD) && ctest --output-on-failure -j $(JOBS)
	CC=clang CXX=clang++ cmake -S . -B $(SANITIZE_BUILD) -DCMAKE_BUILD_TYPE=Debug \
		-DRARUVID_TESTS=ON -DRARUVID_SANITIZE=ON -DRARUVID_FUZZ=ON
	cmake --build $(SANITIZE_BUILD) -j $(JOBS)
	cd $(SANITIZE_BUILD) && ctest --output-on-failure -j $(JOBS)

bench: deps-bench
	cmake -S . -B $(BENCH_BUILD) -DCMAKE_BUILD_TYPE=Release -DRARUVID_BENCH=ON
	cmake --build $(BENCH_BUILD) -j $(JOBS)
	@echo "Benchmarks are in $(BENCH_BUILD)/bench/"

clean:
	rm -rf $(BUILD) $(SANITIZE_BUILD) $(BENCH_BUILD)
