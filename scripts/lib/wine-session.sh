# Shell functions for a private Wine session: a prefix inside the build folder, an Xvfb display, one
# persistent wineserver and Wine's virtual desktop. Sourced by scripts/test and scripts/demo.
# Everything started here is recorded and ended by wine_session_stop, by PID.

export WINEDEBUG=-all
export WINEDLLOVERRIDES="mscoree,mshtml="
export WINEARCH=win64

VANTREL_XVFB_PID=""
VANTREL_DESKTOP_PID=""

# wine_prefix_prepare <prefix dir>: creates the prefix once, with the settings the tests rely on.
wine_prefix_prepare() {
    export WINEPREFIX="$1"
    # Wine refuses a prefix that another user owns, to root too, and looks at its top folder only: root
    # takes back a prefix that build_give_back gave to the user of an earlier run through sudo.
    if [ "$(id -u)" = 0 ] && [ -d "$WINEPREFIX" ] && [ "$(stat -c %u "$WINEPREFIX")" != 0 ]; then
        chown 0:0 "$WINEPREFIX"
        rm -f "$WINEPREFIX/wineserver"
    fi
    if [ ! -f "$WINEPREFIX/.vantrel-ready" ]; then
        rm -rf "$WINEPREFIX"
        mkdir -p "$WINEPREFIX"
        wineboot -i >/dev/null 2>&1
        wineserver -w
        reg="$WINEPREFIX/vantrel-settings.reg"
        {
            printf 'REGEDIT4\r\n\r\n'
            printf '[HKEY_CURRENT_USER\\Software\\Wine\\Explorer]\r\n"Desktop"="Default"\r\n\r\n'
            printf '[HKEY_CURRENT_USER\\Software\\Wine\\Explorer\\Desktops]\r\n"Default"="1920x1200"\r\n\r\n'
            printf '[HKEY_CURRENT_USER\\Software\\Wine\\WineDbg]\r\n"ShowCrashDialog"=dword:00000000\r\n\r\n'
        } >"$reg"
        wine regedit /S "$reg" >/dev/null 2>&1
        wineserver -w
        touch "$WINEPREFIX/.vantrel-ready"
    fi
    # A prefix made when the desktop was smaller: Wine sizes the desktop by this value, not by the size on
    # explorer's command line. The wineserver is down here, so the file can be changed.
    sed -i 's/^"Default"="1280x1024"$/"Default"="1920x1200"/' "$WINEPREFIX/user.reg" 2>/dev/null
    # Debian's Wine doesn't load its own fonts from /usr/share/wine/fonts; without them "MS Sans Serif"
    # falls back to a wider face and the controls' captions are cut off.
    if [ -d /usr/share/wine/fonts ] && [ ! -f "$WINEPREFIX/drive_c/windows/Fonts/sserife.fon" ]; then
        cp /usr/share/wine/fonts/* "$WINEPREFIX/drive_c/windows/Fonts/" 2>/dev/null
    fi
}

# Picks the first display from 90 up that has neither a socket nor a lock file.
wine_free_display() {
    n=90
    while [ -e "/tmp/.X11-unix/X$n" ] || [ -e "/tmp/.X$n-lock" ]; do
        n=$((n + 1))
    done
    echo "$n"
}

# wine_session_start: Xvfb, the wineserver and the virtual desktop, for the prefix already prepared. The
# screen has room for the main window at 192 and 240 dpi (about 1500 x 950 and 1870 x 1150 pixels): a
# window larger than the screen is cut to it.
wine_session_start() {
    n=$(wine_free_display)
    Xvfb ":$n" -screen 0 1920x1200x24 -nolisten tcp >/dev/null 2>&1 &
    VANTREL_XVFB_PID=$!
    export DISPLAY=":$n"
    i=0
    while [ ! -e "/tmp/.X11-unix/X$n" ] && [ $i -lt 100 ]; do
        sleep 0.1
        i=$((i + 1))
    done
    wineserver -p >/dev/null 2>&1
    wine explorer.exe /desktop=Default,1920x1200 >/dev/null 2>&1 &
    VANTREL_DESKTOP_PID=$!
    sleep 2
}

wine_session_stop() {
    [ -n "${WINEPREFIX:-}" ] && wineserver -k 2>/dev/null
    if [ -n "$VANTREL_DESKTOP_PID" ]; then
        kill "$VANTREL_DESKTOP_PID" 2>/dev/null
        VANTREL_DESKTOP_PID=""
    fi
    if [ -n "$VANTREL_XVFB_PID" ]; then
        kill "$VANTREL_XVFB_PID" 2>/dev/null
        wait "$VANTREL_XVFB_PID" 2>/dev/null
        VANTREL_XVFB_PID=""
    fi
    true
}

# wine_register_standin <bin dir>: registers the stand-in host exe found there.
wine_register_standin() {
    exe="$1/standin-host.exe"
    script="$VANTREL_ROOT/tools/standin-host/register"
    if [ -f "$exe" ] && [ -x "$script" ]; then
        "$script" "$exe"
    fi
}

# wine_screenshot <file.png>
wine_screenshot() {
    import -window root -display "$DISPLAY" "$1" 2>/dev/null
}

# build_give_back: after a run through sudo, the build folder belongs to the user who ran sudo again
# (SUDO_UID, SUDO_GID), so that builds, the demo and Wine work for that user without root.
build_give_back() {
    if [ "$(id -u)" = 0 ] && [ -n "${SUDO_UID:-}" ] && [ -d "$VANTREL_ROOT/build" ]; then
        chown -R "$SUDO_UID:${SUDO_GID:-$SUDO_UID}" "$VANTREL_ROOT/build"
        # Debian's Wine names its server's folder, root's private one in /tmp, in each prefix's file
        # "wineserver"; without that file Wine makes a folder of the user's own.
        find "$VANTREL_ROOT/build" -name wineserver -type f -delete
    fi
}
