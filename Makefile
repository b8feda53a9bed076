# Korvel: set-up, build and test on a Debian machine.
#   make test   install what the build needs, build release and sanitizer presets, run all tests
#   make run    build and start the desktop program on the sample data (without a display: the
#               command-line samples)
#   make screenshots  every page and dialog rendered offscreen into build/screenshots, and the
#               example reports' PDF pages
#   make bench  build and run the benchmarks (release)
#   make fuzz   run each fuzz target for 60 seconds
#   make package  build the Debian package (build/release/korvel_*.deb)
#   make format   format the C++ sources (make test checks that nothing is left to format)

SHELL := /bin/bash
JOBS ?= $(shell nproc)
FUZZ_SECONDS ?= 60
SMOKE_FUZZ_SECONDS ?= 10

# Debian packages the build needs, and a file each one installs (to tell whether it is there).
DEPS := cmake:/usr/bin/cmake \
        ninja-build:/usr/bin/ninja \
        g++:/usr/bin/g++ \
        clang:/usr/bin/clang++ \
        clang-format:/usr/bin/clang-format \
        libclang-rt-dev:/usr/lib/llvm-14/lib/clang/14.0.6/lib/linux/libclang_rt.fuzzer-x86_64.a \
        libgtest-dev:/usr/include/gtest/gtest.h \
        libgmock-dev:/usr/include/gmock/gmock.h \
        libbenchmark-dev:/usr/include/benchmark/benchmark.h \
        nlohmann-json3-dev:/usr/include/nlohmann/json.hpp \
        libgeographiclib-dev:/usr/include/GeographicLib/Geodesic.hpp \
        libzip-dev:/usr/include/zip.h \
        pkgconf:/usr/bin/pkg-config \
        libgdal-dev:/usr/include/gdal/gdal_priv.h \
        libexpat1-dev:/usr/include/expat.h \
        gdal-bin:/usr/bin/gdal_translate \
        libcli11-dev:/usr/include/CLI/CLI.hpp \
        qt6-base-dev:/usr/lib/x86_64-linux-gnu/cmake/Qt6Widgets/Qt6WidgetsConfig.cmake \
        qt6-base-dev-tools:/usr/lib/qt6/libexec/uic \
        qt6-charts-dev:/usr/lib/x86_64-linux-gnu/cmake/Qt6Charts/Qt6ChartsConfig.cmake \
        qt6-svg-dev:/usr/lib/x86_64-linux-gnu/cmake/Qt6Svg/Qt6SvgConfig.cmake \
        fonts-dejavu-core:/usr/share/fonts/truetype/dejavu/DejaVuSans.ttf \
        dpkg-dev:/usr/bin/dpkg-shlibdeps \
        desktop-file-utils:/usr/bin/desktop-file-validate \
        poppler-utils:/usr/bin/pdftotext \
        python3:/usr/bin/python3 \
        cups-daemon:/usr/sbin/cupsd \
        cups-client:/usr/sbin/lpadmin \
        cups:/usr/lib/cups/backend-available/socket \
        xvfb:/usr/bin/Xvfb \
        dbus-daemon:/usr/bin/dbus-run-session \
        at-spi2-core:/usr/libexec/at-spi-bus-launcher \
        python3-pyatspi:/usr/lib/python3/dist-packages/pyatspi/__init__.py

.PHONY: deps build test run screenshots bench fuzz fuzz-run package format format-check clean

deps:
	@missing=""; \
	for dep in $(DEPS); do \
	  pkg=$${dep%%:*}; file=$${dep#*:}; \
	  [ -e "$$file" ] || missing="$$missing $$pkg"; \
	done; \
	if [ -n "$$missing" ]; then \
	  echo "Installing:$$missing"; \
	  SUDO=""; [ "$$(id -u)" -eq 0 ] || SUDO=sudo; \
	  $$SUDO apt-get update -qq && \
	  DEBIAN_FRONTEND=noninteractive $$SUDO apt-get install -y -qq $$missing; \
	fi

build/release/build.ninja: deps CMakeLists.txt CMakePresets.json
	cmake --preset release

build/debug-asan/build.ninja: deps CMakeLists.txt CMakePresets.json
	cmake --preset debug-asan

build/fuzz/build.ninja: deps CMakeLists.txt CMakePresets.json
	cmake --preset fuzz

build: build/release/build.ninja
	cmake --build --preset release -j $(JOBS)

test: deps build/release/build.ninja build/debug-asan/build.ninja
	$(MAKE) --no-print-directory format-check
	cmake --build --preset release -j $(JOBS)
	ctest --preset release -j $(JOBS)
	cmake --build --preset debug-asan -j $(JOBS)
	ctest --preset debug-asan -j $(JOBS)
	$(MAKE) --no-print-directory fuzz-run SECONDS=$(SMOKE_FUZZ_SECONDS)

run: build
	@if [ -n "$${DISPLAY:-}$${WAYLAND_DISPLAY:-}" ]; then \
	  echo "A display is present: starting the desktop program on the sample data"; \
	  ./scripts/run-desktop.sh build/release; \
	else \
	  echo "No display (DISPLAY and WAYLAND_DISPLAY unset): running the command-line samples"; \
	  ./scripts/run-samples.sh build/release; \
	fi

screenshots: build
	cmake --build --preset release --target screenshots
	./scripts/render-report-pdfs.sh build/release build/screenshots
	@ls build/screenshots

bench: build
	@for b in build/release/bench/*_bench; do echo "== $$b"; $$b --benchmark_min_time=0.2; done

fuzz:
	$(MAKE) --no-print-directory fuzz-run SECONDS=$(FUZZ_SECONDS)

# The fuzz targets run $(JOBS) at a time, each for SECONDS; their logs are shown in order after.
fuzz-run: deps build/fuzz/build.ninja
	cmake --build --preset fuzz -j $(JOBS) --target fuzzers
	@mkdir -p build/fuzz/logs; status=0; \
	targets=$$(find build/fuzz/fuzz -maxdepth 1 -name 'fuzz_*' -type f -executable | sort); \
	echo "$$targets" | xargs -P $(JOBS) -I{} bash -c 'f=$$1; name=$$(basename $$f); \
	  corpus=build/fuzz/corpus/$$name; mkdir -p $$corpus; \
	  $$f -max_total_time=$(SECONDS) -print_final_stats=0 $$corpus fuzz/seeds/$${name#fuzz_} \
	    > build/fuzz/logs/$$name.log 2>&1 && exit 0; \
	  echo "== $$name FAILED:"; tail -n 40 build/fuzz/logs/$$name.log; exit 1' _ {} || status=1; \
	for f in $$targets; do \
	  name=$$(basename $$f); echo "== $$name for $(SECONDS) s"; tail -n 3 build/fuzz/logs/$$name.log; \
	done; \
	exit $$status

package: build/release/build.ninja
	cmake --build --preset release -j $(JOBS) --target installables
	cd build/release && cpack

SOURCES = find src apps tests bench fuzz -name '*.cpp' -o -name '*.h'

format:
	$(SOURCES) | xargs clang-format -i

# Fails, naming each file and line, when `make format` would change something.
format-check: deps
	$(SOURCES) | xargs clang-format --dry-run --Werror

clean:
	rm -rf build
