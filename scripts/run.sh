#!/usr/bin/env bash
# Installs what is missing, builds Trellwick and starts it. The executable's
# directory is the working directory, as a shortcut's "Start in" would make it,
# so that "macro.temp" and "quorvel.ini" live beside the program.
set -euo pipefail
root="$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)"
"$root/scripts/install-deps.sh"
cmake -S "$root" -B "$root/build" -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo >/dev/null
cmake --build "$root/build" --target trellwick
cd "$root/build/app"
exec ./trellwick "$@"
