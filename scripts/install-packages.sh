#!/usr/bin/env bash
# Installs the Debian packages of the lists named (scripts/packages/NAME.txt)
# that are missing. When all are there it asks dpkg once and makes no apt
# call at all. Otherwise it prints one line (what it installs and roughly how
# much, from apt's own simulation), then installs them without a question and
# with apt's progress shown, through sudo when not root. Recommendations are
# left out: the lists name everything that is needed.
#   install-packages.sh play        what building and playing need
#   install-packages.sh play test   and what testing adds
#   install-packages.sh --entries LIST...   prints the lists' lines, one an entry
set -euo pipefail
cd "$(dirname "$0")/packages"
print=
[ "${1:-}" != --entries ] || { print=1; shift; }
[ $# -gt 0 ] || { echo "usage: install-packages.sh [--entries] LIST..." >&2; exit 2; }

# Each line: a package, or alternatives "a | b"; comments and blanks skipped.
entries=()
for list in "$@"; do
    [ -f "$list.txt" ] || { echo "install-packages.sh: no list scripts/packages/$list.txt" >&2; exit 2; }
    while IFS= read -r line; do
        line=${line%%#*}
        read -r -a words <<<"${line//|/ | }"
        line="${words[*]}"
        [ -z "$line" ] || entries+=("${line// | /|}")
    done <"$list.txt"
done
[ -z "$print" ] || { printf '%s\n' "${entries[@]}"; exit 0; }

# One dpkg-query for every package named; unknown packages print nothing.
declare -A installed=()
while read -r package status; do
    [ "$status" = ii ] && installed[$package]=1
done <<<"$(dpkg-query -W -f='${Package} ${db:Status-Abbrev}\n' ${entries[*]//|/ } 2>/dev/null || true)"
missing=()
for entry in "${entries[@]}"; do
    met=
    for package in ${entry//|/ }; do [ -z "${installed[$package]:-}" ] || met=1; done
    [ -n "$met" ] || missing+=("${entry%%|*}")
done
[ ${#missing[@]} -gt 0 ] || exit 0

sudo=
[ "$(id -u)" -eq 0 ] || sudo=sudo
apt=(apt-get -o DPkg::Lock::Timeout=600)
# What apt would install with them, and its archive and installed sizes.
estimate() {
    local plan
    plan=$(LC_ALL=C "${apt[@]}" install -s --no-install-recommends "${missing[@]}" 2>/dev/null) || return 1
    plan=$(printf '%s\n' "$plan" | sed -n 's/^Inst \([^ ]*\) \(\[[^]]*\] \)\{0,1\}(\([^ ]*\) .*/\1=\3/p')
    [ -n "$plan" ] || return 1
    LC_ALL=C apt-cache show --no-all-versions $plan 2>/dev/null | awk -v n="$(printf '%s\n' "$plan" | wc -l)" '
        /^Size:/ { download += $2 } /^Installed-Size:/ { disk += $2 }
        END { printf "%d packages with what they need, about %d MB to download and %d MB on disk", n, download / 1e6 + 0.5, disk * 1024 / 1e6 + 0.5 }'
}
# A machine that has never fetched the package lists cannot say yet.
updated=
if ! figures=$(estimate); then
    $sudo "${apt[@]}" update -qq
    updated=1
    figures=$(estimate) || figures="apt-get cannot resolve them yet; it says why below"
fi
echo "Installing ${missing[*]}: $figures"
[ -n "$updated" ] || $sudo "${apt[@]}" update -qq
$sudo env DEBIAN_FRONTEND=noninteractive "${apt[@]}" install -y --no-install-recommends "${missing[@]}"
