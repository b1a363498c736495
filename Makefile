# make run   installs what is missing, builds, starts Velunda
# make test  installs what is missing, builds, runs every test headless
# make bench measures start-up, memory, interaction and the conversions; writes docs/performance.md
# make lint  checks the formatting and runs clang-tidy; make test runs it too

BUILD ?= build
JOBS ?= $(shell nproc)
PACKAGES := cmake make g++ pkg-config qt6-base-dev qt6-base-dev-tools qt6-qpa-plugins \
            fonts-noto-cjk fonts-arphic-ukai fonts-arphic-uming xvfb xauth imagemagick \
            clang libclang-rt-14-dev desktop-file-utils appstream \
            libbenchmark-dev python3 python3-fonttools fontconfig libfontconfig-dev \
            clang-format clang-tidy qt6-translations-l10n \
            libcalcium-dev libflint-dev libflint-arb-dev libantic-dev libqt6sql6-sqlite \
            poppler-utils libqrencode-dev
SUDO := $(shell [ "$$(id -u)" = 0 ] || echo sudo)
LAUNCHER := $(shell command -v ccache >/dev/null 2>&1 && echo -DCMAKE_CXX_COMPILER_LAUNCHER=ccache)

.PHONY: all deps build build-sanitized run test test-plain test-sanitized lint fuzz bench install package screenshots clean

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

# The builds are the presets of CMakePresets.json: plain, sanitized and lint.
$(BUILD)/CMakeCache.txt: | deps
	cmake --preset plain -B $(BUILD) $(LAUNCHER)

build: deps $(BUILD)/CMakeCache.txt
	cmake --build $(BUILD) -j $(JOBS)

run: build
	./$(BUILD)/velunda

# The style check, every test, then every test again under AddressSanitizer and
# UndefinedBehaviorSanitizer.
test: lint test-plain test-sanitized

test-plain: build
	cd $(BUILD) && $(TEST_ENV) ctest --output-on-failure -j $(JOBS)

$(SANITIZED)/CMakeCache.txt: | deps
	cmake --preset sanitized -B $(SANITIZED) $(LAUNCHER)

build-sanitized: deps $(SANITIZED)/CMakeCache.txt
	cmake --build $(SANITIZED) -j $(JOBS)

test-sanitized: build-sanitized
	cd $(SANITIZED) && $(TEST_ENV) ctest --output-on-failure -j $(JOBS)

# Every C++ file formatted as .clang-format says, and clang-tidy's checks of .clang-tidy
# without a finding over the program's sources. The lint preset only configures: it
# gives clang-tidy compile commands without GCC's precompiled headers, which clang cannot read.
LINT_BUILD ?= build-lint
LINT_SOURCES = $(shell git ls-files 'app/*.cpp' 'ui/*.cpp' 'figure/*.cpp' 'numeric/*.cpp' 'solvers/*.cpp' 'drills/*.cpp' 'exact/*.cpp')
lint: deps
	git ls-files '*.cpp' '*.h' '*.c' | xargs clang-format --dry-run --Werror
	cmake --preset lint -B $(LINT_BUILD) >/dev/null
	run-clang-tidy -quiet -p $(LINT_BUILD) -j $(JOBS) $(LINT_SOURCES) > $(LINT_BUILD)/clang-tidy.log 2>&1 || \
	  { grep -E 'warning:|error:' -A3 $(LINT_BUILD)/clang-tidy.log; exit 1; }
	@echo "clang-tidy: no findings in $(words $(LINT_SOURCES)) files"

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
# The windows that explain their computations, with the worked solution shown, at 1x and
# 2x in docs/screenshots/solutions/; settings of their own, so the pupil's stay as they are.
SOLUTION_WINDOWS := frm12 frm6 frm10 frm17 frm9 frm3 frm2 frm4 frm15 frm5 frm11
SOLUTION_WINDOWS += frm1 frm21 frm14 frm8 frm7 frm13
SOLUTION_WINDOWS += frm16 frm19 frm20 frm18
screenshots: build
	xvfb-run -a $(BUILD)/velunda-screenshots $(SHOTS)
	QT_SCALE_FACTOR=2 xvfb-run -a -s "-screen 0 2560x1600x24" \
	  $(BUILD)/velunda-screenshots $(SHOTS)/hidpi $(HIDPI_WINDOWS)
	config=$$(mktemp -d) && mkdir -p $$config/Velunda && printf '[solution]\nshown=true\n' > $$config/Velunda/Velunda.conf && \
	  XDG_CONFIG_HOME=$$config xvfb-run -a $(BUILD)/velunda-screenshots $(SHOTS)/solutions $(SOLUTION_WINDOWS) frm1.pdf \
	    frm1-present frm12-try frm12-hint frm1-exercise && \
	  pdftoppm -png -r 96 -singlefile $(SHOTS)/solutions/frm1.pdf $(SHOTS)/solutions/frm1-sheet && \
	  rm $(SHOTS)/solutions/frm1.pdf && \
	  XDG_CONFIG_HOME=$$config xvfb-run -a -s "-screen 0 1600x1200x24" \
	    $(BUILD)/velunda-screenshots $(SHOTS)/solutions frm12-zoom && \
	  XDG_CONFIG_HOME=$$config QT_SCALE_FACTOR=2 xvfb-run -a -s "-screen 0 2560x1600x24" \
	    $(BUILD)/velunda-screenshots $(SHOTS)/solutions/hidpi $(SOLUTION_WINDOWS); \
	  status=$$?; rm -rf $$config; exit $$status
	data=$$(mktemp -d) && XDG_DATA_HOME=$$data xvfb-run -a $(BUILD)/velunda-screenshots $(SHOTS) frm22 frm22-practice \
	  frm22-today frm23-length sheet.pdf class-report; status=$$?; rm -rf $$data; exit $$status
	pdftoppm -png -r 60 -f 1 -l 1 -singlefile $(SHOTS)/sheet.pdf $(SHOTS)/sheet
	pdftoppm -png -r 60 -f 2 -l 2 -singlefile $(SHOTS)/sheet.pdf $(SHOTS)/sheet-answers
	rm $(SHOTS)/sheet.pdf

clean:
	rm -rf $(BUILD) $(SANITIZED) $(LINT_BUILD)
