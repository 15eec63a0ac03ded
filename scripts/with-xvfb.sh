#!/bin/sh
# Runs a command on a private headless X display, large enough for every window the tests open.
exec xvfb-run -a -s "-screen 0 1920x1200x24 -nolisten tcp" "$@"
