# SPDX-License-Identifier: GPL-3.0-or-later
# Entry points for a fresh Debian machine: `make run` and `make test`.

BUILD_DIR := build
SANITIZE_DIR := build-sanitize
FUZZ_DIR := build-fuzz
RELEASE_DIR := build-release
PACKAGES := cmake ninja-build g++ make googletest libgtest-dev libgmock-dev libbenchmark-dev \
            qt6-base-dev qt6-svg-dev qt6-translations-l10n fonts-dejavu-core fonts-liberation2 \
            clang libclang-rt-14-dev libmsgpack-dev fp-utils-3.2.2 libchm-bin acl xchm xdg-utils desktop-file-utils dpkg-dev poppler-utils \
            python3-ezdxf librsvg2-bin admesh
# The package checks of the installation test: lintian, appstreamcli, groff and hardening-check.
PACKAGING_PACKAGES := lintian appstream groff-base devscripts
SCREENSHOT_PACKAGES := xvfb xauth xdotool imagemagick
# The browser edition: clang-19 for wasm32-wasi, Node for bundling and tests, Chromium for them.
WEB_PACKAGES := clang-19 lld-19 libc++-19-dev-wasm32 libc++abi-19-dev-wasm32 \
                libclang-rt-19-dev-wasm32 wasi-libc chromium nodejs npm
WEB_DIR := build-web

CMAKE_CONFIGURE := cmake -G Ninja -Wno-dev
CTEST := ctest --output-on-failure

.PHONY: all deps build run screenshot test test-sanitize fuzz bench bench-smoke release web \
        web-deps bench-web clean

all: build

deps:
	@tools/install-deps.sh $(PACKAGES)
	@tools/install-deps.sh $(PACKAGING_PACKAGES)

build: deps
	@test -f $(BUILD_DIR)/build.ninja || \
		$(CMAKE_CONFIGURE) -S . -B $(BUILD_DIR) -DCMAKE_BUILD_TYPE=RelWithDebInfo
	cmake --build $(BUILD_DIR)

# Started beside its help file, which the help button opens from the current directory.
run: build
	cd $(BUILD_DIR)/app && ./zyklora

# The README's picture of the window after OK for 10 words, taken under Xvfb.
screenshot: build
	@tools/install-deps.sh $(SCREENSHOT_PACKAGES)
	tools/screenshot.sh $(BUILD_DIR)/app docs/zyklora.png

test: build web
	cd $(BUILD_DIR) && $(CTEST)

# Node's own packages only when node is missing: Debian's npm would replace another Node.
web-deps:
	@command -v node >/dev/null && command -v npm >/dev/null || tools/install-deps.sh nodejs npm
	@tools/install-deps.sh $(filter-out nodejs npm,$(WEB_PACKAGES))
	@test tests/web/node_modules/.package-lock.json -nt tests/web/package-lock.json || \
		(cd tests/web && npm ci --no-audit --no-fund)

# The browser edition: one self-contained $(WEB_DIR)/zyklora.html.
web: web-deps
	@test -f $(WEB_DIR)/build.ninja || \
		$(CMAKE_CONFIGURE) -S . -B $(WEB_DIR) -DZYKLORA_WEB=ON \
			-DCMAKE_TOOLCHAIN_FILE=web/wasi.cmake -DCMAKE_BUILD_TYPE=Release
	cmake --build $(WEB_DIR)

# The browser edition's speed in Chromium: OK for n = 64, opening the page, its size.
bench-web: web
	node bench/web_bench.mjs $(WEB_DIR)

# The same suite with AddressSanitizer and UndefinedBehaviorSanitizer; any report fails it.
test-sanitize: deps
	@test -f $(SANITIZE_DIR)/build.ninja || \
		$(CMAKE_CONFIGURE) -S . -B $(SANITIZE_DIR) -DCMAKE_BUILD_TYPE=Debug \
			-DZYKLORA_SANITIZE=ON -DZYKLORA_BUILD_BENCH=OFF
	cmake --build $(SANITIZE_DIR)
	cd $(SANITIZE_DIR) && ASAN_OPTIONS=detect_leaks=1:halt_on_error=1 \
		UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1 $(CTEST)

# The libFuzzer target with ASan and UBSan for 60 seconds (FUZZ_SECONDS), run as a CTest test.
FUZZ_SECONDS ?= 60
fuzz: deps
	CXX=clang++ $(CMAKE_CONFIGURE) -S . -B $(FUZZ_DIR) -DCMAKE_BUILD_TYPE=RelWithDebInfo \
		-DZYKLORA_FUZZ=ON -DZYKLORA_SANITIZE=ON -DZYKLORA_FUZZ_SECONDS=$(FUZZ_SECONDS) >/dev/null
	cmake --build $(FUZZ_DIR)
	cd $(FUZZ_DIR) && $(CTEST)

# The benchmarks in a Release build, five repetitions each, then the summary of goal ratios.
bench: deps
	@test -f $(RELEASE_DIR)/build.ninja || \
		$(CMAKE_CONFIGURE) -S . -B $(RELEASE_DIR) -DCMAKE_BUILD_TYPE=Release -DZYKLORA_BUILD_TESTS=OFF
	cmake --build $(RELEASE_DIR) --target zyklora_bench
	$(RELEASE_DIR)/bench/zyklora_bench --benchmark_repetitions=7 --benchmark_report_aggregates_only=true

# The Release configuration that `make bench` uses, built whole without running anything, so that
# a warning that only -O3 raises cannot break it unseen.
release: deps
	@test -f $(RELEASE_DIR)/build.ninja || \
		$(CMAKE_CONFIGURE) -S . -B $(RELEASE_DIR) -DCMAKE_BUILD_TYPE=Release -DZYKLORA_BUILD_TESTS=OFF
	cmake --build $(RELEASE_DIR)

# Every benchmark once, very briefly, so that they keep compiling and running; asserts no speed.
bench-smoke: build
	$(BUILD_DIR)/bench/zyklora_bench --benchmark_min_time=0.001 >/dev/null

clean:
	rm -rf $(BUILD_DIR) $(SANITIZE_DIR) $(FUZZ_DIR) $(RELEASE_DIR) $(WEB_DIR)
