#!/bin/bash
# SPDX-License-Identifier: MIT
# Runs a command on a private headless X display, large enough for every window the tests open.
# -noreset: by default the server resets whenever its last client leaves, and a test process that
# connects during that reset fails to open the display.
set -euo pipefail
exec xvfb-run -a -s "-screen 0 1920x1200x24 -nolisten tcp -noreset" "$@"
