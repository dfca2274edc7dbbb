#!/usr/bin/env bash
# Exit 0 when this machine can start a 32-bit x86 Linux program (Wine's loader).
/usr/lib/wine/wine --version >/dev/null 2>&1
