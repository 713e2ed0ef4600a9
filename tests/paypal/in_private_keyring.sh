#!/bin/sh
# Runs the command in a private D-Bus session whose keyring is Debian's gnome-keyring-daemon, unlocked, in a home of
# its own, so that the user's own keyring is never touched. Where either is missing, the command runs without one
# and says why it skips.
home=$(mktemp -d) || exit 1
trap 'rm -rf "$home"' EXIT
export HOME="$home" XDG_DATA_HOME="$home/data" XDG_CONFIG_HOME="$home/config" XDG_RUNTIME_DIR="$home/run"
mkdir -p "$XDG_RUNTIME_DIR" "$XDG_CONFIG_HOME" && chmod 700 "$XDG_RUNTIME_DIR"
if ! command -v dbus-run-session >/dev/null || ! command -v gnome-keyring-daemon >/dev/null; then
    VELMORA_NO_KEYRING="dbus-run-session or gnome-keyring-daemon is not installed" "$@"
    exit
fi
dbus-run-session -- sh -c '
    echo keyring-test | gnome-keyring-daemon --unlock --components=secrets >/dev/null ||
        export VELMORA_NO_KEYRING="gnome-keyring-daemon did not start"
    "$@"' sh "$@"
