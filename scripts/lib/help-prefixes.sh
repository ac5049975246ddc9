# Shell functions for the prefixes the GUI and help tests run in, after wine-session.sh. Vantrel shows its
# help through the system's HTML Help (hhctrl.ocx for F1, hh.exe for Help > Contents). A fresh Wine 8
# prefix reports Windows 7 to every program; these make it Windows 10. Call them before wine_session_start.

# wine_prefix_windows10: the prefix of $WINEPREFIX reports Windows 10 to every program, Vantrel.exe
# included (a prefix that earlier runs told to show Vantrel.exe another version shows it this one again).
wine_prefix_windows10() {
    wine reg delete 'HKCU\Software\Wine\AppDefaults\Vantrel.exe' /v Version /f >/dev/null 2>&1
    wine winecfg -v win10 >/dev/null 2>&1
    wineserver -w
}

# htmlhelp_standins_install <bin dir>: in the prefix of $WINEPREFIX, at Windows 10, the system's hh.exe
# and hhctrl.ocx, where Windows keeps them, become the recording stand-ins built in <bin dir>, and the
# load order makes Wine use those files instead of its builtin copies. The GUI suites run so, and read
# what Vantrel asked of HTML Help from the stand-ins' journal.
htmlhelp_standins_install() {
    wine_prefix_windows10
    cp "$1/htmlhelp-standins/hh.exe" "$WINEPREFIX/drive_c/windows/hh.exe"
    cp "$1/htmlhelp-standins/hhctrl.ocx" "$WINEPREFIX/drive_c/windows/system32/hhctrl.ocx"
    export WINEDLLOVERRIDES="$WINEDLLOVERRIDES;hhctrl.ocx,hh.exe=n,b"
}

# builtin_htmlhelp_prefix_prepare <prefix dir>: a prefix of its own at Windows 10 with Wine's own HTML
# Help, for the test that follows F1 into Wine's viewer (the htmlhelp label). Wine's viewer shows no page
# without a browser engine, which Debian doesn't ship; the test reads where it navigates from Wine's trace.
builtin_htmlhelp_prefix_prepare() {
    wine_prefix_prepare "$1"
    wine_prefix_windows10
}
