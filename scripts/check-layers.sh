#!/usr/bin/env bash
# The folders of the source stand on floors: a file includes only files of
# its own folder or of a folder on a lower floor; and in the window's code
# no two rooms (a header with its source) need each other round a loop.
# Fails with one line for each include that climbs or crosses to a folder
# beside its own, and names the rooms of each loop.
# Usage: check-layers.sh [SOURCE_FOLDER]   (default: src)
set -euo pipefail
cd "$(dirname "$0")/.."
src=${1:-src}

# Lowest floor first. The four rooms of the game logic are one class, and
# include one another; any other two folders on one floor know nothing of
# each other.
floors=(
    "rules"
    "model"
    "core player opponent scores"
    "recovery hint review"
    "sim shell/table"
    "shell/dialogs"
    "shell/modules"
    "shell/window"
    "shell/access"
    "shell/advice"
    "shell/review"
    "app"
)
logic=" core player opponent scores "

floor_of() { # FOLDER (relative to src): its floor, or nothing
    local i
    for i in "${!floors[@]}"; do
        case " ${floors[$i]} " in *" $1 "*) echo "$i"; return ;; esac
    done
}
folder_of() { # FILE (relative to src): the longest folder named on a floor
    local dir=${1%/*} f
    while [ "$dir" != "$1" ] && [ -n "$dir" ]; do
        [ -n "$(floor_of "$dir")" ] && { echo "$dir"; return; }
        f=$dir; dir=${dir%/*}; [ "$dir" = "$f" ] && break
    done
}

mapfile -t files < <(cd "$src" && find . -type f \( -name '*.h' -o -name '*.cpp' \) | sed 's|^\./||' | sort)
declare -A exists
for f in "${files[@]}"; do exists[$f]=1; done
resolve() { # FILE INCLUDE: the included file relative to src, or nothing
    local here=${1%/*} inc=$2 f
    [ "$here" = "$1" ] && here=.
    f=$(realpath -m --relative-to=. "$here/$inc"); [ -n "${exists[$f]:-}" ] && { echo "$f"; return; }
    for f in "${files[@]}"; do
        case "/$f" in */"$inc") echo "$f"; return ;; esac
    done
}

failed=0 includes=0 edges=""
for f in "${files[@]}"; do
    from=$(folder_of "$f")
    if [ -z "$from" ]; then
        echo "$src/$f: its folder stands on no floor of scripts/check-layers.sh"
        failed=1
        continue
    fi
    while IFS=: read -r line inc; do
        target=$(resolve "$f" "$inc")
        [ -n "$target" ] || continue # a generated or a library header
        includes=$((includes + 1))
        to=$(folder_of "$target")
        unit_from=${f%.*} unit_to=${target%.*}
        case "$f" in shell/* | app/*)
            [ "$unit_from" != "$unit_to" ] && edges+="$unit_from $unit_to"$'\n' ;;
        esac
        [ "$from" = "$to" ] && continue
        case "$logic" in *" $from "*) case "$logic" in *" $to "*) continue ;; esac ;; esac
        if [ -z "$to" ] || [ "$(floor_of "$to")" -ge "$(floor_of "$from")" ]; then
            echo "$src/$f:$line: includes $src/$target: $from may include only folders below it"
            failed=1
        fi
    done < <(grep -n '^#include "' "$src/$f" | sed 's/^\([0-9]*\):#include "\([^"]*\)".*/\1:\2/')
done

if ! loops=$(printf '%s' "$edges" | tsort 2>&1 >/dev/null); then
    # tsort names the rooms of each loop it meets, one a line, after a heading.
    printf '%s\n' "$loops" | awk -v src="$src" '
        /input contains a loop/ { if (loop != "") print loop; loop = ""; if (++n > 5) exit; next }
        { sub(/^tsort: /, ""); loop = loop == "" ? "rooms that need each other round a loop: " src "/" $0 : loop " -> " $0 }
        END { if (loop != "" && n <= 5) print loop }'
    failed=1
fi
[ "$failed" -eq 0 ] &&
    echo "layers: ${#files[@]} files, $includes includes; each goes down a floor or stays in its folder, and none closes a loop"
exit $failed
