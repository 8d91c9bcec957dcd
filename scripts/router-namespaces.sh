#!/usr/bin/env bash
# A home network in network namespaces, for the port-mapping test: a host "home" on a private
# LAN behind a "router" that runs Debian's miniupnpd (UPnP IGD and NAT-PMP) and translates
# addresses (nftables) to its public side, where a host "outside" sits. The namespaces are linked
# only to each other, so no packet reaches this machine's own network or any other.
#   router-namespaces.sh run PROGRAM [ARG...]
#       makes the namespaces and runs PROGRAM in "home", with MORVANE_ROUTER_LAB naming the lab,
#       MORVANE_ROUTER_SCRIPT this script and MORVANE_ROUTER_PUBLIC the router's public address;
#       removes everything when it ends, however it ends; exits 77 (skipped) when not run as root
#       or when namespaces cannot be made.
#   router-namespaces.sh start LAB upnp+natpmp|natpmp   starts miniupnpd with those protocols
#   router-namespaces.sh stop LAB                        stops it and empties its tables
#   router-namespaces.sh rules LAB                       prints the router's table as nft JSON
#   router-namespaces.sh leases LAB                      prints miniupnpd's leases, one a line:
#       PROTOCOL:PUBLIC PORT:ADDRESS:PORT:END (seconds since 1970):DESCRIPTION
#   router-namespaces.sh call LAB PORT LINE
#       connects from "outside" to the router's public address and PORT, sends LINE and prints
#       the line answered; exits 3 when the connection is refused.
#   router-namespaces.sh outside LAB PROGRAM [ARG...]
#       runs PROGRAM in "outside" (a guest on the internet), for at most the patience.
set -euo pipefail

readonly skipped=77 refused=3
readonly lan_prefix=192.168.77 router_lan=192.168.77.1 home_lan=192.168.77.2
# miniupnpd refuses to forward behind a reserved or private public address, so the public side
# uses a public block; it is linked to nothing but the "outside" namespace.
readonly router_public=11.22.33.1 outside_public=11.22.33.44
# How long a wait for miniupnpd or a connection may take, in tenths of a second.
readonly patience=50
# The lab: its folder and its namespaces' names (kept in the folder's file "names").
lab='' home='' router='' outside='' public=''

die() {
    echo "router-namespaces.sh: $*" >&2
    exit 1
}

# Reads the lab's namespace names.
open_lab() {
    lab=$1
    [ -f "$lab/names" ] || die "$lab is no lab"
    # shellcheck source=/dev/null
    . "$lab/names"
}

in_router() { ip netns exec "$router" "$@"; }

# The router's address translation, with miniupnpd's chains in one table (named in its
# configuration): forwarding from the public side is dropped unless miniupnpd allows it.
router_table() {
    cat <<'EOF'
table inet router {
    chain forward {
        type filter hook forward priority 0; policy drop;
        ct state established,related accept
        iifname "lan" oifname "wan" accept
        jump miniupnpd
    }
    chain prerouting {
        type nat hook prerouting priority -100; policy accept;
        jump prerouting_miniupnpd
    }
    chain postrouting {
        type nat hook postrouting priority 100; policy accept;
        jump postrouting_miniupnpd
        oifname "wan" masquerade
    }
    chain miniupnpd {
    }
    chain prerouting_miniupnpd {
    }
    chain postrouting_miniupnpd {
    }
}
EOF
}

# Names the lab and makes its namespaces; fails when namespaces cannot be made here.
make_namespaces() {
    local id=morvane-$$
    home=$id-home router=$id-router outside=$id-outside
    lab=$(mktemp -d)
    printf 'home=%s\nrouter=%s\noutside=%s\npublic=%s\n' \
        "$home" "$router" "$outside" "$router_public" >"$lab/names"
    for namespace in "$home" "$router" "$outside"; do
        ip netns add "$namespace" 2>/dev/null || return 1
    done
    # Entering one needs a root file system ip can remount, which a chroot lacks.
    ip netns exec "$home" true 2>/dev/null || return 1
}

# Links the namespaces: home's LAN to the router, the router's public side to outside.
make_network() {
    for namespace in "$home" "$router" "$outside"; do
        ip -n "$namespace" link set lo up
    done
    ip -n "$router" link add lan type veth peer name lan netns "$home"
    ip -n "$router" link add wan type veth peer name wan netns "$outside"
    ip -n "$router" address add "$router_lan/24" dev lan
    ip -n "$router" address add "$router_public/24" dev wan
    ip -n "$home" address add "$home_lan/24" dev lan
    ip -n "$outside" address add "$outside_public/24" dev wan
    ip -n "$router" link set lan up
    ip -n "$router" link set wan up
    ip -n "$home" link set lan up
    ip -n "$outside" link set wan up
    ip -n "$home" route add default via "$router_lan"
    in_router sysctl -qw net.ipv4.ip_forward=1
    router_table | in_router nft -f -
}

# Removes the lab; whatever still runs in its namespaces (a test cut short) is ended first, since
# a process keeps a deleted namespace alive.
remove_lab() {
    stop_router
    for namespace in "$home" "$router" "$outside"; do
        ip netns pids "$namespace" 2>/dev/null | xargs -r kill -KILL 2>/dev/null || true
        ip netns delete "$namespace" 2>/dev/null || true
    done
    rm -rf "$lab"
}

# Waits until the router listens on the UDP port.
await_udp() {
    local port=$1
    for _ in $(seq "$patience"); do
        [ -n "$(in_router ss -Hlun "sport = :$port")" ] && return 0
        sleep 0.1
    done
    die "miniupnpd does not listen on UDP port $port; its log:$(printf '\n')$(cat "$lab/miniupnpd.log")"
}

start_router() {
    local upnp=no
    case $1 in
        upnp+natpmp) upnp=yes ;;
        natpmp) ;;
        *) die "unknown protocols $1" ;;
    esac
    cat >"$lab/miniupnpd.conf" <<EOF
ext_ifname=wan
listening_ip=lan
http_port=0
enable_upnp=$upnp
enable_natpmp=yes
ipv6_disable=yes
secure_mode=yes
system_uptime=yes
min_lifetime=1
max_lifetime=86400
lease_file=$lab/leases
uuid=4d6f7276-616e-6533-0000-000000007442
upnp_table_name=router
upnp_nat_table_name=router
allow 1024-65535 $lan_prefix.0/24 1024-65535
deny 0-65535 0.0.0.0/0 0-65535
EOF
    # ip execs miniupnpd, which keeps its process id; -d keeps it in the foreground.
    ip netns exec "$router" miniupnpd -d -f "$lab/miniupnpd.conf" -P "$lab/miniupnpd.pid" \
        >"$lab/miniupnpd.log" 2>&1 &
    echo $! >"$lab/router.pid"
    await_udp 5351
    if [ "$upnp" = yes ]; then
        await_udp 1900
    fi
}

stop_router() {
    [ -f "$lab/router.pid" ] || return 0
    local pid
    pid=$(cat "$lab/router.pid")
    rm -f "$lab/router.pid"
    kill "$pid" 2>/dev/null || true
    for _ in $(seq "$patience"); do
        kill -0 "$pid" 2>/dev/null || break
        sleep 0.1
    done
    kill -KILL "$pid" 2>/dev/null || true
    for chain in miniupnpd prerouting_miniupnpd postrouting_miniupnpd; do
        in_router nft flush chain inet router "$chain" 2>/dev/null || true
    done
    rm -f "$lab/leases"
}

call() {
    local port=$1 line=$2
    # bash's /dev/tcp makes the connection; a refused one ends the shell with "refused".
    # shellcheck disable=SC2016 # the inner shell expands its arguments
    ip netns exec "$outside" timeout "$((patience / 10))" bash -c '
        { exec 3<>"/dev/tcp/$0/$1"; } 2>/dev/null || exit "$3"
        printf "%s\n" "$2" >&3
        IFS= read -r answer <&3
        printf "%s\n" "$answer"' "$public" "$port" "$line" "$refused"
}

command=${1:-}
[ $# -gt 0 ] && shift
case $command in
    run)
        [ $# -gt 0 ] || die "run needs a program"
        if [ "$(id -u)" -ne 0 ]; then
            echo "router-namespaces.sh: skipped: network namespaces need root"
            exit "$skipped"
        fi
        "$(dirname "$0")/install-deps.sh" --router-test
        trap remove_lab EXIT
        if ! make_namespaces; then
            echo "router-namespaces.sh: skipped: network namespaces cannot be made here"
            exit "$skipped"
        fi
        make_network
        ip netns exec "$home" env MORVANE_ROUTER_LAB="$lab" MORVANE_ROUTER_SCRIPT="$(realpath "$0")" \
            MORVANE_ROUTER_PUBLIC="$router_public" "$@"
        ;;
    start)
        open_lab "$1"
        start_router "$2"
        ;;
    stop)
        open_lab "$1"
        stop_router
        ;;
    rules)
        open_lab "$1"
        in_router nft -j list table inet router
        ;;
    leases)
        open_lab "$1"
        cat "$lab/leases" 2>/dev/null || true
        ;;
    call)
        open_lab "$1"
        call "$2" "$3"
        ;;
    outside)
        open_lab "$1"
        shift
        ip netns exec "$outside" timeout "$((patience / 10))" "$@"
        ;;
    *)
        die "usage: router-namespaces.sh run PROGRAM [ARG...] | start LAB PROTOCOLS | stop LAB | rules LAB | leases LAB | call LAB PORT LINE | outside LAB PROGRAM [ARG...]"
        ;;
esac
