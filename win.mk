# The Windows programs, the window and the command line: cross-built with MinGW-w64, tested
# under Wine on a virtual display. Included from the Makefile, which defines JOBS, BUILD, deps
# and require_packages.

WIN_BUILD := build-win
WIN_PREFIX := $(abspath $(WIN_BUILD))/wineprefix
WIN_PACKAGES := cmake make g++-mingw-w64-x86-64-posix binutils-mingw-w64-x86-64 mingw-w64-tools \
  googletest nlohmann-json3-dev libcli11-dev wine wine64 xvfb xauth fonts-ipafont-gothic fonts-wine util-linux \
  imagemagick xdotool

.PHONY: deps-win win-build native-cli test-win monkey clean-win run pictures dist

deps-win:
	$(call require_packages,$(WIN_PACKAGES))

$(WIN_BUILD)/CMakeCache.txt: win.mk | deps-win
	cmake -S . -B $(WIN_BUILD) -DCMAKE_TOOLCHAIN_FILE=cmake/mingw-w64.cmake \
	  -DCMAKE_BUILD_TYPE=Release -DSORAMITO_WERROR=ON -DSORAMITO_WINEPREFIX=$(WIN_PREFIX)

win-build: deps-win $(WIN_BUILD)/CMakeCache.txt
	cmake --build $(WIN_BUILD) -j $(JOBS)

# What the Windows command line is compared with.
native-cli: deps $(BUILD)/CMakeCache.txt
	cmake --build $(BUILD) -j $(JOBS) --target soramito-cli

# One display and one wineserver for the whole run; make sees a failure of ctest, of the
# comparison of the command line with the native one, or of a short monkey.
test-win: deps-win win-build native-cli
	SORAMITO_WINEPREFIX=$(WIN_PREFIX) tests/wine/on-virtual-display.sh sh -c '\
	  (cd $(WIN_BUILD) && ctest --output-on-failure -j $(JOBS)); status=$$?; \
	  tests/wine/compare-cli.sh $(BUILD) $(WIN_BUILD) || status=1; \
	  scripts/monkey.sh $(WIN_BUILD) $(BUILD) 30 $(MONKEY_SEED) || status=1; \
	  exit $$status'

# The program played with random input for MONKEY_SECONDS (default 300) from MONKEY_SEED
# (default: a new one, printed).
MONKEY_SECONDS ?= 300
MONKEY_SEED ?=

monkey: deps-win win-build native-cli
	SORAMITO_WINEPREFIX=$(WIN_PREFIX) tests/wine/on-virtual-display.sh \
	  scripts/monkey.sh $(WIN_BUILD) $(BUILD) $(MONKEY_SECONDS) $(MONKEY_SEED)

clean-win:
	rm -rf $(WIN_BUILD)

# Starts the program on the samples; without a display, takes a screenshot instead.
run: win-build
	scripts/run-windows-program.sh $(WIN_BUILD)/win32/soramito.exe $(WIN_PREFIX) build/screenshot.png

# The play loop of the players' guide, drawn from its text by Graphviz in the font the window
# pictures use.
GUIDE_PICTURE_PACKAGES := graphviz fonts-ipafont-gothic

docs/guide-loop.png: docs/loop.dot
	$(call require_packages,$(GUIDE_PICTURE_PACKAGES))
	dot -Tpng -Gdpi=96 docs/loop.dot -o $@

# The pictures of the players' guide: the loop, and what the program itself shows,
# docs/guide-*.png.
pictures: win-build docs/guide-loop.png
	scripts/take-pictures.sh $(WIN_BUILD) docs

# The players' zip: both programs; the two start-up files beside them, since the program reads
# them from its working folder; the sample scenarios; the guide and the command line's
# reference, each one page with its pictures inside, readable offline. Info-ZIP's zip does
# not flag names as UTF-8, and Windows would unpack 使い方.html under a garbled name;
# libarchive's does, in a UTF-8 locale.
DIST := dist/soramito

PANDOC_PAGE := pandoc --standalone --self-contained --toc --shift-heading-level-by=-1 \
  --resource-path=docs --lua-filter=docs/page-links.lua -H docs/guide-ja-head.html -V lang=ja

dist: win-build docs/guide-loop.png
	$(call require_packages,pandoc libarchive-tools)
	rm -rf dist && mkdir -p $(DIST)/samples
	cp $(WIN_BUILD)/win32/soramito.exe $(WIN_BUILD)/soramito-cli.exe samples/character.txt \
	  samples/grow.txt $(DIST)/
	x86_64-w64-mingw32-strip $(DIST)/soramito.exe $(DIST)/soramito-cli.exe
	cp samples/*.json $(DIST)/samples/
	$(PANDOC_PAGE) docs/guide-ja.md -o $(DIST)/使い方.html
	$(PANDOC_PAGE) docs/cli-ja.md -o $(DIST)/コマンドライン.html
	cd dist && LC_ALL=C.UTF-8 bsdtar --format zip -cf soramito.zip soramito
	@echo "dist/soramito.zip"
