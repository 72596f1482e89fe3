# Front door: every target first makes sure the Debian packages are there.
BUILD_DIR ?= build
BUILD_TYPE ?= RelWithDebInfo

.PHONY: deps configure build test run screenshot clean

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

run: build
	@$(BUILD_DIR)/app/zerkovan

screenshot: build
	@QT_QPA_PLATFORM=offscreen $(BUILD_DIR)/app/zerkovan-screenshot docs/window-after-4.png
	@echo "wrote docs/window-after-4.png"
