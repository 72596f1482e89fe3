# SPDX-FileCopyrightText: 2026 Dorvelan <zerkovan@dorvelan.example>
# SPDX-License-Identifier: LicenseRef-Zerkovan

# Front door: every target first makes sure the Debian packages are there.
SHELL := /bin/bash
.SHELLFLAGS := -o pipefail -c
BUILD_DIR ?= build
BUILD_TYPE ?= RelWithDebInfo
BUILD_TESTING ?= ON
FUZZ_SECONDS ?= 60
WEB_DIR ?= build-web
WINDOWS_DIR ?= build-windows
# The browser engines the web edition's checks and benchmark drive, and the
# locale sources WebKitGTK's languages are made from.
BROWSERS := chromium firefox-esr webkit2gtk-driver xvfb locales
# Every time stamp a build writes into what it makes (archives, resources,
# the installer) is the last commit's, so that two builds of one commit match.
SOURCE_DATE_EPOCH ?= $(shell git log -1 --format=%ct 2>/dev/null)
export SOURCE_DATE_EPOCH

.PHONY: deps configure build test test-asan fuzz run screenshot bench clean windows test-windows \
	package lint coverage web serve-web screenshot-web check-reproducible sign-windows

deps:
	@scripts/install-deps

configure: deps
	@cmake -S . -B $(BUILD_DIR) -G Ninja -DCMAKE_BUILD_TYPE=$(BUILD_TYPE) \
		-DBUILD_TESTING=$(BUILD_TESTING) -DZERKOVAN_WEB_SITE=$(CURDIR)/$(WEB_DIR)/site >/dev/null

build: configure
	@cmake --build $(BUILD_DIR)

# The web edition's checks need Node.js, the three browser engines, and
# puppeteer-core and axe-core from npm, and poppler-utils to read what it prints.
test: build web node_modules
	@scripts/install-deps nodejs $(BROWSERS) unzip poppler-utils
	@cd $(BUILD_DIR) && ctest --output-on-failure

# The web edition: the engine compiled to WebAssembly with Debian's clang (of
# the LLVM scripts/wasm-llvm-version names for this Debian release) and
# WASI's C library, and translated to JavaScript with Binaryen's wasm2js;
# the static site around it in $(WEB_DIR)/site, its scripts bundled with
# esbuild from npm; and for release the site's zip, the single-file page and
# their SHA256SUMS in $(WEB_DIR). ZERKOVAN_LLVM_VERSION=N takes LLVM N instead.
web: deps node_modules
	@llvm=$$(ZERKOVAN_LLVM_VERSION=$(ZERKOVAN_LLVM_VERSION) scripts/wasm-llvm-version) && \
	scripts/install-deps clang-$$llvm lld-$$llvm libc++-$$llvm-dev-wasm32 libc++abi-$$llvm-dev-wasm32 \
		libclang-rt-$$llvm-dev-wasm32 wasi-libc fonttools python3-brotli binaryen zip && \
	cmake -S . -B $(WEB_DIR) -G Ninja -DCMAKE_TOOLCHAIN_FILE=cmake/wasm32-wasi.cmake \
		-DZERKOVAN_LLVM_VERSION=$$llvm >/dev/null
	@cmake --build $(WEB_DIR)

serve-web: web
	@scripts/install-deps nodejs
	@node web/serve.mjs $(WEB_DIR)/site 8000

# puppeteer-core, axe-core and the linters, as package-lock.json pins them
# (puppeteer-core drives Debian's browsers and downloads none). Node.js's own npm
# where it has one (NodeSource's does), Debian's otherwise.
node_modules: package-lock.json
	@scripts/install-deps nodejs
	@command -v npm >/dev/null || scripts/install-deps npm
	@npm ci --ignore-scripts --no-audit --no-fund --loglevel=error
	@touch node_modules

# The Debian package, build/zerkovan_<version>_<arch>.deb, with its SHA256SUMS
# and bill of materials; make test checks it.
package: build
	@cmake --build $(BUILD_DIR) --target release
	@cat $(BUILD_DIR)/SHA256SUMS

# Every file's copyright and licence (reuse lint); formatting and
# clang-tidy's checks (.clang-tidy) over the project's own
# sources, with each build's compile commands, the Windows program's through
# MinGW-w64's headers (scripts/tidy-windows); the page's scripts, style
# sheet, markup and policy against the browsers of the baseline (browserslist
# in package.json): ESLint with eslint-plugin-compat, Stylelint with
# stylelint-no-unsupported-browser-features, and MDN's data for the rest.
LINT_SOURCES := $(CURDIR)/(engine|window|qt|app|tests(/[a-z]+)?)/[^/]+\.cpp$$
lint: build web windows node_modules
	@scripts/install-deps clang-format clang-tidy reuse
	@reuse lint --quiet || reuse lint | tail -n 30
	@git ls-files '*.cpp' '*.h' | xargs clang-format --dry-run -Werror
	@BROWSERSLIST_IGNORE_OLD_DATA=1 npx --no-install eslint .
	@BROWSERSLIST_IGNORE_OLD_DATA=1 npx --no-install stylelint $(WEB_DIR)/web/page/style.css
	@BROWSERSLIST_IGNORE_OLD_DATA=1 node tests/web/check-baseline.mjs $(WEB_DIR)/site | grep -v '^PASS'
	@run-clang-tidy -p $(BUILD_DIR) -quiet -j $$(nproc) '$(LINT_SOURCES)' 2>&1 | \
		grep -vE '^(Running clang-tidy|clang-tidy(-[0-9]+)? |\[ *[0-9]+/[0-9]+\]|[0-9]+ warnings? generated|Suppressed [0-9]+ warnings|Use -header-filter|$$)'; \
		exit $${PIPESTATUS[0]}
	@scripts/tidy-windows $(WINDOWS_DIR)

# Line and branch coverage of the engine, the window and its Qt front end
# over the whole suite (the package check aside), with gcov and gcovr.
# Every build's compiler flags are in CMakePresets.json: asan, fuzz, coverage.
coverage: deps
	@scripts/install-deps gcovr
	@cmake --preset coverage >/dev/null
	@cmake --build --preset coverage
	@find build-coverage -name '*.gcda' -delete
	@cd build-coverage && { ctest -E debian_package --output-on-failure >ctest.log || \
		{ cat ctest.log; exit 1; }; }
	@gcovr --root . --filter 'engine/' --filter 'window/' --filter 'qt/' \
		--exclude-throw-branches --exclude-unreachable-branches --sort-percentage \
		--txt build-coverage/coverage.txt --print-summary build-coverage
	@echo "per file: build-coverage/coverage.txt"

clean:
	rm -rf $(BUILD_DIR) $(WINDOWS_DIR) $(WINDOWS_DIR)-x86_64 $(WEB_DIR) build-asan build-fuzz build-coverage $(BUILD_DIR)-bench

# The window alone: without a display it says so before anything else;
# then only the packages that build and run the program, and a build without
# the tests where the build folder is new (make test adds them).
run:
	@[ -n "$$DISPLAY$$WAYLAND_DISPLAY$$QT_QPA_PLATFORM" ] || { echo "make run: no display" \
		"(neither DISPLAY nor WAYLAND_DISPLAY is set); the window needs X11 or Wayland" >&2; exit 1; }
	@scripts/install-deps --program
	@[ -f $(BUILD_DIR)/CMakeCache.txt ] || testing=-DBUILD_TESTING=OFF; \
		cmake -S . -B $(BUILD_DIR) -G Ninja -DCMAKE_BUILD_TYPE=$(BUILD_TYPE) $$testing >/dev/null
	@cmake --build $(BUILD_DIR) --target zerkovan
	@$(BUILD_DIR)/app/zerkovan

screenshot: build
	@QT_QPA_PLATFORM=offscreen $(BUILD_DIR)/app/zerkovan-screenshot docs/window-after-4.png
	@echo "wrote docs/window-after-4.png"

screenshot-web: web node_modules
	@scripts/install-deps chromium
	@node tests/web/screenshots.mjs $(WEB_DIR)/site docs
	@echo "wrote docs/web-desktop.png and docs/web-phone.png"

# Every figure beside its target; a target NOT MET fails it, listed at the end.
BENCH_REPORT := $(BUILD_DIR)-bench/report.txt
bench: deps web node_modules windows
	@scripts/install-deps libbenchmark-dev nodejs $(BROWSERS)
	@cmake -S . -B $(BUILD_DIR)-bench -G Ninja -DCMAKE_BUILD_TYPE=Release -DBUILD_TESTING=OFF \
		-DZERKOVAN_BENCH=ON >/dev/null
	@cmake --build $(BUILD_DIR)-bench --target zerkovan_bench
	@ZERKOVAN_BENCH_FIGURES=$(BUILD_DIR)-bench/figures.json $(BUILD_DIR)-bench/bench/zerkovan_bench | \
		tee $(BENCH_REPORT)
	@tests/xvfb-session.sh node bench/web-bench.mjs $(WEB_DIR)/site $(BUILD_DIR)-bench/figures.json | \
		tee -a $(BENCH_REPORT)
	@scripts/install-deps $(WINE_PACKAGES)
	@/usr/lib/wine/wine --version >/dev/null 2>&1 || $(MAKE) --no-print-directory windows \
		WINDOWS_ARCH=x86_64 WINDOWS_DIR=$(WINDOWS_DIR)-x86_64 BUILD_TESTING=OFF
	@bench/windows-bench.sh $(WINDOWS_DIR) | tee -a $(BENCH_REPORT)
	@! grep 'NOT MET' $(BENCH_REPORT) || { echo "bench: the targets above were NOT MET"; exit 1; }

test-asan: deps
	@cmake --preset asan >/dev/null
	@cmake --build --preset asan
	@ctest --preset asan

# make fuzz FUZZ_SECONDS=600 for a longer run. New inputs go to
# build-fuzz/corpus; the seeds in tests/engine/fuzz/corpus stay as they are.
fuzz: deps
	@scripts/install-deps clang libclang-rt-dev
	@cmake --preset fuzz >/dev/null
	@cmake --build --preset fuzz
	@mkdir -p build-fuzz/corpus
	@build-fuzz/tests/engine/fuzz/fuzz_engine -max_total_time=$(FUZZ_SECONDS) -print_final_stats=1 \
		-artifact_prefix=build-fuzz/ \
		build-fuzz/corpus tests/engine/fuzz/corpus 2>&1 | grep -vE '^#[0-9]+\s+(NEW|REDUCE|pulse)|^"|Uses:|dictionary'

# Zerkovan.exe, one 32-bit program made of Windows' own controls, cross-built
# with Debian's MinGW-w64 into $(WINDOWS_DIR)/deploy, zipped, and packed into
# the installer (scripts/windows-release), with the maker's signatures for
# this version attached where they fit. WINDOWS_ARCH=x86_64 makes its 64-bit
# twin; VERSION_OVERRIDE=M.NN another version, without an edit.
WINDOWS_ARCH ?= i686
VERSION_OVERRIDE ?=
windows: deps
	@scripts/install-deps g++-mingw-w64-$(subst _,-,$(WINDOWS_ARCH))-win32 zip wixl msitools faketime \
		osslsigncode
	@cmake -S . -B $(WINDOWS_DIR) -G Ninja -DCMAKE_TOOLCHAIN_FILE=cmake/mingw-w64.cmake \
		-DZERKOVAN_WINDOWS_ARCH=$(WINDOWS_ARCH) -DCMAKE_BUILD_TYPE=MinSizeRel \
		-DZERKOVAN_VERSION_OVERRIDE=$(VERSION_OVERRIDE) -DBUILD_TESTING=$(BUILD_TESTING) >/dev/null
	@cmake --build $(WINDOWS_DIR)
	@rm -rf $(WINDOWS_DIR)/deploy
	@umask 022 && cmake --install $(WINDOWS_DIR) --prefix $(WINDOWS_DIR)/deploy --strip >/dev/null
	@umask 022 && scripts/windows-release $(WINDOWS_DIR)
	@echo "wrote $(WINDOWS_DIR)/deploy, $$(cd $(WINDOWS_DIR) && ls Zerkovan-*.zip Zerkovan-*.msi | tr '\n' ' ')and SHA256SUMS"

# The maker signs the release with the code-signing key on a token or HSM
# (through PKCS#11) or in a file, and SHA256SUMS with an OpenPGP key, then
# commits the detached signatures it leaves in app/signatures/<version>;
# docs/windows.md says how. No key or PIN goes into the tree.
sign-windows: windows
	@scripts/install-deps osslsigncode libengine-pkcs11-openssl openssl gnupg
	@umask 022 && scripts/windows-release --sign $(WINDOWS_DIR)

# The .deb, the zip, the installer and Zerkovan.exe, built twice from the last
# commit in two temporary folders, must come out the same, bit for bit.
check-reproducible: deps
	@scripts/install-deps diffoscope-minimal faketime
	@scripts/check-reproducible

# The Windows program's checks: its files read on Linux, and the 32-bit
# program that ships run under Wine, each run on an X server of its own:
# through Wine's 32-bit loader where this machine runs 32-bit code, under
# qemu-i386's emulation of it where it does not, or where
# ZERKOVAN_WINE32=qemu asks for that.
WINE_PACKAGES := wine64 wine32:i386 qemu-user unzip python3-pefile xvfb xdotool xclip python3-xlib
# Signing with throwaway keys: a SoftHSM2 token through OpenSSL's PKCS#11
# engine, GnuPG's key and both OpenPGP verifiers.
SIGNING_PACKAGES := osslsigncode softhsm2 libengine-pkcs11-openssl openssl gnupg gpgv sqv
test-windows: windows
	@scripts/install-deps $(WINE_PACKAGES) $(SIGNING_PACKAGES)
	@ctest --test-dir $(WINDOWS_DIR) --output-on-failure
