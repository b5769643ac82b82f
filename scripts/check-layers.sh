#!/usr/bin/env bash
# Checks that every folder includes only folders below it: a folder's
# #include "x/..." lines may name only the folders listed for it here (its own
# included). Tests may also include the folders their own folder may. Exits
# non-zero and names each include that runs the wrong way.
set -euo pipefail
root="$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)"

declare -A allowed=(
    [conversion]=""
    [settings]="conversion"
    [locale_text]="conversion"
    [widgets]="conversion locale_text"
    [prefs]="conversion settings locale_text widgets"
    [ui]="conversion settings locale_text widgets prefs"
    [cli]="conversion settings locale_text"
    [app]="ui prefs"
)

status=0
check() { # folder file...
    local folder=$1
    shift
    local line target
    while IFS= read -r line; do
        target=${line#*\#include \"}
        target=${target%%/*}
        [[ $line =~ \#include\ \"[a-z_]+/ ]] || continue
        [[ $target == "$folder" || $target == support ]] && continue
        [[ " ${allowed[$folder]} " == *" $target "* ]] && continue
        echo "layer check: ${line%%:*} includes $target/, which $folder/ may not use" >&2
        status=1
    done < <(grep -Hn '#include "' "$@" /dev/null | sed 's/:[0-9]*:/:/')
}

for folder in "${!allowed[@]}"; do
    mapfile -t sources < <(find "$root/$folder" "$root/tests/$folder" \
        \( -name '*.cpp' -o -name '*.h' \) 2>/dev/null | sort)
    [ ${#sources[@]} -eq 0 ] || check "$folder" "${sources[@]}"
done
# Every source folder must be in the table above.
for dir in "$root"/*/; do
    name=$(basename "$dir")
    case $name in build* | tests | bench | scripts | cmake | packaging) continue ;; esac
    if compgen -G "$dir*.cpp" >/dev/null && [ -z "${allowed[$name]+set}" ]; then
        echo "layer check: $name/ is not in the table of scripts/check-layers.sh" >&2
        status=1
    fi
done
[ $status -eq 0 ] && echo "layer check: every include runs downwards"
exit $status
