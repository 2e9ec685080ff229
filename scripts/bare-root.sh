# Sourced by the scripts that try Meldora on a bare Debian 12: bare_root ROOT
# LOG makes one with mmdebstrap (minbase, as root) from this machine's own
# apt sources, with the host's name resolution and /proc mounted (the caller
# unmounts ROOT/proc), and prints mmdebstrap's last line and the count of
# packages it holds.
bare_root() {
    local root=$1 log=$2 f sources=()
    for f in /etc/apt/sources.list /etc/apt/sources.list.d/*.list /etc/apt/sources.list.d/*.sources; do
        [ -s "$f" ] && sources+=("$f")
    done
    # The machine's apt may reach a fixed snapshot of the archive, whose
    # Release files have expired: the root must accept them as the machine does.
    mmdebstrap --variant=minbase --aptopt='Acquire::Check-Valid-Until "false"' \
        bookworm "$root" "${sources[@]}" >"$log" 2>&1
    cp /etc/resolv.conf "$root/etc/resolv.conf"
    mount -t proc proc "$root/proc"
    echo "$(tail -1 "$log"); $(chroot "$root" dpkg-query -W | wc -l) packages"
}
