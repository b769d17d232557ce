#!/usr/bin/env bash
# Prints which Windows player this machine's Wine checks use: 32 or 64.
# 32 wherever the machine executes 32-bit x86 programs: we try one rather
# than guess from the kernel, since some kernels are built without it. The
# 64-bit player exists only for those checks; VX_WINE64=1 forces it, so
# both paths can be tried on one machine.
set -euo pipefail

if [ "${VX_WINE64:-0}" = 1 ]; then echo 64; exit 0; fi

probe=$(mktemp -d)
trap 'rm -rf "$probe"' EXIT
# A complete i386 Linux program of 96 bytes: exit(42).
hex='7f454c460101010000000000000000000200030001000000548004083400000000000000000000003400200001000000000000000100000000000000008004080080040860000000600000000500000000100000b801000000bb2a000000cd80'
printf '%b' "$(sed 's/../\\x&/g' <<<"$hex")" > "$probe/exit42"
chmod +x "$probe/exit42"
status=0
"$probe/exit42" 2>/dev/null || status=$?
if [ "$status" = 42 ]; then echo 32; else echo 64; fi
