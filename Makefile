# The two commands of the README: `make run` and `make test`.
SHELL := /bin/bash
MAKEFLAGS += --no-print-directory
JOBS ?= $(shell nproc)

NATIVE_CLI := build/native/tools/vyr-cli/vyr-cli
WINDOWS_CLI := build/win32/tools/vyr-cli/vyr-cli.exe

.PHONY: run test setup native asan tsan win32 fuzz dist test-native test-asan test-tsan test-win32 test-cross test-fuzz test-e2e bench clean

setup:
	@bash scripts/setup.sh

native: setup
	cmake --preset native >/dev/null
	cmake --build --preset native -j$(JOBS)

asan: setup
	cmake --preset asan >/dev/null
	cmake --build --preset asan -j$(JOBS)

win32: setup
	cmake --preset win32 >/dev/null
	cmake --build --preset win32 -j$(JOBS)

tsan: setup
	cmake --preset tsan >/dev/null
	cmake --build --preset tsan -j$(JOBS)

fuzz: setup
	cmake --preset fuzz >/dev/null
	cmake --build --preset fuzz -j$(JOBS)

# The portable release: build/dist/vyr-VERSION-win32.zip and SHA256SUMS.
dist: win32
	cmake --build --preset win32 --target dist

run: win32
	@bash scripts/run.sh

demo-cli: native
	@bash scripts/demo.sh $(NATIVE_CLI)

test-native: native
	ctest --preset native -j$(JOBS)

test-asan: asan
	ctest --preset asan -j$(JOBS)

test-tsan: tsan
	ctest --preset tsan -j$(JOBS)

test-win32: win32
	ctest --preset win32

test-cross: native win32
	bash tests/cross/same_pair.sh $(NATIVE_CLI) $(WINDOWS_CLI)

test-fuzz: fuzz
	bash tests/fuzz/run.sh build/fuzz

test-e2e: win32
	bash tests/e2e/run.sh

test: test-native test-asan test-tsan test-win32 test-cross test-fuzz test-e2e
	@echo "make test: native, sanitizers, Wine, cross-build, fuzz and end-to-end tests all passed"
	@echo "screenshots of the end-to-end run: build/e2e-screenshots"

bench: native win32
	bash bench/run.sh
	bash bench/gui.sh

clean:
	rm -rf build
