#!/usr/bin/env bash
# Holds the two package lists (scripts/packages) to what the build in
# BUILD (default build/) and the game really use. A line of play.txt must be
# one of: the package that gives a find_package module of the build (the one
# owning its CMake config file) or a CMake package that such a module loads
# in turn (as the build's cache records); a package owning a library that
# the game or its modules load (ldd); what the game's Debian package
# declares it needs at run time (Depends and Recommends in
# cmake/Package.cmake); or a build tool (the package of the compiler, make,
# cmake or lrelease the build runs, or one that depends on it directly). The
# find_package modules, the declared needs and the build tools must all be
# in play.txt. No package of test.txt may be any of these, nor in play.txt.
# Prints why each line of play.txt is there; exits 1 on any fault.
set -euo pipefail
cd "$(dirname "$0")/.."
build=${1:-build}
cache=$build/CMakeCache.txt
for f in "$cache" "$build/meldora" "$build/meldora-sound.so" "$build/meldora-history.so"; do
    [ -e "$f" ] || { echo "check-packages.sh: no $f: build first" >&2; exit 2; }
done
failed=0
fail() { echo "FAIL $*"; failed=1; }
declare -A why=() tools=()
need() { why[$1]="${why[$1]:+${why[$1]}; }$2"; } # PACKAGE REASON

# The packages owning these files, one "FILE PACKAGE" a line; /lib and
# /usr/lib are the same folder, but dpkg knows each file under one of them.
owners() {
    local f alt=()
    for f in "$@"; do alt+=("$f"); [[ $f == /usr/* ]] && alt+=("${f#/usr}") || alt+=("/usr$f"); done
    dpkg -S "${alt[@]}" 2>/dev/null | sed -n 's/^\([^:,]*\)\(:[^:]*\)\{0,1\}: \(.*\)$/\3 \1/p' || true
}
owner() { # FILE: its package, or nothing
    owners "$1" | awk 'NR == 1 { print $2 }'
}

config_owner() { # NAME DIR: the package owning NAME's config file in DIR
    local config
    config=$(ls "$2/${1}Config.cmake" "$2/$(echo "$1" | tr A-Z a-z)-config.cmake" 2>/dev/null | head -1 || true)
    [ -z "$config" ] || owner "$config"
}

# find_package calls of the build (not the fuzz targets' own project).
calls=$(cat CMakeLists.txt cmake/*.cmake tests/CMakeLists.txt | tr '\n' ' ' | grep -o 'find_package([^)]*)' || true)
while read -r call; do
    [ -n "$call" ] || continue
    read -r -a words <<<"${call#find_package(}"
    words[-1]=${words[-1]%)}
    name=${words[0]} modules=() in=
    for w in "${words[@]:1}"; do
        case $w in
        COMPONENTS | OPTIONAL_COMPONENTS) in=1 ;;
        REQUIRED | QUIET | CONFIG | MODULE | NO_MODULE | EXACT | GLOBAL) in= ;;
        *) [ -z "$in" ] || modules+=("$name$w") ;;
        esac
    done
    [ ${#modules[@]} -gt 0 ] || modules=("$name")
    for m in "${modules[@]}"; do
        dir=$(sed -n "s/^${m}_DIR:PATH=//p" "$cache")
        package=$(config_owner "$m" "$dir")
        [ -n "$package" ] || { fail "find_package $name: no Debian package gives $m (${dir:-not found})"; continue; }
        need "$package" "find_package $name ${m#"$name"}"
    done
done <<<"$calls"
# The CMake packages those modules load in turn, as the cache records them.
while IFS='=' read -r var dir; do
    m=${var%_DIR:PATH}
    package=$(config_owner "$m" "$dir")
    [ -z "$package" ] || [ -n "${why[$package]:-}" ] || need "$package" "CMake package $m, which find_package loads"
done < <(grep -E '^[A-Za-z0-9_]+_DIR:PATH=/' "$cache")

# The libraries the game and its modules load.
libraries=$(ldd "$build/meldora" "$build/meldora-sound.so" "$build/meldora-history.so" |
    sed -n 's/.*=> \(\/[^ ]*\) (.*/\1/p' | sort -u)
resolved=$(owners $libraries)
for lib in $libraries; do
    package=$(awk -v a="$lib" -v b="${lib#/usr}" '$1 == a || $1 == b || $1 == "/usr" a { print $2; exit }' <<<"$resolved")
    [ -n "$package" ] && need "$package" "loads $(basename "$lib")" || fail "no Debian package owns $lib, which the game loads"
done

# What the game's Debian package declares it needs at run time. Alternatives
# are compared as sets: "a | b" and "b | a" are the same need.
group() { tr '|' '\n' | sed 's/(.*//; s/ //g' | grep . | sort | paste -sd'|'; }
declare -A declared=()
for field in Depends Recommends; do
    value=$(sed -n "s/^set(CPACK_DEBIAN_PACKAGE_${field^^} \"\(.*\)\")/\1/p" cmake/Package.cmake)
    IFS=, read -r -a needs <<<"$value"
    for n in "${needs[@]}"; do
        g=$(group <<<"$n")
        [ -z "$g" ] || { declared[$g]=1; need "$g" "the game package's $field"; }
    done
done

# The build tools, by the files the build runs.
for var in CMAKE_CXX_COMPILER CMAKE_MAKE_PROGRAM CMAKE_COMMAND; do
    tool=$(sed -n "s/^$var:[A-Z]*=//p" "$cache")
    package=$([ -z "$tool" ] || owner "$(realpath "$tool")")
    [ -n "$package" ] && tools[$package]="$(basename "$tool") ($package)" || fail "no Debian package gives the build's $var ($tool)"
done

# The translation tool the build runs to make the .qm files, as its
# generated rules name it.
for tool in $(grep -rhoE '/[^ "]*/lrelease\b' "$build/CMakeFiles" --include=build.make | sort -u); do
    package=$(owner "$(realpath "$tool")")
    [ -n "$package" ] && tools[$package]="$(basename "$tool") ($package)" || fail "no Debian package gives the build's $tool"
done

declare -A listed=()
echo "== play.txt"
while read -r entry; do
    g=$(group <<<"$entry")
    listed[$g]=1
    reason=${why[$g]:-}
    if [ -z "$reason" ]; then
        for t in "${!tools[@]}"; do
            if [ "$g" = "$t" ] || dpkg-query -W -f='${Depends}' "$g" 2>/dev/null | tr ',' '\n' | sed 's/(.*//; s/ //g' | grep -qx "$t"; then
                reason="build tool: ${tools[$t]}"
                listed[$t]=1
            fi
        done
    fi
    if [ -n "$reason" ]; then
        printf 'ok   %-28s %s\n' "${entry//|/ | }" "$(sed 's/; find_package [^ ]* / /g' <<<"$reason")"
    else
        fail "play.txt: $entry: neither the build nor the game needs it"
    fi
done < <(bash scripts/install-packages.sh --entries play)
# What the build and the game need that no line of play.txt brings.
for g in "${!why[@]}"; do
    [[ ${why[$g]} == find_package* || -n ${declared[$g]:-} ]] || continue
    [ -n "${listed[$g]:-}" ] || fail "play.txt lacks $g (${why[$g]})"
done
for t in "${!tools[@]}"; do
    [ -n "${listed[$t]:-}" ] || fail "play.txt lacks the build tool ${tools[$t]}"
done

echo "== test.txt"
count=0
while read -r entry; do
    for p in ${entry//|/ }; do
        count=$((count + 1))
        reason=${tools[$p]:+build tool: ${tools[$p]}}
        for g in "${!why[@]}"; do [[ "|$g|" != *"|$p|"* ]] || reason=${reason:-${why[$g]}}; done
        [ -z "$reason" ] || fail "test.txt: $p is needed to build or play ($reason): it belongs in play.txt"
        for g in "${!listed[@]}"; do [[ "|$g|" != *"|$p|"* ]] || fail "test.txt: $p is in play.txt too"; done
    done
done < <(bash scripts/install-packages.sh --entries test)
[ $failed = 1 ] || echo "ok   $count packages, none needed to build or play"
exit $failed
