# The commands of the README. Each installs what is missing first.
BUILD_DIR ?= build
RELEASE_DIR ?= build-release
# The Linux package's own release build (`make package`).
PACKAGE_DIR ?= build-package
JOBS ?= $(shell nproc 2>/dev/null || echo 2)

# Windows: the cross compiler, Wine for the tests (and the Japanese locale's
# sources, which Wine takes its language from), NSIS and Python for the
# installer and its picture, and what building Qt for Windows from Debian's
# source package takes (scripts/build-qt-windows.sh).
WINDOWS_DEPS = g++-mingw-w64-x86-64-posix wine wine64 locales ninja-build curl xz-utils nsis python3

.PHONY: deps run test screenshot bench bench-windows translations windows package clean

deps:
	./scripts/install-deps.sh

run: deps
	cmake -S . -B $(RELEASE_DIR) -DCMAKE_BUILD_TYPE=Release -DBUILD_TESTING=OFF
	cmake --build $(RELEASE_DIR) -j $(JOBS) --target dungeon-ledger
	$(RELEASE_DIR)/editor/dungeon-ledger

test: deps
	cmake -S . -B $(BUILD_DIR) -DCMAKE_BUILD_TYPE=Debug
	cmake --build $(BUILD_DIR) -j $(JOBS)
	cd $(BUILD_DIR) && QT_QPA_PLATFORM=offscreen ctest --output-on-failure -j $(JOBS)

screenshot: deps
	RELEASE_DIR=$(RELEASE_DIR) ./scripts/screenshot.sh

bench: deps
	cmake -S . -B build-bench -DCMAKE_BUILD_TYPE=Release -DBUILD_BENCHMARKS=ON -DBUILD_TESTING=OFF
	cmake --build build-bench -j $(JOBS)
	./scripts/bench.sh build-bench

# Refreshes resources/translations/*.ts from the texts in the code.
translations: deps
	./scripts/update-translations.sh

windows: deps
	./scripts/install-deps.sh $(WINDOWS_DEPS)
	./scripts/package-windows.sh

# The benchmarks of `make bench`, built for Windows in the Windows build
# folder and run under Wine (docs/performance.md).
bench-windows: deps
	./scripts/install-deps.sh $(WINDOWS_DEPS)
	./scripts/bench-windows.sh

# The .deb lands in $(PACKAGE_DIR)/dungeon-ledger_VERSION-1_ARCH.deb. CPack's
# dependency scan needs `file`, which a fresh machine may lack.
package:
	./scripts/install-deps.sh file
	cmake -S . -B $(PACKAGE_DIR) -DCMAKE_BUILD_TYPE=Release -DBUILD_TESTING=OFF
	cmake --build $(PACKAGE_DIR) -j $(JOBS)
	cd $(PACKAGE_DIR) && cpack -G DEB
	@ls $(PACKAGE_DIR)/*.deb

# Every build folder of the Makefile and the scripts (the sanitizer build of
# CI, scripts/fuzz.sh's and the Windows build), and the Windows zip in dist/.
clean:
	rm -rf $(BUILD_DIR) $(RELEASE_DIR) $(PACKAGE_DIR) build-asan build-bench build-fuzz build-win dist
