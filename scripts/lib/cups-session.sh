# Shell functions for a private CUPS scheduler with the test printers the printer-dialog tests expect,
# so that Wine (which lists its printers from CUPS) sees real printers. Sourced by scripts/test.
#
#   cups_start <dir>   starts cupsd with its configuration, spool, logs and socket in <dir>, adds the
#                      queues VantrelTest (the default) and VantrelOther, and exports CUPS_SERVER (the
#                      socket, for lpadmin and for Wine's winspool alike).
#   cups_stop          ends the cupsd that cups_start started, by its PID, and nothing else.
#   cups_unreachable   exports CUPS_SERVER pointing at a socket nobody serves, so that Wine sees no
#                      printer at all.
#
# It needs no systemd and no system scheduler: cupsd runs in the foreground of a background job. As
# root, cupsd still runs its filters and backends as the lp user, never as root. The queues print to
# /dev/null (file device, raw): nothing the tests do is meant to reach paper.

VANTREL_CUPSD_PID=""
VANTREL_CUPS_DIR=""

cups_start() {
    dir="$1"
    if [ -z "$dir" ]; then
        echo "cups_start: give the folder for the scheduler's files" >&2
        return 1
    fi
    if [ -n "$VANTREL_CUPSD_PID" ]; then
        echo "cups_start: a scheduler of this session runs already (PID $VANTREL_CUPSD_PID)" >&2
        return 1
    fi
    # Only what a scheduler of an earlier run left there goes: a fresh spool, state and queue list.
    rm -rf "$dir/spool" "$dir/cache" "$dir/state" "$dir/log" "$dir/tmp" "$dir/ppd" "$dir/ssl" \
        "$dir/printers.conf" "$dir/printers.conf.O" "$dir/classes.conf" "$dir/subscriptions.conf"
    mkdir -p "$dir/spool" "$dir/cache" "$dir/state" "$dir/log" "$dir/tmp" "$dir/ppd" "$dir/ssl" || return 1
    dir=$(cd "$dir" && pwd)
    socket="$dir/cups.sock"
    # A unix socket's path is limited to 107 bytes.
    if [ ${#socket} -gt 100 ]; then
        echo "cups_start: the socket path $socket is too long; use a shorter folder" >&2
        return 1
    fi
    cat >"$dir/cups-files.conf" <<EOF
ServerRoot $dir
RequestRoot $dir/spool
CacheDir $dir/cache
StateDir $dir/state
TempDir $dir/tmp
AccessLog $dir/log/access_log
ErrorLog $dir/log/error_log
PageLog $dir/log/page_log
FileDevice Yes
SystemGroup root
EOF
    cat >"$dir/cupsd.conf" <<EOF
Listen $socket
LogLevel warn
Browsing No
WebInterface No
DefaultAuthType None
<Location />
  Order allow,deny
  Allow all
</Location>
<Location /admin>
  Order allow,deny
  Allow all
</Location>
EOF
    cupsd -f -c "$dir/cupsd.conf" -s "$dir/cups-files.conf" >"$dir/log/cupsd.out" 2>&1 &
    VANTREL_CUPSD_PID=$!
    VANTREL_CUPS_DIR="$dir"
    export CUPS_SERVER="$socket"
    i=0
    until [ -S "$socket" ] && lpstat -r 2>/dev/null | grep -q 'is running'; do
        i=$((i + 1))
        if [ $i -gt 100 ] || ! kill -0 "$VANTREL_CUPSD_PID" 2>/dev/null; then
            echo "cups_start: cupsd did not come up; see $dir/log" >&2
            cups_stop
            return 1
        fi
        sleep 0.1
    done
    for queue in VantrelTest VantrelOther; do
        if ! lpadmin -p "$queue" -E -v file:/dev/null -m raw >>"$dir/log/lpadmin.out" 2>&1; then
            echo "cups_start: cannot add the queue $queue; see $dir/log/lpadmin.out" >&2
            cups_stop
            return 1
        fi
    done
    lpadmin -d VantrelTest >>"$dir/log/lpadmin.out" 2>&1 || {
        cups_stop
        return 1
    }
}

cups_stop() {
    if [ -n "$VANTREL_CUPSD_PID" ]; then
        kill "$VANTREL_CUPSD_PID" 2>/dev/null
        wait "$VANTREL_CUPSD_PID" 2>/dev/null
        VANTREL_CUPSD_PID=""
    fi
    if [ -n "$VANTREL_CUPS_DIR" ] && [ "${CUPS_SERVER:-}" = "$VANTREL_CUPS_DIR/cups.sock" ]; then
        unset CUPS_SERVER
    fi
    VANTREL_CUPS_DIR=""
    true
}

cups_unreachable() {
    export CUPS_SERVER="${TMPDIR:-/tmp}/vantrel-no-cups-$$.sock"
}
