#!/bin/sh
# Runs the xkb typing test on an Xvfb display of its own; skipped (77) when
# Xvfb, xdotool, setxkbmap or xkbcomp is missing.
test_program=$1
for tool in Xvfb xdotool setxkbmap xkbcomp; do
    command -v "$tool" >/dev/null 2>&1 || { echo "no $tool: skipped"; exit 77; }
done
fifo=$(mktemp -u)
mkfifo "$fifo" || exit 1
Xvfb -displayfd 3 -screen 0 1024x768x24 -nolisten tcp 3>"$fifo" >/dev/null 2>&1 &
xvfb=$!
read -r display <"$fifo"
rm -f "$fifo"
trap 'kill "$xvfb" 2>/dev/null' EXIT INT TERM
DISPLAY=":$display" "$test_program"
