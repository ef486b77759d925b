# Shared by scripts/test, scripts/demo and scripts/wine-run (sourced, not run).
#
# A "Wine session" is one Xvfb on a free display, the build's Wine prefix and one persistent
# wineserver. Every Windows program of a test run shares it: a Wine process then starts in a
# fraction of a second, and windows have a display without a window manager.

VO_ROOT=$(cd "$(dirname "${BASH_SOURCE[0]}")/../.." && pwd)

# The Windows architecture the programs are built for and run as: i686 (the product's target)
# where this Linux can run 32-bit programs, else x86_64 under 64-bit Wine. Some virtual machines
# have no 32-bit user mode at all (the 32-bit Wine loader fails with "Exec format error"); the
# code builds and runs the same for both. VO_ARCH=i686 or VO_ARCH=x86_64 chooses by hand.
vo_arch() {
    if [[ -n ${VO_ARCH:-} ]]; then
        echo "$VO_ARCH"
    elif /usr/lib/wine/wine --version >/dev/null 2>&1; then
        echo i686
    else
        echo x86_64
    fi
}

# Wine's own commands, run with the loader of the build's architecture ($WINELOADER, set by
# vo_wine_env). The Debian "wine" command always takes the 32-bit loader when it is installed,
# even where it cannot run.
wine() { "$WINELOADER" "$@"; }
wineboot() { wine wineboot "$@"; }
winepath() { wine winepath "$@"; }

# Absolute build folder: $BUILD_DIR, default "build" under the repository root.
vo_build_dir() {
    local dir=${BUILD_DIR:-build}
    [[ $dir == /* ]] || dir=$VO_ROOT/$dir
    echo "$dir"
}

# Configures the build folder on first use (later builds re-run CMake by themselves) and builds.
vo_build() {
    local build_dir=$1
    local toolchain
    toolchain=$VO_ROOT/cmake/toolchain-$(vo_arch)-w64-mingw32.cmake
    # A build folder configured for the other architecture is configured again from scratch.
    if [[ -f $build_dir/CMakeCache.txt ]] &&
       ! grep -qxF "CMAKE_TOOLCHAIN_FILE:FILEPATH=$toolchain" "$build_dir/CMakeCache.txt"; then
        echo "wine-env: $build_dir was configured for another architecture: configuring again"
        rm -rf "$build_dir/CMakeCache.txt" "$build_dir/CMakeFiles" "$build_dir/build.ninja" \
               "$build_dir/wineprefix"
    fi
    # ccache, when a developer has installed it, shares compiled objects between build folders
    # and work trees (paths below the repository's parent count as relative).
    local launcher=()
    if command -v ccache >/dev/null; then
        launcher=(-DCMAKE_C_COMPILER_LAUNCHER=ccache -DCMAKE_CXX_COMPILER_LAUNCHER=ccache)
        export CCACHE_BASEDIR=${CCACHE_BASEDIR:-$(dirname "$VO_ROOT")}
    fi
    if [[ ! -f $build_dir/build.ninja ]]; then
        cmake -S "$VO_ROOT" -B "$build_dir" -G Ninja -DCMAKE_TOOLCHAIN_FILE="$toolchain" "${launcher[@]}"
    fi
    cmake --build "$build_dir"
}

# Exports the environment every Wine process of the build uses. Values already set by the caller
# (WINEDEBUG=err+all to see why a DLL does not load, for instance) are kept.
vo_wine_env() {
    local build_dir=$1
    export WINEPREFIX=$build_dir/wineprefix
    if [[ $(vo_arch) == x86_64 ]]; then
        export WINEARCH=win64 WINELOADER=/usr/lib/wine/wine64
    else
        export WINEARCH=win32 WINELOADER=/usr/lib/wine/wine
    fi
    export WINEDEBUG=${WINEDEBUG:--all}
    # Same locale everywhere (Windows code page 1252, UTF-8 file names), whatever the caller's.
    export LC_ALL=C.UTF-8
    # No Mono or Gecko: Wine would otherwise offer to download them.
    export WINEDLLOVERRIDES=${WINEDLLOVERRIDES:-mscoree,mshtml=}
    # A scratch HOME keeps Wine's desktop integration out of the real one. Its .asoundrc makes
    # ALSA's default device the null device: with no sound card, ALSA would otherwise complain on
    # stderr and Wine would offer no sound device at all.
    export HOME=$build_dir/wine-home
    mkdir -p "$HOME"
    echo 'pcm.!default { type null }' >"$HOME/.asoundrc"
}

# Starts Xvfb on the first free display from :90 upward and exports DISPLAY. Another run may
# take the same number at the same moment: the X server's lock file decides, and the loser
# tries the next number.
vo_start_xvfb() {
    local log=$1 n pid i
    for ((n = 90; n < 250; n++)); do
        [[ -e /tmp/.X11-unix/X$n || -e /tmp/.X$n-lock ]] && continue
        Xvfb ":$n" -screen 0 1280x1024x24 -nolisten tcp -noreset >"$log" 2>&1 &
        pid=$!
        for ((i = 0; i < 100; i++)); do
            if [[ -S /tmp/.X11-unix/X$n && $(cat "/tmp/.X$n-lock" 2>/dev/null) -eq $pid ]]; then
                VO_XVFB_PID=$pid
                export DISPLAY=:$n
                return 0
            fi
            kill -0 "$pid" 2>/dev/null || break
            sleep 0.1
        done
        kill "$pid" 2>/dev/null || true
        wait "$pid" 2>/dev/null || true
    done
    echo "wine-env: could not start Xvfb (see $log)" >&2
    return 1
}

# Creates the Wine prefix once per build folder: of the build's architecture, with Wine's virtual desktop turned on
# (without a window manager, hiding or destroying a top-level window otherwise takes seconds),
# Chinese text drawn with the system's CJK font, and no debugger on a crash. The marker file is
# written last, so a prefix left half-made by an interrupted run is made again; its name changes
# with these settings, so older prefixes are made again too.
vo_ensure_prefix() {
    local marker=$WINEPREFIX/.vo-prefix-2 log=$1
    [[ -f $marker ]] && return 0
    echo "wine-env: creating Wine prefix $WINEPREFIX"
    rm -rf "$WINEPREFIX"
    if ! wineboot -i >>"$log" 2>&1; then
        cat "$log" >&2
        return 1
    fi
    vo_reg_add 'HKCU\Software\Wine\Explorer' Desktop REG_SZ Default
    vo_reg_add 'HKCU\Software\Wine\Explorer\Desktops' Default REG_SZ 1024x768
    vo_use_cjk_font 'WenQuanYi Micro Hei' wqy-microhei.ttc
    # Wine's crash debugger (winedbg --auto) hangs here, holding the crashed program until the
    # test times out. A debugger command that cannot start makes a crash end the program at once
    # (exit code 5 for an access violation) after Wine's one-line report of the fault.
    vo_reg_add 'HKLM\Software\Microsoft\Windows NT\CurrentVersion\AeDebug' Debugger REG_SZ false
    # Let the wineserver exit on its own: that writes the registry to disk.
    wineserver -w
    touch "$marker"
}

vo_reg_add() {
    wine reg add "$1" /v "$2" /t "$3" /d "$4" /f >/dev/null
}

# Links the common UI fonts to the CJK font FAMILY (file FILE) for the characters they lack, and
# lets the usual Chinese font names stand for it.
vo_use_cjk_font() {
    local family=$1 file=$2 font
    for font in Tahoma 'MS Shell Dlg' 'MS Shell Dlg 2' 'Microsoft Sans Serif' 'Segoe UI' Arial Verdana; do
        vo_reg_add 'HKLM\Software\Microsoft\Windows NT\CurrentVersion\FontLink\SystemLink' \
                   "$font" REG_MULTI_SZ "$file,$family"
    done
    for font in SimSun NSimSun SimHei 'Microsoft YaHei' 宋体 新宋体 黑体 微软雅黑; do
        vo_reg_add 'HKCU\Software\Wine\Fonts\Replacements' "$font" REG_SZ "$family"
    done
}

# Starts a Wine session for the build folder and ends it when the calling shell exits.
vo_session_start() {
    local build_dir=$1
    vo_wine_env "$build_dir"
    trap vo_session_stop EXIT
    vo_claim_build_dir "$build_dir"
    vo_start_xvfb "$build_dir/xvfb.log"
    (
        flock 9
        vo_ensure_prefix "$build_dir/wine-session.log"
    ) 9>"$build_dir/wineprefix.lock"
    wineserver -p
    VO_WINESERVER_STARTED=1
    # The first Wine process starts Wine's own background processes (services, the desktop),
    # which inherit its stderr and live as long as the wineserver. Start them here, writing to
    # a log: inheriting a test's output pipe, they would keep CTest waiting for its end.
    wine cmd /c exit </dev/null >>"$build_dir/wine-session.log" 2>&1
    vo_register_components "$build_dir"
    export VO_WINE_SESSION=$build_dir
}

# Registers the client's outside components that the build made (in-process COM servers) in the
# prefix. Their DllRegisterServer writes below HKEY_LOCAL_MACHINE\Software\Classes, where Wine
# looks for classes (it ignores those registered for the current user only). Registered at every
# session start, so a prefix made before a component existed gets it too.
vo_register_components() {
    local bin=$1/bin dll
    for dll in faceanim.dll transfile.dll; do
        [[ -f $bin/$dll ]] || continue
        if ! (cd "$bin" && wine regsvr32 /s "$dll") </dev/null >>"$1/wine-session.log" 2>&1; then
            echo "wine-env: could not register $dll" >&2
        fi
    done
}

# One session per build folder at a time. The owner file names the shell of the running session;
# when that shell is gone (killed before it could clean up), its wineserver is stopped here.
vo_claim_build_dir() {
    local owner_file=$1/wine-session.owner owner
    owner=$(cat "$owner_file" 2>/dev/null || true)
    if [[ -n $owner ]] && kill -0 "$owner" 2>/dev/null; then
        echo "wine-env: another run (pid $owner) uses $1: wait for it or set another BUILD_DIR" >&2
        return 1
    fi
    if [[ -n $owner ]]; then
        wineserver -k 2>/dev/null || true
        wineserver -w 2>/dev/null || true
    fi
    echo $$ >"$owner_file"
    VO_OWNER_FILE=$owner_file
}

vo_session_stop() {
    if [[ -n ${VO_WINESERVER_STARTED:-} ]]; then
        wineserver -k 2>/dev/null || true
        wineserver -w 2>/dev/null || true
        VO_WINESERVER_STARTED=
    fi
    if [[ -n ${VO_XVFB_PID:-} ]]; then
        kill "$VO_XVFB_PID" 2>/dev/null || true
        wait "$VO_XVFB_PID" 2>/dev/null || true
        VO_XVFB_PID=
    fi
    if [[ -n ${VO_OWNER_FILE:-} ]]; then
        rm -f "$VO_OWNER_FILE"
        VO_OWNER_FILE=
    fi
}
