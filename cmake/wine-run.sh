#!/bin/sh
# Runs a Windows program under Wine with the project's settings.
#
# The toolchain copies this file to <build dir>/wine-run.sh with the build directory
# filled in below, and uses that copy as CMAKE_CROSSCOMPILING_EMULATOR.  The copy in
# cmake/ can also be used directly when TW_BUILD_DIR is set in the environment.
#
#   <build dir>/wine-run.sh bin/SomeTest.exe --gtest_filter=...

tw_build_dir='@TW_BUILD_DIR@'
case "$tw_build_dir" in
    @*@) tw_build_dir="${TW_BUILD_DIR:-}" ;;
esac
if [ -z "$tw_build_dir" ]; then
    echo "wine-run.sh: build directory unknown; use <build dir>/wine-run.sh or set TW_BUILD_DIR" >&2
    exit 125
fi

# TW_WINEPREFIX names another prefix (scripts/demo keeps one per DPI there).
export WINEPREFIX="${TW_WINEPREFIX:-$tw_build_dir/wineprefix}"
export WINEDEBUG=-all
# No Mono/Gecko install prompts, no menu entries written to $HOME.
export WINEDLLOVERRIDES="mscoree,mshtml=;winemenubuilder.exe=d"
# Makes GetACP() == 932 (Shift-JIS) inside Wine; the Linux locale need not exist.
export LC_ALL=ja_JP.UTF-8
export LANG=ja_JP.UTF-8
# DISPLAY is kept from the environment.  Tests registered with tw_add_test(... WINDOWS)
# set TW_REQUIRE_DISPLAY=1 and fail at once without one.
if [ "${TW_REQUIRE_DISPLAY:-0}" = 1 ] && [ -z "${DISPLAY:-}" ]; then
    echo "wine-run.sh: this test creates windows and needs DISPLAY (scripts/test starts Xvfb)" >&2
    exit 125
fi

exec wine "$@"
