# `make run` and `make test` each install what is missing, configure, build, and then run the
# program from portable/ or run every test headless.
PRESET ?= default
BUILD_DIR := build/$(PRESET)
PORTABLE_DIR := portable

.PHONY: all deps configure build install run test screenshots format clean

all: build

deps:
	./scripts/install-deps.sh

configure: deps
	cmake --preset $(PRESET)

build: configure
	cmake --build --preset $(PRESET)

# The portable folder holds the program and, beside it, the user's data file; no clean or rebuild
# touches it.
install: build
	cmake --install $(BUILD_DIR) --prefix $(PORTABLE_DIR)

run: install
	./$(PORTABLE_DIR)/varnelle

test: build
	ctest --preset $(PRESET)

screenshots: build
	./scripts/take-screenshots.sh $(BUILD_DIR) docs/screenshots

format:
	git ls-files '*.cpp' '*.h' | xargs clang-format -i

clean:
	rm -rf build
