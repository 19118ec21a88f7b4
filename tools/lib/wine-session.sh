# Sourced by tools/wine.sh: a private Wine prefix and a private Xvfb display for a session.
# Every process started here is remembered and stopped by tb_session_end; nothing else is touched.

# TB_WINE starts the session's programs; the prefix itself is always set up by the 64-bit loader.
TB_WINE=${TB_WINE:-/usr/lib/wine/wine64}
TB_WINE64=/usr/lib/wine/wine64
TB_WINESERVER=${TB_WINESERVER:-/usr/lib/wine/wineserver}

# tb_wine_env <prefix-dir>: the environment every Wine process of ours runs with.
tb_wine_env() {
    export WINEPREFIX=$1
    export WINEARCH=win64
    export WINEDEBUG=${WINEDEBUG:--all}
    # No .NET or browser add-ons, no menu entries, no sound drivers (nothing can be heard here), and no
    # debugger: a program that crashes ends at once instead of waiting in winedbg for a reader.
    export WINEDLLOVERRIDES="mscoree,mshtml=;winemenubuilder.exe,winedbg.exe=d;winealsa.drv,winepulse.drv,wineoss.drv=d"
    export TB_WINE TB_WINESERVER
}

# tb_prepare_prefix: create the prefix once; without a window manager, Wine must not wait for one.
# A prefix made before the 32-bit Wine was installed lacks the 32-bit system files, which start no
# 32-bit program; without its update stamp, Wine brings such a prefix up to date.
tb_prepare_prefix() {
    mkdir -p "$WINEPREFIX"
    if [[ -x /usr/lib/wine/wine && ! -f $WINEPREFIX/drive_c/windows/syswow64/kernel32.dll ]]; then
        rm -f "$WINEPREFIX/.tallyburn-ready" "$WINEPREFIX/.update-timestamp"
    fi
    if [[ ! -f $WINEPREFIX/.tallyburn-ready ]]; then
        "$TB_WINE64" wineboot --init >/dev/null 2>&1 || true
        "$TB_WINE64" reg add 'HKCU\Software\Wine\X11 Driver' /v Managed /d N /f >/dev/null 2>&1
        "$TB_WINE64" reg add 'HKCU\Software\Wine\X11 Driver' /v Decorated /d Y /f >/dev/null 2>&1
        # Let this first wineserver save the registry and exit before the session's own starts.
        "$TB_WINESERVER" -w
        touch "$WINEPREFIX/.tallyburn-ready"
    fi
}

# tb_start_xvfb: start Xvfb on the first free display number and export DISPLAY.
tb_start_xvfb() {
    local n
    for n in $(seq 90 199); do
        [[ -e /tmp/.X11-unix/X$n || -e /tmp/.X$n-lock ]] && continue
        Xvfb ":$n" -screen 0 1280x1024x24 -nolisten tcp >/dev/null 2>&1 &
        TB_XVFB_PID=$!
        local i
        for i in $(seq 1 100); do
            [[ -e /tmp/.X11-unix/X$n ]] && { export DISPLAY=":$n"; return 0; }
            kill -0 "$TB_XVFB_PID" 2>/dev/null || break
            sleep 0.05
        done
        kill "$TB_XVFB_PID" 2>/dev/null || true
        TB_XVFB_PID=""
    done
    echo "wine.sh: could not start Xvfb" >&2
    return 1
}

# tb_session_begin <prefix-dir> [--keep-display]: prefix plus display for this run; --keep-display
# uses the current DISPLAY when there is one instead of a private Xvfb.
tb_session_begin() {
    tb_wine_env "$1"
    TB_XVFB_PID=""
    if [[ ${2:-} != --keep-display || -z ${DISPLAY:-} ]]; then
        tb_start_xvfb
    fi
    tb_prepare_prefix
    # Keep one wineserver alive for the session so that each program starts quickly.
    "$TB_WINESERVER" -p >/dev/null 2>&1 || true
    # Bring up the desktop process now, with its output going nowhere: started by the first program
    # that opens a window, it would inherit that program's stdout and keep a reader such as ctest
    # waiting for the end of the output long after the program has ended.
    "$TB_WINE64" rundll32.exe user32.dll,GetDesktopWindow >/dev/null 2>&1 </dev/null || true
}

# tb_session_end: stop the wineserver of our prefix (and with it our Wine processes) and our Xvfb.
tb_session_end() {
    if [[ -n ${WINEPREFIX:-} ]]; then "$TB_WINESERVER" -k >/dev/null 2>&1 || true; fi
    if [[ -n ${TB_XVFB_PID:-} ]]; then
        kill "$TB_XVFB_PID" 2>/dev/null || true
        wait "$TB_XVFB_PID" 2>/dev/null || true
        TB_XVFB_PID=""
    fi
}
