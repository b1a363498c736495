# make run   installs what is missing, builds, starts Velunda
# make test  installs what is missing, builds, runs every test headless
# make bench measures start-up, memory, interaction and the conversions; writes docs/performance.md

BUILD ?= build
JOBS ?= $(shell nproc)
PACKAGES := cmake make g++ pkg-config qt6-base-dev qt6-base-dev-tools qt6-qpa-plugins \
            fonts-noto-cjk fonts-arphic-ukai fonts-arphic-uming xvfb xauth imagemagick \
            clang libclang-rt-14-dev desktop-file-utils appstream \
            libbenchmark-dev python3 python3-fonttools fontconfig libfontconfig-dev libqt6sql6-sqlite
SUDO := $(shell [ "$$(id -u)" = 0 ] || echo sudo)
LAUNCHER := $(shell command -v ccache >/dev/null 2>&1 && echo -DCMAKE_CXX_COMPILER_LAUNCHER=ccache)

.PHONY: all deps build build-sanitized run test test-plain test-sanitized fuzz bench install package screenshots clean

SANITIZED ?= build-sanitized
TEST_ENV := QT_QPA_PLATFORM=offscreen ASAN_OPTIONS=detect_leaks=0 UBSAN_OPTIONS=print_stacktrace=1

all: build

deps:
	@missing=$$(for p in $(PACKAGES); do \
	  dpkg-query -W -f='$${Status}\n' $$p 2>/dev/null | grep -q 'install ok installed' || echo $$p; \
	done); \
	if [ -n "$$missing" ]; then \
	  echo "Installing:" $$missing; \
	  $(SUDO) apt-get update && \
	  $(SUDO) env DEBIAN_FRONTEND=noninteractive apt-get install -y $$missing; \
	fi

$(BUILD)/CMakeCache.txt: | deps
	cmake -S . -B $(BUILD) $(LAUNCHER)

build: deps $(BUILD)/CMakeCache.txt
	cmake --build $(BUILD) -j $(JOBS)

run: build
	./$(BUILD)/velunda

# Every test, then every test again under AddressSanitizer and UndefinedBehaviorSanitizer.
test: test-plain test-sanitized

test-plain: build
	cd $(BUILD) && $(TEST_ENV) ctest --output-on-failure -j $(JOBS)

$(SANITIZED)/CMakeCache.txt: | deps
	cmake -S . -B $(SANITIZED) -DVELUNDA_SANITIZE=ON -DCMAKE_BUILD_TYPE=Debug $(LAUNCHER)

build-sanitized: deps $(SANITIZED)/CMakeCache.txt
	cmake --build $(SANITIZED) -j $(JOBS)

test-sanitized: build-sanitized
	cd $(SANITIZED) && $(TEST_ENV) ctest --output-on-failure -j $(JOBS)

# Longer fuzzing: five minutes of libFuzzer, then many more random GUI actions with a
# fresh seed (printed, so that a failure can be replayed).
FUZZ_SECONDS ?= 300
fuzz: build
	cd $(BUILD) && ./fuzz_numbertext -max_total_time=$(FUZZ_SECONDS) -max_len=100000 fuzz-corpus ../fuzz/corpus
	seed=$$(date +%s); echo "GUI fuzz seed $$seed"; \
	  cd $(BUILD) && $(TEST_ENV) VELUNDA_FUZZ_SEED=$$seed VELUNDA_FUZZ_ACTIONS=20000 ./tst_guifuzz

# The performance bench: Velunda against a bare Qt program, run by run, and the number
# conversions against C library references. Prints the table and writes it down.
# 41 starts of each: on a shared virtual machine single starts vary by 20 ms and more.
BENCH_RUNS ?= 41
bench: build
	cmake -S . -B $(BUILD) >/dev/null
	cmake --build $(BUILD) -j $(JOBS) --target bench-programs
	python3 bench/run_bench.py $(BUILD) docs/performance.md $(BENCH_RUNS)

install: build
	$(SUDO) cmake --install $(BUILD)

package: build
	cd $(BUILD) && cpack -G DEB

# The menu and every window, each filled with a worked example, as PNG pictures in
# docs/screenshots/; the menu and a few windows again at twice the scale in
# docs/screenshots/hidpi/, on a virtual screen large enough for them.
SHOTS := docs/screenshots
HIDPI_WINDOWS := frmmulu frm1 frm12 frm15 frm16 frm22
screenshots: build
	xvfb-run -a $(BUILD)/velunda-screenshots $(SHOTS)
	QT_SCALE_FACTOR=2 xvfb-run -a -s "-screen 0 2560x1600x24" \
	  $(BUILD)/velunda-screenshots $(SHOTS)/hidpi $(HIDPI_WINDOWS)

clean:
	rm -rf $(BUILD) $(SANITIZED)
