# Two commands on a fresh Debian 12 machine:
#   make run    install what is missing, build, and start the game
#   make test   install what is missing, build, and run every test
BUILD ?= build
BUILD_TYPE ?= RelWithDebInfo
JOBS ?= $(shell nproc)
CMAKE_FLAGS ?=

.PHONY: all deps configure build run test bench screenshot clean

all: build

deps:
	@tools/install-deps.sh

configure: deps
	@cmake -S . -B $(BUILD) -DCMAKE_BUILD_TYPE=$(BUILD_TYPE) $(CMAKE_FLAGS) >/dev/null

build: configure
	@cmake --build $(BUILD) -j$(JOBS)

# Until the menus arrive the game starts straight into a race, ship 1 on Ruze, in a window.
ARGS ?= --race Ruze --windowed
run: build
	./quorvex $(ARGS)

# Drawing tests need a display: without one they run inside a virtual X server.
# Audio tests play into OpenAL Soft's null device and SDL's dummy output.
XVFB = $(if $(DISPLAY),,xvfb-run -a -s "-screen 0 1920x1080x24")
TEST_ENV = ALSOFT_DRIVERS=null ALSOFT_LOGLEVEL=0 SDL_AUDIODRIVER=dummy

test: build
	cd $(BUILD) && $(TEST_ENV) $(XVFB) ctest --output-on-failure -j$(JOBS)

bench: build
	@for b in $(BUILD)/bench/bench_*; do [ -x "$$b" ] && "$$b"; done; true

# docs/race.png: the game's own shot of a race on Ruze, a few seconds after the start signal.
screenshot: build
	@home=$$(mktemp -d) && cd $(BUILD)/game && XDG_DATA_HOME=$$home $(TEST_ENV) $(XVFB) ./Quorvex --race Ruze \
	  --ship 1 --windowed --size 1280x720 --screenshot-after 9000 $(CURDIR)/docs/race.png >/dev/null; \
	  status=$$?; rm -rf $$home; exit $$status

clean:
	rm -rf $(BUILD)
