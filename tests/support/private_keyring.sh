#!/bin/sh
# Runs the command in a D-Bus session of its own, with a keyring daemon that keeps its keyrings in a folder of the
# run's own, unlocked by a password of its own: a test never reads or writes the user's keyring. Status 77 (skipped)
# where the session or the daemon cannot be started.
command -v dbus-run-session >/dev/null && command -v gnome-keyring-daemon >/dev/null || {
    echo "skipped: dbus-run-session or gnome-keyring-daemon is missing" >&2
    exit 77
}
exec dbus-run-session -- sh -c '
    home=$(mktemp -d) || exit 77
    trap "rm -rf \"\$home\"" EXIT
    export XDG_DATA_HOME="$home/data" XDG_RUNTIME_DIR="$home/run"
    mkdir -p "$XDG_DATA_HOME" && mkdir -m 700 "$XDG_RUNTIME_DIR"
    printf "velmora-test" | gnome-keyring-daemon --unlock --components=secrets >/dev/null || {
        echo "skipped: gnome-keyring-daemon did not start" >&2
        exit 77
    }
    "$@"
' sh "$@"
