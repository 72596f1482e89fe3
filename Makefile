# Front door: every target first makes sure the Debian packages are there.
BUILD_DIR ?= build
BUILD_TYPE ?= RelWithDebInfo

.PHONY: deps configure build test run screenshot bench clean

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

bench: deps
	@scripts/install-deps libbenchmark-dev
	@cmake -S . -B $(BUILD_DIR)-bench -G Ninja -DCMAKE_BUILD_TYPE=Release -DBUILD_TESTING=OFF \
		-DZERKOVAN_BENCH=ON >/dev/null
	@cmake --build $(BUILD_DIR)-bench --target zerkovan_bench
	@$(BUILD_DIR)-bench/bench/zerkovan_bench
