# Front door: `make run` starts the calculator, `make test` runs every test headless.
BUILD       ?= build
BUILD_ASAN  ?= build-asan
BUILD_FUZZ  ?= build-fuzz
JOBS        ?= $(shell nproc)
CMAKE_FLAGS ?=
PREFIX      ?= /usr/local

.PHONY: all deps configure build test test-sanitize fuzz run run-viewer demo screenshot screenshots screenshot-viewer bench install package clean

all: build

deps:
	@./scripts/install-deps

$(BUILD)/build.ninja: | deps
	cmake -S . -B $(BUILD) -G Ninja $(CMAKE_FLAGS)

configure: deps $(BUILD)/build.ninja

build: configure
	cmake --build $(BUILD) -j $(JOBS)

test: build
	cd $(BUILD) && ctest --output-on-failure -j $(JOBS)

$(BUILD_ASAN)/build.ninja: | deps
	cmake -S . -B $(BUILD_ASAN) -G Ninja -DCMAKE_BUILD_TYPE=Debug -DVOR_SANITIZE=ON $(CMAKE_FLAGS)

test-sanitize: deps $(BUILD_ASAN)/build.ninja
	cmake --build $(BUILD_ASAN) -j $(JOBS)
	cd $(BUILD_ASAN) && ctest --output-on-failure -j $(JOBS)

# libFuzzer targets (clang, ASan+UBSan) for about a minute in all; FUZZ_BUDGET=<seconds> changes that.
fuzz: deps
	BUILD_FUZZ=$(BUILD_FUZZ) JOBS=$(JOBS) ./fuzz/run-fuzzers

bench: build
	bench/run-bench $(BUILD)

run: build
	@if [ -z "$$DISPLAY" ] && [ -z "$$WAYLAND_DISPLAY" ]; then \
	  echo "make run: no display (DISPLAY and WAYLAND_DISPLAY are unset); VORkulator needs a desktop session."; exit 1; fi
	@if [ ! -x $(BUILD)/apps/VORkulator ]; then echo "make run: VORkulator is not built yet."; exit 1; fi
	$(BUILD)/apps/VORkulator

# `make run-viewer TASK=path/to/task.vor` shows that task's report; without TASK
# the viewer starts empty. `make demo` shows the sample report in resources/.
run-viewer: build
	@if [ -z "$$DISPLAY" ] && [ -z "$$WAYLAND_DISPLAY" ]; then \
	  echo "make run-viewer: no display (DISPLAY and WAYLAND_DISPLAY are unset); RaportVOR needs a desktop session."; exit 1; fi
	@if [ ! -x $(BUILD)/apps/RaportVOR ]; then echo "make run-viewer: RaportVOR is not built yet."; exit 1; fi
	$(BUILD)/apps/RaportVOR $(if $(TASK),"$(TASK)")

demo:
	@$(MAKE) --no-print-directory run-viewer TASK=resources/most.vor

# RaportVOR alone on a virtual display, on the sample report; writes docs/raportvor.png.
screenshot-viewer: build
	./scripts/screenshot-viewer $(BUILD)/apps/RaportVOR docs/raportvor.png

# VORkulator on a virtual display, driven by real keys and clicks; writes docs/vorkulator.png.
# Then RaportVOR on the sample report; writes docs/raportvor.png.
screenshot: build
	./scripts/screenshot $(BUILD)/apps/VORkulator docs/vorkulator.png
	./scripts/screenshot-viewer $(BUILD)/apps/RaportVOR docs/raportvor.png

# Both windows, as the README shows them.
screenshots: screenshot

# `make install PREFIX=/usr DESTDIR=/tmp/stage`: the programs, their icons, desktop
# entries and the report MIME type under PREFIX (inside DESTDIR when given).
# A live install (no DESTDIR) also refreshes the desktop's MIME and handler caches;
# the .deb leaves that to the triggers of shared-mime-info and desktop-file-utils.
install: build
	DESTDIR="$(DESTDIR)" cmake --install $(BUILD) --prefix "$(PREFIX)"
	@if [ -z "$(DESTDIR)" ]; then \
	  ! command -v update-mime-database >/dev/null || update-mime-database "$(PREFIX)/share/mime"; \
	  ! command -v update-desktop-database >/dev/null || update-desktop-database "$(PREFIX)/share/applications"; \
	fi

# The .deb in $(BUILD)/, then its metadata and file list checked (nothing is installed).
package: build
	cd $(BUILD) && cpack -G DEB
	tests/packaging/check-deb-package $(BUILD)/vorsuite_*.deb

clean:
	rm -rf $(BUILD) $(BUILD_ASAN) $(BUILD_FUZZ)
