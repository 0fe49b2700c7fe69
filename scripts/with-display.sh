#!/usr/bin/env bash
# Runs a command with DISPLAY set to a private Xvfb server, stopped after.
set -euo pipefail

display=99
while [ -e "/tmp/.X${display}-lock" ] || [ -e "/tmp/.X11-unix/X${display}" ]; do
  display=$((display + 1))
done

Xvfb ":${display}" -screen 0 1280x1024x24 -nolisten tcp >/dev/null 2>&1 &
xvfb_pid=$!
trap 'kill "$xvfb_pid" 2>/dev/null || true' EXIT
for _ in $(seq 50); do
  [ -e "/tmp/.X11-unix/X${display}" ] && break
  sleep 0.1
done

DISPLAY=":${display}" "$@"
