# Front door: every target first makes sure the Debian packages are there.
BUILD_DIR ?= build
BUILD_TYPE ?= RelWithDebInfo

.PHONY: deps configure build test run clean

deps:
	@scripts/install-deps

configure: deps
	@cmake -S . -B $(BUILD_DIR) -G Ninja -DCMAKE_BUILD_TYPE=$(BUILD_TYPE) >/dev/null

build: configure
	@cmake --build $(BUILD_DIR)

test: build
	@cd $(BUILD_DIR) && ctest --output-on-failure

clean:
	rm -rf $(BUILD_DIR)
