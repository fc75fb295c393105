#!/usr/bin/env bash
# The page's test in a private X server (scripts/desktop/session.sh), which WebKitGTK's browser
# needs even when driven; Chromium and Firefox run headless there all the same.
# Usage: web_test.sh chromium|firefox|webkit PAGE_FOLDER
source "$(dirname "$0")/../../../scripts/desktop/session.sh"
source "$(dirname "$0")/../../../scripts/desktop/x11.sh"
start_x
node "$(dirname "$0")/web_test.js" "$@"
