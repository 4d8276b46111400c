#!/usr/bin/env bash
# Runs a command on an X display of its own and stops the server afterwards:
#   tools/with_display.sh xorg24|xorg16|xvfb24|xvfb16 COMMAND [ARGS...]
# Handy by hand, e.g. to look at a program: tools/with_display.sh xorg24 bash
set -uo pipefail
source "$(dirname "$0")/displays.sh"
trap stop_displays EXIT
kind=$1
shift
start_display "$kind" || exit 1
"$@"
