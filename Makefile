# Everything a person does with the project, on a fresh Debian machine.
BUILD ?= build
JOBS ?= $(shell nproc)

.PHONY: all setup configure build test run bench clean

all: build

setup:
	@bash scripts/setup.sh

$(BUILD)/build.ninja:
	cmake -S . -B $(BUILD) -G Ninja -DCMAKE_BUILD_TYPE=Release

configure: $(BUILD)/build.ninja

build: setup configure
	cmake --build $(BUILD) -j $(JOBS)

test: build
	cd $(BUILD) && QT_QPA_PLATFORM=offscreen ctest --output-on-failure -j $(JOBS)

run: build
	@if [ -x $(BUILD)/bin/breathlab ]; then \
	  $(BUILD)/bin/breathlab; \
	else \
	  echo "The window is not built yet; running a headless default examination instead."; \
	  $(BUILD)/bin/breathlab-cli run; \
	fi

bench: build
	$(BUILD)/bin/breathlab-bench
	$(BUILD)/bin/breathlab-window-bench
	bash bench/sweep_scaling.sh $(BUILD)/bin/breathlab-cli

clean:
	rm -rf $(BUILD)
