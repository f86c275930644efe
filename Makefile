# The two commands of this project:
#   make run    build the programs and start the editor under Wine, beside a
#               copy of the demo CD
#   make test   build everything (native, sanitizers, win64, win32) and run every test
# and more:
#   make release  the archives a Windows user downloads (build/release)
#   make demo     show the demo CD's menu under Wine
.PHONY: run demo test release deps native native-sanitize win64 win32 clean

JOBS ?= $(shell nproc)

deps:
	@scripts/install-deps

native native-sanitize win64 win32: deps
	@cmake --preset $@ >/dev/null
	@cmake --build --preset $@ -j $(JOBS)

test: native native-sanitize win64 win32
	ctest --preset native -j $(JOBS)
	ctest --preset native-sanitize -j $(JOBS)
	ctest --preset win64
	ctest --preset win32
	scripts/test-same-image
	scripts/test-release
	@echo "All test suites passed."

release: win64 win32
	@scripts/make-release

run: win64
	@scripts/run-editor

demo: win64
	@scripts/run-demo

clean:
	rm -rf build
