# shellcheck shell=bash
# Common steps of scripts/test and scripts/run.  Source it; do not run it.
#
# Environment:
#   BUILD_DIR     build folder (default: <repo>/build)
#   BUILD_TYPE    CMake build type (default: Release); a build folder configured
#                 with another type is configured again
#   CMAKE_ARGS    extra CMake options; given, they make CMake configure again
#   BUILD_TARGETS targets to build, separated by spaces (default: all)
#   JOBS          parallel build jobs (default: 2)

TW_ROOT=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)
BUILD_DIR=${BUILD_DIR:-$TW_ROOT/build}
case $BUILD_DIR in /*) ;; *) BUILD_DIR=$PWD/$BUILD_DIR ;; esac
export BUILD_DIR

# Wine settings for wineserver and any wine started from these scripts; the programs
# themselves always go through $BUILD_DIR/wine-run.sh, which sets the same values
# (TW_WINEPREFIX, when set, names another prefix for both: see tw_use_dpi).
export WINEPREFIX=${TW_WINEPREFIX:-$BUILD_DIR/wineprefix}
# ccache sees paths relative to the checkout, so clones and worktrees share hits.
export CCACHE_BASEDIR=$TW_ROOT CCACHE_NOHASHDIR=1
export WINEDEBUG=-all
export WINEDLLOVERRIDES="mscoree,mshtml=;winemenubuilder.exe=d"

TW_PACKAGES=(
    wine64 wine g++-mingw-w64-x86-64-posix cmake ninja-build googletest
    xvfb xauth x11-utils fonts-ipafont imagemagick locales clang-format ccache
)
TW_XVFB_PID=
TW_REMOVE_ON_EXIT=()
trap tw_cleanup EXIT  # defined below; stops Wine and Xvfb whatever happens

tw_log() { printf '==> %s\n' "$*" >&2; }
tw_die() { printf 'error: %s\n' "$*" >&2; exit 1; }

tw_as_root() {
    if [[ $(id -u) == 0 ]]; then
        "$@"
    elif command -v sudo >/dev/null; then
        sudo "$@"
    else
        tw_die "need root for: $*"
    fi
}

# Installs the Debian packages that are missing; does nothing when all are there.
tw_ensure_packages() {
    local missing=() p
    for p in "${TW_PACKAGES[@]}"; do
        if [[ $(dpkg-query -W -f='${db:Status-Status}' "$p" 2>/dev/null) != installed ]]; then
            missing+=("$p")
        fi
    done
    if ((${#missing[@]})); then
        tw_log "installing ${missing[*]}"
        tw_as_root env DEBIAN_FRONTEND=noninteractive apt-get update -q
        tw_as_root env DEBIAN_FRONTEND=noninteractive apt-get install -y -q "${missing[@]}"
    fi
}

# Generates ja_JP.UTF-8 on the Linux side (Wine does not need it, but bash warns without it).
tw_ensure_locale() {
    if ! locale -a 2>/dev/null | grep -qix 'ja_JP.utf8'; then
        tw_log "generating locale ja_JP.UTF-8"
        if ! grep -q '^ja_JP.UTF-8 UTF-8' /etc/locale.gen 2>/dev/null; then
            echo 'ja_JP.UTF-8 UTF-8' | tw_as_root tee -a /etc/locale.gen >/dev/null
        fi
        tw_as_root locale-gen >/dev/null || tw_log "warning: locale-gen failed (harmless for Wine)"
    fi
}

# Configures $BUILD_DIR (first time, or when CMAKE_ARGS is given) and builds.
tw_build() {
    local cached_type=
    [[ -f $BUILD_DIR/CMakeCache.txt ]] &&
        cached_type=$(sed -n 's/^CMAKE_BUILD_TYPE:[A-Z]*=//p' "$BUILD_DIR/CMakeCache.txt")
    if [[ ! -f $BUILD_DIR/build.ninja || -n ${CMAKE_ARGS:-} || $cached_type != "${BUILD_TYPE:-Release}" ]]; then
        tw_log "configuring $BUILD_DIR"
        # shellcheck disable=SC2086
        local launcher=()
        # ccache keeps compiled objects across build folders and clean clones.
        command -v ccache >/dev/null && launcher=(-DCMAKE_CXX_COMPILER_LAUNCHER=ccache -DCMAKE_C_COMPILER_LAUNCHER=ccache)
        cmake -S "$TW_ROOT" -B "$BUILD_DIR" -G Ninja "${launcher[@]}" \
            -DCMAKE_TOOLCHAIN_FILE="$TW_ROOT/cmake/mingw-w64-x86_64.cmake" \
            -DCMAKE_BUILD_TYPE="${BUILD_TYPE:-Release}" ${CMAKE_ARGS:-}
    fi
    tw_log "building"
    local targets=()
    # shellcheck disable=SC2206
    [[ -n ${BUILD_TARGETS:-} ]] && targets=(--target $BUILD_TARGETS)
    cmake --build "$BUILD_DIR" --parallel "${JOBS:-2}" "${targets[@]}"
}

# Starts Xvfb on the first free display of :91..:99 and exports DISPLAY.
tw_start_xvfb() {
    local n
    for n in {91..99}; do
        [[ -e /tmp/.X$n-lock || -e /tmp/.X11-unix/X$n ]] && continue
        Xvfb ":$n" -screen 0 1280x1024x24 -nolisten tcp -noreset </dev/null >/dev/null 2>&1 &
        TW_XVFB_PID=$!
        for _ in {1..100}; do
            if DISPLAY=:$n xdpyinfo >/dev/null 2>&1; then
                export DISPLAY=:$n
                tw_log "Xvfb on DISPLAY=$DISPLAY"
                return 0
            fi
            kill -0 "$TW_XVFB_PID" 2>/dev/null || break
            sleep 0.1
        done
        kill "$TW_XVFB_PID" 2>/dev/null || true
        wait "$TW_XVFB_PID" 2>/dev/null || true
        TW_XVFB_PID=
    done
    tw_die "could not start Xvfb on any display :91..:99"
}

# Runs a Windows program with the project's Wine settings, detached from our stdio.
tw_wine_quiet() { "$BUILD_DIR/wine-run.sh" "$@" </dev/null >/dev/null 2>&1; }

# Creates the Wine prefix on first use, then starts a persistent wineserver and Wine's
# background processes with stdio on /dev/null: started from inside a test they would
# inherit ctest's pipes, and ctest would wait for them.
tw_start_wine() {
    [[ -x $BUILD_DIR/wine-run.sh ]] || tw_die "$BUILD_DIR/wine-run.sh missing (configure failed?)"
    if [[ ! -f $WINEPREFIX/system.reg ]]; then
        tw_log "creating Wine prefix $WINEPREFIX (first time only)"
        tw_wine_quiet wineboot --init || tw_die "wineboot --init failed"
        wineserver -w
    fi
    # Debian's Wine does not find its own Marlett font, so caption buttons would show
    # letters ("0 1 r") instead of symbols; a copy in the prefix fixes that.
    local fonts=$WINEPREFIX/drive_c/windows/Fonts
    if [[ ! -f $fonts/marlett.ttf && -f /usr/share/wine/fonts/marlett.ttf ]]; then
        mkdir -p "$fonts" && cp /usr/share/wine/fonts/marlett.ttf "$fonts/"
    fi
    wineserver -p </dev/null >/dev/null 2>&1 || true  # fails only when one runs already
    tw_wine_quiet wineboot || tw_die "wineboot failed"
    # No window manager control by Wine (no decorations under a bare Xvfb), no crash dialog.
    tw_wine_quiet reg add 'HKCU\Software\Wine\X11 Driver' /v Managed /t REG_SZ /d N /f
    tw_wine_quiet reg add 'HKCU\Software\Wine\WineDbg' /v ShowCrashDialog /t REG_DWORD /d 0 /f
    tw_replace_japanese_fonts
    tw_apply_dpi
}

# Ordovan's dialogs ask for "ＭＳ Ｐゴシック", which Wine does not have: without a
# replacement it picks a wider font and the labels are cut. The registry file
# shipped with the program (app/res/WineFonts.reg) names the IPA fonts
# (Debian's fonts-ipafont, of the same metrics class) first. Imported once per prefix.
tw_replace_japanese_fonts() {
    local reg=$WINEPREFIX/tw-font-replacements.reg
    [[ -f $reg ]] && return 0
    cp "$TW_ROOT/app/res/WineFonts.reg" "$reg.tmp"
    if tw_wine_quiet regedit /S "$(tw_windows_path "$reg.tmp")"; then
        mv "$reg.tmp" "$reg"
    else
        rm -f "$reg.tmp"
        tw_log "warning: could not set the Japanese font replacements"
    fi
}

# Makes the screen of the Wine programs started later have dpi dots per inch
# (96 is Windows' and Wine's default). The tests' prefix stays at 96: any
# other DPI gets a prefix of its own, $BUILD_DIR/wineprefix-dpi<dpi>, made on
# first use. Call before tw_start_wine, which then sets the DPI.
tw_use_dpi() {
    local dpi=$1
    [[ $dpi =~ ^[0-9]+$ && $dpi -ge 48 && $dpi -le 480 ]] || tw_die "DPI must be a number from 48 to 480, not \"$dpi\""
    TW_DPI=$dpi
    if ((dpi != 96)); then
        export TW_WINEPREFIX=$BUILD_DIR/wineprefix-dpi$dpi
        export WINEPREFIX=$TW_WINEPREFIX
    fi
}

# Wine reads the DPI as "LogPixels" from HKCU\Control Panel\Desktop (before the
# older HKLM\System\CurrentControlSet\Hardware Profiles\Current\Software\Fonts)
# when a program starts; Wine's own background programs are restarted to see it.
tw_apply_dpi() {
    [[ -n ${TW_DPI:-} ]] || return 0
    local key='HKCU\Control Panel\Desktop' current
    current=$("$BUILD_DIR/wine-run.sh" reg query "$key" /v LogPixels </dev/null 2>/dev/null |
        sed -n 's/.*REG_DWORD[[:space:]]*0x\([0-9a-fA-F]*\).*/\1/p') || true
    (( 16#${current:-60} == TW_DPI )) && return 0  # none set: Wine's 96
    tw_log "setting the Wine prefix to $TW_DPI DPI"
    tw_wine_quiet reg add "$key" /v LogPixels /t REG_DWORD /d "$TW_DPI" /f || tw_die "could not set the DPI"
    wineserver -k </dev/null >/dev/null 2>&1 || true
    wineserver -w </dev/null >/dev/null 2>&1 || true
    wineserver -p </dev/null >/dev/null 2>&1 || true
    tw_wine_quiet wineboot || tw_die "wineboot failed"
}

# Starts Wine's desktop process once, with stdio on /dev/null, and keeps it running until
# wineserver -k (see tests/support/DesktopKeeper.cpp).  Needs DISPLAY.
tw_start_desktop() {
    local keeper=$BUILD_DIR/bin/TestDesktopKeeper.exe ready=$BUILD_DIR/desktop-keeper.ready
    if [[ ! -f $keeper ]]; then
        tw_log "warning: $keeper not built; each window test may keep ctest waiting ~1 s"
        return 0
    fi
    rm -f "$ready"
    "$BUILD_DIR/wine-run.sh" "$keeper" "Z:$ready" </dev/null >/dev/null 2>&1 &
    for _ in {1..300}; do
        [[ -f $ready ]] && return 0
        sleep 0.1
    done
    tw_die "TestDesktopKeeper did not start within 30 s"
}

# The path under which Wine's programs see a Linux path: C:\... inside the
# prefix's drive_c, Z:\... (Wine's view of the whole Linux tree) elsewhere.
tw_windows_path() {
    local path drive_c
    path=$(realpath -m "$1")
    drive_c=$(realpath -m "$WINEPREFIX/drive_c")
    if [[ $path == "$drive_c" || $path == "$drive_c"/* ]]; then
        path="C:${path#"$drive_c"}"
    else
        path="Z:$path"
    fi
    printf '%s\n' "${path//\//\\}"
}

# Files and folders that the EXIT trap removes (after Wine has stopped).
tw_remove_on_exit() { TW_REMOVE_ON_EXIT+=("$@"); }

# Copies the built program with its DLLs and help page to a folder, through
# the install rules (cmake/Install.cmake).
tw_install_program() {
    cmake --install "$BUILD_DIR" --prefix "$1" >/dev/null
}

# Waits until a top-level window with exactly this title is on the X display,
# at most timeout seconds, and gives up early when process pid (if given)
# has ended. Returns 1 when the window did not appear.
tw_wait_for_window() {
    local title=$1 timeout=$2 pid=${3:-} tries windows
    for ((tries = timeout * 10; tries > 0; tries--)); do
        windows=$(xwininfo -root -tree 2>/dev/null) || true
        [[ $windows == *"\"$title\":"* ]] && return 0
        [[ -z $pid ]] || kill -0 "$pid" 2>/dev/null || return 1
        sleep 0.1
    done
    return 1
}

# Saves a screenshot of the whole (virtual) screen.
tw_screenshot() {
    import -window root "$1"
}

# EXIT trap: stops every Wine process of our prefix, removes what
# tw_remove_on_exit named, then stops our Xvfb.
tw_cleanup() {
    set +e
    if [[ -d $WINEPREFIX ]]; then
        wineserver -k </dev/null >/dev/null 2>&1
        timeout 20 wineserver -w </dev/null >/dev/null 2>&1
    fi
    local path
    for path in "${TW_REMOVE_ON_EXIT[@]}"; do
        rm -rf -- "$path"
    done
    if [[ -n $TW_XVFB_PID ]]; then
        kill "$TW_XVFB_PID" 2>/dev/null
        wait "$TW_XVFB_PID" 2>/dev/null
        TW_XVFB_PID=
    fi
}
