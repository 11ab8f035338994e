#!/usr/bin/env bash
# The text fit check (tests/text_fit) on a virtual screen, whose fonts it measures with.
source "$(dirname "$0")/lib.sh" "$@"
start_screen
"$PROGRAM" "$WORK"
