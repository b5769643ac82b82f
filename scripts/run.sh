#!/usr/bin/env bash
# Installs what building and running need, builds Trellwick and starts it. The
# executable's directory is the working directory, as a shortcut's "Start in"
# would make it, so that "macro.temp" and "quorvel.ini" live beside the program.
set -euo pipefail
root="$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)"
"$root/scripts/install-deps.sh" run
cmake -S "$root" -B "$root/build" -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo -DTRELLWICK_TESTS=OFF >/dev/null
cmake --build "$root/build" --target trellwick
cd "$root/build/app"
exec ./trellwick "$@"
