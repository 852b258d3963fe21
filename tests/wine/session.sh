# shellcheck shell=bash
# Sourced, not run. One headless X display and one throwaway Wine prefix, shared by every
# Windows test of a run: preparing a prefix takes seconds, while starting a program in a
# warm one takes tens of milliseconds.
#
#   source tests/wine/session.sh
#   trap wine_session_stop EXIT
#   wine_session_start

wine_session_start() {
    # A parent script already owns a session; programs run inside it.
    [[ -n ${TALLYRA_WINE_SESSION:-} ]] && return 0

    # Put back on stop, so that sourcing this into an interactive shell does no lasting harm.
    local v
    _tallyra_wine_saved_env=()
    for v in DISPLAY WINEPREFIX WINEDEBUG WINEDLLOVERRIDES WINEARCH; do
        if [[ -v $v ]]; then _tallyra_wine_saved_env+=("$v=${!v}"); fi
    done
    # Only this shell cleans up: not its children, which see the exported variables too.
    _tallyra_wine_owner=$BASHPID

    local dfile log
    dfile=$(mktemp) || { wine_session_stop; return 1; }
    log=$(mktemp) || { rm -f "$dfile"; wine_session_stop; return 1; }
    # -displayfd lets the server pick a free display, and reports it only once clients can
    # connect. -noreset: otherwise the server resets whenever its last client leaves, which
    # every short-lived Wine program would cause.
    Xvfb -displayfd 3 -screen 0 1024x768x24 -nolisten tcp -noreset \
        3>"$dfile" </dev/null >"$log" 2>&1 &
    _tallyra_wine_xvfb=$!
    export TALLYRA_XVFB_PID=$_tallyra_wine_xvfb

    local i display=
    for ((i = 0; i < 200; i++)); do
        read -r display <"$dfile" || true
        [[ -n $display ]] && break
        kill -0 "$_tallyra_wine_xvfb" 2>/dev/null || break
        sleep 0.05
    done
    if [[ -z $display ]]; then
        echo "wine session: Xvfb did not start:" >&2
        cat "$log" >&2
        rm -f "$dfile" "$log"
        wine_session_stop
        return 1
    fi
    rm -f "$dfile" "$log"
    export DISPLAY=":$display"

    _tallyra_wine_prefix=$(mktemp -d "${TMPDIR:-/tmp}/tallyra-wine.XXXXXX") || { wine_session_stop; return 1; }
    export WINEPREFIX=$_tallyra_wine_prefix
    export WINEDEBUG=-all
    # No Mono or Gecko prompts, and no menu entries or file associations written into $HOME.
    export WINEDLLOVERRIDES="mscoree,mshtml=;winemenubuilder.exe=d"
    # The programs are 64-bit; a 32-bit Wine loader, where installed, must not choose the prefix type.
    export WINEARCH=win64

    # One shared desktop: a test driver's FindWindow sees the program, Wine draws the
    # caption itself, and a program exits at once when its last window closes. Explorer
    # reads this when it starts, and wineboot starts it, so the values go into the registry
    # file before the first server loads it. Set afterwards, they would cost a server restart.
    # A program that crashes ends at once, with its exception as its exit code, instead of
    # waiting behind the debugger's crash dialog, which no test would answer.
    printf '%s\n' 'WINE REGISTRY Version 2' '' \
        '[Software\\Wine\\Explorer]' '"Desktop"="Default"' '' \
        '[Software\\Wine\\Explorer\\Desktops]' '"Default"="1024x768"' '' \
        '[Software\\Wine\\WineDbg]' '"ShowCrashDialog"=dword:00000000' >"$WINEPREFIX/user.reg"

    # A server that outlives each program keeps later starts warm. Started before the boot,
    # it also keeps the services that wineboot starts, with the boot log rather than a
    # test's output as their stderr.
    log=$(mktemp) || { wine_session_stop; return 1; }
    # Without wine32, wineboot complains about syswow64 even with WINEDEBUG=-all; that
    # stays out of the output unless the boot fails.
    if ! { timeout 60 wineserver -p && timeout 180 wineboot -i; } </dev/null >"$log" 2>&1; then
        echo "wine session: Wine did not start:" >&2
        cat "$log" >&2
        rm -f "$log"
        wine_session_stop
        return 1
    fi
    rm -f "$log"

    # Debian's Wine does not search its own font folder: without these, MS Sans Serif and
    # Marlett fall back to Liberation Sans, and dialogs come out at another size.
    ln -sf /usr/share/wine/fonts/* "$WINEPREFIX/drive_c/windows/Fonts/"

    export TALLYRA_WINE_SESSION=1
}

wine_session_stop() {
    [[ ${_tallyra_wine_owner:-} == "$BASHPID" ]] || return 0
    unset _tallyra_wine_owner

    if [[ -n ${_tallyra_wine_prefix:-} ]]; then
        WINEPREFIX=$_tallyra_wine_prefix timeout 60 wineserver -k >/dev/null 2>&1 || true
        WINEPREFIX=$_tallyra_wine_prefix timeout 60 wineserver -w >/dev/null 2>&1 || true
        # Debian's wineserver keeps its socket folder in TMPDIR under a random name, which
        # it records in the prefix and never removes.
        local sockdir=
        read -r sockdir <"$_tallyra_wine_prefix/wineserver" 2>/dev/null || true
        if [[ $sockdir =~ ^wine-[A-Za-z0-9]{6}$ ]]; then
            rm -rf "${TMPDIR:-/tmp}/$sockdir"
        fi
        rm -rf "$_tallyra_wine_prefix"
        unset _tallyra_wine_prefix
    fi
    if [[ -n ${_tallyra_wine_xvfb:-} ]]; then
        # Redirected as a group, so that bash's "Terminated" notice stays out of the output.
        { kill "$_tallyra_wine_xvfb" && wait "$_tallyra_wine_xvfb"; } >/dev/null 2>&1 || true
        unset _tallyra_wine_xvfb
    fi

    unset TALLYRA_WINE_SESSION TALLYRA_XVFB_PID DISPLAY WINEPREFIX WINEDEBUG WINEDLLOVERRIDES WINEARCH
    local kv
    for kv in "${_tallyra_wine_saved_env[@]}"; do
        export "${kv?}"
    done
    unset _tallyra_wine_saved_env
    return 0
}
