# The two set-up commands: `make run` and `make test`. Both install what is
# missing, configure once, and build incrementally.
BUILD ?= build
CMAKE_ARGS ?=
CTEST_ARGS ?=
JOBS ?= $(shell nproc)

.PHONY: run test deps configure build bench screenshots bundle clean

deps:
	@tools/install-deps.sh

$(BUILD)/build.ninja: | deps
	cmake -S . -B $(BUILD) -G Ninja $(CMAKE_ARGS)

configure: deps $(BUILD)/build.ninja

build: configure
	cmake --build $(BUILD) -j $(JOBS)

run: build
	$(BUILD)/bin/tamsel

test: build
	cd $(BUILD) && QT_QPA_PLATFORM=offscreen ctest --output-on-failure -j $(JOBS) $(CTEST_ARGS)

screenshots: configure
	tools/screenshots.sh $(BUILD)

# The signed install folder packed for the update feed:
#   make bundle KEY=maker.pem [OUT=dist]
OUT ?= dist
bundle: build
	@test -n "$(KEY)" || { echo "make bundle needs KEY=<Ed25519 private key in PEM>"; exit 2; }
	tools/make-bundle.sh $(BUILD) $(KEY) $(OUT)

clean:
	rm -rf $(BUILD)
