#!/usr/bin/env bash
# Runs a command on a fresh Debian machine: a minimal root made by mmdebstrap, with /proc,
# /sys and /dev mounted, holding a clean clone of this repository's HEAD (never the work tree,
# so an uncommitted file cannot make it pass). Without a command it is the README's test
# command, `bash tools/test.sh`. Exits with the command's exit code.
#   tools/fresh-check.sh [--release bookworm|trixie|12|13] [COMMAND...]
# The release defaults to Debian 12 (bookworm). FROST_WERROR, when set, is passed in, so that
# CI can build the fresh root with warnings as errors while a user's build never is.
#
# Only the bare minimal root and downloaded .deb files are cached between runs (in
# FRESH_CACHE, default /var/cache/frostmote-fresh); every package the command installs is
# installed anew, so a missing install step fails here as it would for a new user.
# FRESH_KEEP_BASE_DAYS (default 7) says how old a cached root may be before it is remade.
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
release=bookworm
if [ "${1:-}" = --release ]; then
  release=${2:?--release needs a Debian release}
  shift 2
fi
case "$release" in
  12 | bookworm) release=bookworm number=12 ;;
  13 | trixie) release=trixie number=13 ;;
  *) echo "fresh-check: unknown release $release (bookworm or trixie)" >&2; exit 2 ;;
esac
command_line=${*:-bash tools/test.sh}

if [ "$(id -u)" -ne 0 ]; then
  exec sudo --preserve-env=FRESH_CACHE,FRESH_KEEP_BASE_DAYS,FROST_WERROR bash "$0" --release "$release" "$@"
fi
if ! command -v mmdebstrap >/dev/null; then
  apt-get update -qq
  DEBIAN_FRONTEND=noninteractive apt-get install -y -qq --no-install-recommends mmdebstrap \
    >/dev/null
fi

cache=${FRESH_CACHE:-/var/cache/frostmote-fresh}
base="$cache/$release-minbase.tar"
mkdir -p "$cache/$release/archives/partial"
# One run at a time per cache: two package managers must not share one download folder.
exec 9>"$cache/lock"
flock 9

# The same mirror as this machine where it names one, for the release asked for: its
# deb822 list with the suites renamed (bookworm-security becomes trixie-security).
sources=()
if [ -s /etc/apt/sources.list.d/debian.sources ]; then
  this=$(. /etc/os-release && echo "${VERSION_CODENAME:-bookworm}")
  sed "s/\b$this\b/$release/g" /etc/apt/sources.list.d/debian.sources \
    >"$cache/$release.sources"
  sources=("$cache/$release.sources")
fi

if [ ! -s "$base" ] || [ -n "$(find "$base" -mtime +"${FRESH_KEEP_BASE_DAYS:-7}")" ]; then
  echo "== fresh-check: making a minimal Debian $number root =="
  mmdebstrap --quiet --variant=minbase --format=tar "$release" "$base.new" "${sources[@]}"
  mv "$base.new" "$base"
fi

work=$(mktemp -d /var/tmp/frostmote-fresh.XXXXXX)
rootfs="$work/root"
child=

# Every process still running inside the root (an X server, a wineserver) holds its mounts.
kill_inside() {
  local proc link
  for proc in /proc/[0-9]*; do
    link=$(readlink "$proc/root" 2>/dev/null) || continue
    case "$link" in
      "$rootfs" | "$rootfs"/*) kill -KILL "${proc#/proc/}" 2>/dev/null || true ;;
    esac
  done
}

cleanup() {
  local status=$?
  trap - EXIT INT TERM HUP
  [ -n "$child" ] && kill -TERM "$child" 2>/dev/null
  kill_inside
  sleep 0.5
  # Innermost first; a lazy unmount only where something still holds a mount.
  local mount_point
  for mount_point in $(awk -v r="$rootfs" '$2 == r || index($2, r "/") == 1 {print $2}' \
    /proc/self/mounts | sort -r); do
    umount "$mount_point" 2>/dev/null || umount -l "$mount_point" 2>/dev/null || true
  done
  if awk -v r="$rootfs" '$2 == r || index($2, r "/") == 1 {found = 1} END {exit !found}' \
    /proc/self/mounts; then
    echo "fresh-check: mounts left under $rootfs; not removing it" >&2
  else
    rm -rf --one-file-system "$work"
  fi
  exit "$status"
}
trap cleanup EXIT
trap 'exit 130' INT
trap 'exit 143' TERM
trap 'exit 129' HUP

mkdir -p "$rootfs"
tar -xpf "$base" -C "$rootfs" --numeric-owner
cp -L /etc/resolv.conf "$rootfs/etc/resolv.conf" 2>/dev/null || true

mount -t proc proc "$rootfs/proc"
mount -t sysfs sysfs "$rootfs/sys"
mount --rbind /dev "$rootfs/dev"
mount --make-rslave "$rootfs/dev"
mount -t tmpfs -o mode=1777 tmpfs "$rootfs/dev/shm"
mount -t tmpfs -o mode=1777 tmpfs "$rootfs/tmp"
# Downloads only: apt unpacks and configures every package anew.
mount --bind "$cache/$release/archives" "$rootfs/var/cache/apt/archives"

git -C "$root" rev-parse --verify HEAD >/dev/null
git clone --quiet --no-hardlinks "$root" "$rootfs/root/frostmote"
git -C "$rootfs/root/frostmote" checkout --quiet --detach "$(git -C "$root" rev-parse HEAD)"
echo "== fresh-check: $(git -C "$root" rev-parse --short HEAD) in a fresh Debian $number root: $command_line =="

start=$(date +%s)
set +e
chroot "$rootfs" /usr/bin/env -i HOME=/root TERM="${TERM:-dumb}" ${FROST_WERROR:+FROST_WERROR="$FROST_WERROR"} \
  PATH=/usr/local/sbin:/usr/local/bin:/usr/sbin:/usr/bin:/sbin:/bin \
  /bin/bash -c "cd /root/frostmote && $command_line" </dev/null &
child=$!
wait "$child"
status=$?
child=
set -e
echo "== fresh-check ($release): exit code $status after $(($(date +%s) - start)) s =="
exit "$status"
