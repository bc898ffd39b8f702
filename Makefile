# One entry for building and testing. Every target installs the Debian packages it needs when
# they are missing, so a fresh machine needs nothing else.

JOBS ?= $(shell nproc)
BUILD := build
ASAN_BUILD := build-asan

NATIVE_PACKAGES := cmake make g++ libgtest-dev libgmock-dev libbenchmark-dev nlohmann-json3-dev \
  libcli11-dev

define require_packages
	@missing=""; for p in $(1); do dpkg -s $$p >/dev/null 2>&1 || missing="$$missing $$p"; done; \
	if [ -n "$$missing" ]; then \
	  echo "installing:$$missing"; \
	  apt-get update -qq && DEBIAN_FRONTEND=noninteractive apt-get install -y -qq $$missing >/dev/null; \
	fi
endef

.PHONY: all deps test test-native test-asan test-fuzz fuzz fuzz-build bench clean

all: test

deps:
	$(call require_packages,$(NATIVE_PACKAGES))

# The test builds treat warnings as errors. The native one is a Release build, the build a
# packager or a player makes, so that a warning only optimisation brings cannot hide. A tree
# configured by an older Makefile is configured again.
$(BUILD)/CMakeCache.txt: Makefile | deps
	cmake -S . -B $(BUILD) -DCMAKE_BUILD_TYPE=Release -DSORAMITO_WERROR=ON

$(ASAN_BUILD)/CMakeCache.txt: Makefile | deps
	cmake -S . -B $(ASAN_BUILD) -DCMAKE_BUILD_TYPE=Debug -DSORAMITO_SANITIZE=ON -DSORAMITO_WERROR=ON

# The fuzz targets run briefly on their corpora; the Windows tests (win.mk) come last.
test: test-native test-asan test-fuzz test-win

test-native: deps $(BUILD)/CMakeCache.txt
	cmake --build $(BUILD) -j $(JOBS)
	cd $(BUILD) && ctest --output-on-failure -j $(JOBS)

test-asan: deps $(ASAN_BUILD)/CMakeCache.txt
	cmake --build $(ASAN_BUILD) -j $(JOBS)
	cd $(ASAN_BUILD) && ASAN_OPTIONS=detect_leaks=1:abort_on_error=1 \
	  UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1 ctest --output-on-failure -j $(JOBS)

FUZZ_BUILD := build-fuzz
FUZZ_SECONDS ?= 60
FUZZ_PACKAGES := cmake make clang libclang-rt-14-dev nlohmann-json3-dev libcli11-dev

$(FUZZ_BUILD)/CMakeCache.txt: Makefile
	$(call require_packages,$(FUZZ_PACKAGES))
	cmake -S . -B $(FUZZ_BUILD) -DCMAKE_CXX_COMPILER=clang++ -DCMAKE_BUILD_TYPE=RelWithDebInfo \
	  -DSORAMITO_FUZZ=ON -DSORAMITO_WERROR=ON

fuzz-build: $(FUZZ_BUILD)/CMakeCache.txt
	$(call require_packages,$(FUZZ_PACKAGES))
	cmake --build $(FUZZ_BUILD) -j $(JOBS)

# FUZZ_SECONDS per target (default 60).
fuzz: fuzz-build
	scripts/fuzz.sh $(FUZZ_BUILD) $(FUZZ_SECONDS)

test-fuzz: fuzz-build
	scripts/fuzz.sh $(FUZZ_BUILD) 3

# Release build, so that the figures are what a player gets.
bench: deps
	cmake -S . -B build-bench -DCMAKE_BUILD_TYPE=Release
	cmake --build build-bench -j $(JOBS) --target search_bench
	build-bench/search_bench

clean:
	rm -rf $(BUILD) $(ASAN_BUILD) $(FUZZ_BUILD) build-bench build-win dist

include win.mk
