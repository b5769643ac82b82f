#!/usr/bin/env bash
# Takes the pictures in docs/screenshots of the real program, run on a virtual
# display (Xvfb) with a window manager (openbox) and driven by keystrokes
# (xdotool): a first start, whose Preferences window gets three directories
# (preferences.png); then, once they are saved, the main window after
# "Convert" of an example macro, at the step Macro information with the
# bitmap's preview (main-window.png). Run by hand after a change that shows;
# commit the pictures.
set -euo pipefail
root="$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)"
"$root/scripts/install-deps.sh" screenshots
cmake -S "$root" -B "$root/build" -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo -DTRELLWICK_TESTS=OFF >/dev/null
cmake --build "$root/build" --target trellwick
out="$root/docs/screenshots"
mkdir -p "$out"

# The example's folders, named as a user's would be; their paths show in the pictures.
demo=/tmp/trellwick-demo
rm -rf "$demo"
mkdir -p "$demo/Macros/API" "$demo/Macros/ASD"
cp "$root/tests/data/worked_example.api" "$demo/Macros/API/hangar.api"
convert -size 64x48 xc:'#9cc8f0' -fill '#6b6b6b' -draw 'rectangle 6,22 58,46' \
    -fill '#4a4a4a' -draw 'polygon 2,24 32,6 62,24' -fill '#2b2b2b' -draw 'rectangle 22,30 42,46' \
    BMP3:"$demo/Macros/ASD/hangar.bmp"

display=":$((90 + RANDOM % 100))"
pids=()
cleanup() {
    for pid in "${pids[@]}"; do
        kill "$pid" 2>/dev/null || true
    done
}
trap cleanup EXIT
Xvfb "$display" -screen 0 1024x768x24 -nolisten tcp &
pids+=($!)
export DISPLAY="$display"
for _ in $(seq 50); do
    xdpyinfo >/dev/null 2>&1 && break
    sleep 0.1
done
openbox &
pids+=($!)
sleep 1

# Started in the example's folder, which holds no quorvel.ini yet: a first start.
(cd "$demo" && exec "$root/build/app/trellwick") &
pids+=($!)

# shoot WINDOW FILE: the window with its frame, as a user sees it.
shoot() {
    sleep 1
    import -frame -window "$1" "$out/$2"
    echo "wrote $out/$2"
}

preferences="$(xdotool search --sync --onlyvisible --name '^Preferences$' | head -n 1)"
xdotool windowactivate --sync "$preferences"
xdotool type --delay 20 "$demo"
xdotool key Tab
xdotool type --delay 20 "$demo/Macros/API"
xdotool key Tab
xdotool type --delay 20 "$demo/Macros/ASD"
shoot "$preferences" preferences.png
# From the SCM box past the three "..." buttons to "Save preferences".
xdotool key Tab Tab Tab Tab space

main="$(xdotool search --sync --onlyvisible --name '^Trellwick$' | head -n 1)"
xdotool windowactivate --sync "$main"
# The focus starts on the API "..." button; the API box, "Convert", the SCM box follow.
xdotool key Tab
xdotool type --delay 20 "$demo/Macros/API/hangar.api"
xdotool key Tab Tab
xdotool type --delay 20 "$demo/Macros/ASD/hangar.scm"
xdotool key alt+c
shoot "$main" main-window.png
