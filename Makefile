# The two commands of the README: `make run` and `make test`.
# Warnings are errors in CI (CI=true), warnings elsewhere.
WERROR := $(if $(CI),ON,OFF)
JOBS ?= $(shell nproc)

.PHONY: all deps check-style header-check build run test test-asan test-tsan test-windows test-faults windows-qt \
	windows-package test-windows-gui fuzz bench package test-package clean

all: build

deps:
	@scripts/install-deps

# Order-only: installing packages must not make every build configure again.
build/build.ninja: | deps
	cmake --preset default -DVORLAN_WERROR=$(WERROR) >/dev/null

build: deps build/build.ninja
	cmake --build --preset default -j $(JOBS)

# An emulated keyboard (type 1 takes the 56-key 16scan layout of a new file;
# EMULATE=2 for 112 keys, 0 for 7/3scan), so a run can be tried without one.
EMULATE ?= 1
run: build
	./build/src/app/vorlan --emulate $(EMULATE)

# The style gate (format and include order) first: it takes seconds.
check-style: deps
	scripts/check-style

# Every header compiled on its own inside its own room (cmake/VorlanRooms.cmake).
header-check: deps build/build.ninja
	cmake --build --preset default -j $(JOBS) --target header-check

test: check-style build
	ctest --preset default -j $(JOBS)

build-asan/build.ninja: | deps
	cmake --preset asan -DVORLAN_WERROR=$(WERROR) >/dev/null

test-asan: deps build-asan/build.ninja
	cmake --build --preset asan -j $(JOBS)
	ctest --preset asan -j $(JOBS)

# Thread sanitizer over what runs on more than one thread: the export's worker
# and the recovery file's writes beside the window (not in CI: the
# instrumented build of the window and its tests takes too long there).
build-tsan/build.ninja: | deps
	cmake --preset tsan -DVORLAN_WERROR=$(WERROR) >/dev/null

test-tsan: deps build-tsan/build.ninja
	cmake --build --preset tsan -j $(JOBS)
	ctest --preset tsan -j $(JOBS)

# The kill test: saves of large layouts killed at random moments for 30 s
# (scripts/test-faults); a 3-second round of it runs with `make test`.
FAULT_SECONDS ?= 30
test-faults: build
	scripts/test-faults --seconds $(FAULT_SECONDS) --vorlanctl build/src/cli/vorlanctl \
		build/tests/faults/vorlan_save_stress

# Fuzzing: clang libFuzzer targets under address and undefined-behaviour
# sanitizers, each run for FUZZ_SECONDS (scripts/fuzz); FUZZ_TARGETS picks some.
FUZZ_SECONDS ?= 60
FUZZ_TARGETS ?=
fuzz:
	@scripts/install-deps --fuzz
	JOBS=$(JOBS) VORLAN_WERROR=$(WERROR) scripts/fuzz --seconds $(FUZZ_SECONDS) $(FUZZ_TARGETS)

# Windows: MinGW-w64 cross build of the core, vorlanctl and the core tests,
# run under Wine (scripts/test-windows).
test-windows:
	@scripts/install-deps --windows
	JOBS=$(JOBS) scripts/test-windows $(if $(CI),--werror)

# The desktop program for Windows. Qt for MinGW is built once from Debian's
# qtbase source into ~/.cache/vorlan (most of an hour on 2 cores), then reused.
windows-qt:
	@scripts/install-deps --windows
	scripts/build-qt-windows

# dist/vorlan-<version>-windows-x64.zip and dist/vorlan-<version>-setup.exe.
windows-package:
	@scripts/install-deps --windows
	JOBS=$(JOBS) scripts/windows-package $(if $(CI),--werror)

# The packaged program under Wine on a virtual display, driven with xdotool.
test-windows-gui: build
	@scripts/install-deps --windows
	JOBS=$(JOBS) scripts/test-windows-gui $(if $(CI),--werror)

# Benchmarks (bench/): release build, one table of figures against their floors.
BENCH_TARGETS := vorlan vorlanctl vorlan_bench_files vorlan_bench_grid \
	vorlan_bench_bare_window vorlan_bench_layouts vorlan_bench_print vorlan_bench_history \
	vorlan_bench_verify vorlan_bench_report vorlan_bench_keyboards vorlan_bench_station \
	vorlan_bench_records
bench:
	@scripts/install-deps --bench
	cmake --preset release -DVORLAN_WITH_BENCH=ON -DVORLAN_WERROR=$(WERROR) >/dev/null
	cmake --build --preset release -j $(JOBS) --target $(BENCH_TARGETS)
	bench/run-bench build-release

# The Debian package dist/vorlan_<version>_amd64.deb (scripts/build-package),
# checked with lintian; test-package installs it on this machine, runs it and
# removes it again (needs root or sudo: scripts/test-package-install).
package:
	@scripts/install-deps --package
	JOBS=$(JOBS) scripts/build-package

test-package: package
	scripts/test-package-install

clean:
	rm -rf build build-dev build-asan build-tsan build-release build-windows build-fuzz build-package dist
