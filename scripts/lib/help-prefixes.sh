# Shell functions for the Windows versions the help tests need, after wine-session.sh. Vantrel shows its
# help through WinHelp on a Windows that has it (before Vista) and through HTML Help on later ones, and
# it reads the real version, so each path is tested in a prefix set to such a version.

# wine_prefix_with_winhelp: Vantrel.exe in the prefix of $WINEPREFIX sees Windows XP x64, which has
# WinHelp (a fresh Wine 8 prefix reports Windows 7, which has none). The other programs keep the
# prefix's version.
wine_prefix_with_winhelp() {
    reg="$WINEPREFIX/vantrel-winhelp.reg"
    {
        printf 'REGEDIT4\r\n\r\n'
        printf '[HKEY_CURRENT_USER\\Software\\Wine\\AppDefaults\\Vantrel.exe]\r\n"Version"="winxp64"\r\n\r\n'
    } >"$reg"
    wine regedit /S "$reg" >/dev/null 2>&1
}

# htmlhelp_prefix_prepare <prefix dir> <bin dir>: a prefix of Windows 10 (no WinHelp) whose hh.exe and
# hhctrl.ocx, where the system keeps them, are the recording stand-ins built in <bin dir>; and the load
# order that makes Wine use those files instead of its builtin copies. Wine's own HTML Help needs a
# browser engine that Debian doesn't ship, so the tests observe the calls, not the pages.
htmlhelp_prefix_prepare() {
    wine_prefix_prepare "$1"
    cp "$2/htmlhelp-standins/hh.exe" "$WINEPREFIX/drive_c/windows/hh.exe"
    cp "$2/htmlhelp-standins/hhctrl.ocx" "$WINEPREFIX/drive_c/windows/system32/hhctrl.ocx"
    wine winecfg -v win10 >/dev/null 2>&1
    wineserver -w
    export WINEDLLOVERRIDES="$WINEDLLOVERRIDES;hhctrl.ocx,hh.exe=n,b"
}
