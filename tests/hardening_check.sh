#!/usr/bin/env bash
# Checks the program's hardening with Debian's hardening-check (devscripts); exits 77, which
# ctest counts as skipped, where that is not installed.
#   hardening_check.sh PROGRAM BUILD_DIR
# Two of its checks cannot speak for a program built on Debian 12, so they are left to it:
# - control flow protection needs CET notes in every linked object, and Debian 12's C start
#   files carry none;
# - fortified calls show only where the program calls a libc function on a buffer of known
#   size, and zelto's one such call copies into a Qt array of run-time size. Instead, every
#   compile command of the build must fortify.
set -u
program=$1
build=$2
command -v hardening-check >/dev/null || { echo "hardening-check is not installed"; exit 77; }

hardening-check --nocfprotection --nofortify "$program" || exit 1
commands="$build/compile_commands.json"
total=$(grep -c '"command":' "$commands")
fortified=$(grep '"command":' "$commands" | grep -c -- '-D_FORTIFY_SOURCE=2')
echo "compile commands with -D_FORTIFY_SOURCE=2: $fortified of $total"
[ "$total" -gt 0 ] && [ "$fortified" -eq "$total" ]
