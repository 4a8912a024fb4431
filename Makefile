# The two everyday commands: `make demo` and `make test`.
SHELL := /bin/bash
PRESETS := native win64 win32

.PHONY: demo test build setup bench clean

setup:
	@scripts/setup.sh

build: setup
	@for p in $(PRESETS); do \
	    cmake --preset $$p >/dev/null && cmake --build --preset $$p || exit 1; \
	done

# Native tests include suites that drive the Windows build under Wine, so every
# run gets a virtual display. The win32 tests skip where the kernel runs no
# 32-bit code; the native suites, which carry the most, run last.
test: build
	xvfb-run -a -s "-screen 0 1280x1024x24" ctest --preset win32
	xvfb-run -a -s "-screen 0 1280x1024x24" ctest --preset win64
	xvfb-run -a -s "-screen 0 1280x1024x24" ctest --preset native

# The Windows program under Wine, then the native Linux program.
demo: build
	@scripts/demo.sh
	@scripts/demo-linux.sh

bench: build
	@scripts/bench.sh

clean:
	rm -rf build
