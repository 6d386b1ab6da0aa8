# Everything a person does with the project, on a fresh Debian machine.
BUILD ?= build
JOBS ?= $(shell nproc)

.PHONY: all setup setup-desktop configure build test run bench clean test-asan fuzz-smoke

all: build

# Everything `make test` needs (the web page's tool chain and npm packages
# included, see web/web.mk); setup-desktop only what the desktop program needs.
setup:
	@bash scripts/setup.sh

setup-desktop:
	@bash scripts/setup.sh desktop translations

$(BUILD)/build.ninja:
	cmake -S . -B $(BUILD) -G Ninja -DCMAKE_BUILD_TYPE=Release

configure: $(BUILD)/build.ninja

build: setup configure
	cmake --build $(BUILD) -j $(JOBS)

# Every test, then the fuzz targets built with clang and run briefly over their
# kept inputs, so that a reader change that breaks them shows at once.
test: build
	cd $(BUILD) && QT_QPA_PLATFORM=offscreen ctest --output-on-failure -j $(JOBS)
	$(MAKE) --no-print-directory fuzz-smoke FUZZ_SECONDS=5

# Only the desktop program, its translations and its data folders: no web
# tool chain, no npm registry.
run: setup-desktop configure
	cmake --build $(BUILD) --target breathlab breathlab_translations data_folders -j $(JOBS)
	$(BUILD)/bin/breathlab

bench: build
	$(BUILD)/bin/breathlab-bench
	$(BUILD)/bin/breathlab-window-bench
	bash bench/sweep_scaling.sh $(BUILD)/bin/breathlab-cli
	bash bench/paired_compare.sh $(BUILD)/bin/breathlab-cli

clean:
	rm -rf $(BUILD)

# Capabilities with targets of their own (packaging, the web page, the slow
# checks) keep them in a .mk file in their folder.
include $(sort $(wildcard */*.mk))

# The whole test suite under AddressSanitizer and UndefinedBehaviorSanitizer;
# any report ends the test that caused it.
ASAN_BUILD ?= build-asan
SANITIZE_FLAGS = -fsanitize=address,undefined -fno-sanitize-recover=undefined -fno-omit-frame-pointer -g

test-asan: setup
	cmake -S . -B $(ASAN_BUILD) -G Ninja -DCMAKE_BUILD_TYPE=Release \
	  "-DCMAKE_CXX_FLAGS=$(SANITIZE_FLAGS)" "-DCMAKE_EXE_LINKER_FLAGS=-fsanitize=address,undefined"
	cmake --build $(ASAN_BUILD) -j $(JOBS)
	cd $(ASAN_BUILD) && QT_QPA_PLATFORM=offscreen \
	  ASAN_OPTIONS=halt_on_error=1:detect_leaks=1 \
	  UBSAN_OPTIONS=halt_on_error=1:print_stacktrace=1 \
	  ctest --output-on-failure -j $(JOBS)

# Builds every fuzz target with clang and runs each briefly over its kept inputs.
FUZZ_BUILD ?= build-fuzz
FUZZ_SECONDS ?= 10

fuzz-smoke: setup
	CC=clang CXX=clang++ cmake -S . -B $(FUZZ_BUILD) -G Ninja -DBREATHLAB_FUZZ=ON -DCMAKE_BUILD_TYPE=Debug
	cmake --build $(FUZZ_BUILD) --target fuzz_all -j $(JOBS)
	bash fuzz/smoke.sh $(FUZZ_BUILD)/bin $(FUZZ_SECONDS)
