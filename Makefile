# The two commands a person needs: `make run` and `make test`.
# Both install the Debian packages they rely on (as root) before building.
JOBS ?= $(shell nproc)
BUILD := build
SANITIZE_BUILD := build-asan
BENCH_BUILD := build-bench
PACKAGE_BUILD := build-package

.PHONY: run test build bench package deps-build deps-test deps-bench deps-package clean

deps-build:
	@tools/install-deps.sh build

deps-test:
	@tools/install-deps.sh build test e2e

deps-bench:
	@tools/install-deps.sh build bench

deps-package:
	@tools/install-deps.sh build package

build: deps-build
	cmake -S . -B $(BUILD) -DCMAKE_BUILD_TYPE=RelWithDebInfo
	cmake --build $(BUILD) -j $(JOBS)

run: build
	$(BUILD)/app/raruvid

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

# The Debian package, from a release build of its own.
package: deps-package
	cmake -S . -B $(PACKAGE_BUILD) -DCMAKE_BUILD_TYPE=Release
	cmake --build $(PACKAGE_BUILD) -j $(JOBS)
	rm -f $(PACKAGE_BUILD)/raruvid_*.deb
	cd $(PACKAGE_BUILD) && cpack -G DEB
	@echo "The package is $$(ls $(PACKAGE_BUILD)/raruvid_*.deb); install it with:"
	@echo "  sudo apt install ./$$(ls $(PACKAGE_BUILD)/raruvid_*.deb)"

clean:
	rm -rf $(BUILD) $(SANITIZE_BUILD) $(BENCH_BUILD) $(PACKAGE_BUILD)
