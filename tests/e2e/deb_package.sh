#!/usr/bin/env bash
# cpack builds frostmote_<version>_amd64.deb: the program in /usr/bin, its data in
# /usr/share/frostmote, the key in /etc/frostmote/install.reg as a conffile naming that folder,
# the manual page, the xscreensaver files and the screensaver theme, with the packages of this
# release that hold its libraries as dependencies, and nothing Debian's lintian objects to.
# The package installs with dpkg, the installed saver finds its data, the real MATE
# screensaver runs it as its theme inside its own window and stops it again, the saver says
# "Fatal error" once the key is gone, and purging the package leaves none of its files.
#
# deb_package.sh FROSTMOTE; E2E_BUILD_DIR and E2E_CPACK name the build tree and cpack. It
# installs into the real system, so it needs root and dpkg; without them, or with a frostmote
# package already installed (someone's real one), it exits 77 (skipped). A missing
# mate-screensaver or dbus-daemon fails it: a skipped check looks like a pass.
source "$(dirname "$0")/lib.sh"
source "$(dirname "$0")/install_lib.sh"
set -o pipefail
FROSTMOTE=${1:-}
skip() { echo "SKIP: $*"; exit 77; }
[ "$(id -u)" -eq 0 ] || skip "installing a package needs root"
for tool in dpkg dpkg-deb dpkg-shlibdeps; do
  command -v "$tool" >/dev/null || skip "$tool is not installed (Debian packages dpkg, dpkg-dev)"
done
status=$(dpkg-query -W -f='${Status}' frostmote 2>/dev/null)
case $status in
  "" | *not-installed) ;;
  *) skip "dpkg knows a frostmote package already ($status); this test would replace it" ;;
esac
[ -e /usr/bin/frostmote ] && skip "/usr/bin/frostmote exists already; this test would replace it"
e2e_init deb_package
use_shared_display
for tool in mate-screensaver mate-screensaver-command dbus-daemon lintian; do
  command -v "$tool" >/dev/null ||
    fail "$tool is missing (Debian packages mate-screensaver, dbus-daemon, lintian)"
done
build=${E2E_BUILD_DIR:?E2E_BUILD_DIR names the build tree}
cpack=${E2E_CPACK:-cpack}

# cpack installs into a staging folder; the uninstall target must still see the last real
# installation from this tree afterwards, not the staging folder.
record="$build/installed_files.txt"
before=$(cat "$record" 2>/dev/null || echo "(none)")
(cd "$build" && "$cpack" -G DEB -B "$E2E_TMP/package") >"$E2E_TMP/cpack.log" 2>&1 ||
  { cat "$E2E_TMP/cpack.log" >&2; fail "cpack failed"; }
[ "$(cat "$record" 2>/dev/null || echo "(none)")" = "$before" ] ||
  fail "cpack replaced the uninstall target's record of the last installation"
version=$(sed -n 's/^CMAKE_PROJECT_VERSION:STATIC=//p' "$build/CMakeCache.txt")
deb="$E2E_TMP/package/frostmote_${version}_amd64.deb"
[ -f "$deb" ] || fail "no $(basename "$deb"); cpack made: $(ls "$E2E_TMP/package")"
log "$(basename "$deb"): $(stat -c %s "$deb") bytes"

# Debian's own checker, errors and warnings alike (its caution against running as root aside).
lintian --fail-on error,warning "$deb" 2>&1 | grep -v 'running with root privileges' \
  >"$E2E_TMP/lintian.log"
[ "${PIPESTATUS[0]}" -eq 0 ] && [ ! -s "$E2E_TMP/lintian.log" ] ||
  { cat "$E2E_TMP/lintian.log" >&2; fail "lintian objects to the package"; }
log "lintian: no remarks"

# The package of this release that holds each library the program links to (whatever its name:
# Debian 13 renamed many), and the font and icon loader that the dialogs need beside them.
depends=$(dpkg-deb -f "$deb" Depends)
log "Depends: $depends"
needed=$(objdump -p "$build/bin/frostmote" | awk '$1 == "NEEDED" { print $2 }')
[ -n "$needed" ] || fail "objdump found no libraries in the program"
for library in $needed; do
  path=$(ldd "$build/bin/frostmote" | awk -v l="$library" '$1 == l { print $3 }')
  owner=$(dpkg -S "$(readlink -f "$path")" 2>/dev/null | head -n1 | cut -d: -f1)
  [ -n "$owner" ] || owner=$(dpkg -S "$path" 2>/dev/null | head -n1 | cut -d: -f1)
  [ -n "$owner" ] || fail "no package holds $library ($path)"
  grep -q "\\b$owner\\b" <<<"$depends" || fail "Depends lacks $owner, which holds $library"
done
for package in fonts-dejavu-core librsvg2-common; do
  grep -q "\\b$package\\b" <<<"$depends" || fail "Depends lacks $package"
done
[ "$(dpkg-deb -f "$deb" Architecture)" = amd64 ] || fail "the package is not for amd64"
[ "$(dpkg-deb --ctrl-tarfile "$deb" | tar -xO ./conffiles)" = /etc/frostmote/install.reg ] ||
  fail "the key is not the package's one conffile"
dpkg-deb --fsys-tarfile "$deb" | tar -t | sed 's|^\./||' | sort >"$E2E_TMP/contents"
for path in usr/bin/frostmote etc/frostmote/install.reg usr/share/frostmote/font.tga \
  usr/share/man/man6/frostmote.6.gz usr/libexec/xscreensaver/frostmote \
  usr/share/xscreensaver/config/frostmote.xml usr/share/applications/screensavers/frostmote.desktop; do
  grep -qx "$path" "$E2E_TMP/contents" || fail "the package lacks /$path"
done
grep -v '^$' "$E2E_TMP/contents" | grep -vE '^(usr(/|$)|etc/?$|etc/frostmote(/|$))' >&2 &&
  fail "the package puts files outside /usr and /etc/frostmote"
grep -qE '^usr/local|_CPack_Packages' "$E2E_TMP/contents" && fail "the package holds staging paths"

# From here on the system holds the package: take it away again whatever happens.
purge() { dpkg --purge frostmote >>"$E2E_TMP/dpkg.log" 2>&1; }
trap 'purge; e2e_cleanup' EXIT
dpkg -i "$deb" >"$E2E_TMP/dpkg.log" 2>&1 || { cat "$E2E_TMP/dpkg.log" >&2; fail "dpkg -i failed"; }
grep -qxF 'path=/usr/share/frostmote' /etc/frostmote/install.reg ||
  fail "the installed key does not name /usr/share/frostmote"
if command -v man >/dev/null; then
  [ "$(man -w frostmote 2>/dev/null)" = /usr/share/man/man6/frostmote.6.gz ] ||
    fail "man does not find the manual page"
fi

FROSTMOTE=/usr/bin/frostmote
expect_saver_finds_data /usr/share/frostmote

# The MATE screensaver, as a MATE session runs it: its own session bus, its settings choosing
# the one theme "screensavers-frostmote" (the package's .desktop file), no lock.
program=$(readlink -f /usr/bin/frostmote)
data_dir=/usr/share/frostmote
mate="$E2E_TMP/mate"
mkdir -p "$mate/glib-2.0/settings"
printf '%s\n' "[org/mate/screensaver]" "mode='single'" "themes=['screensavers-frostmote']" \
  "lock-enabled=false" "idle-activation-enabled=false" >"$mate/glib-2.0/settings/keyfile"
dbus-daemon --session --fork --print-address=3 --print-pid=4 3>"$E2E_TMP/bus" 4>"$E2E_TMP/bus.pid" ||
  fail "no session bus"
track_pid "$(cat "$E2E_TMP/bus.pid")"
mate_env=(env DBUS_SESSION_BUS_ADDRESS="$(head -n1 "$E2E_TMP/bus")" XDG_CONFIG_HOME="$mate"
          GSETTINGS_BACKEND=keyfile XDG_CURRENT_DESKTOP=MATE SDL_AUDIODRIVER=dummy)
setsid "${mate_env[@]}" mate-screensaver --no-daemon --debug >"$E2E_TMP/mate.log" 2>&1 &
track_pid $!
for _ in $(seq 600); do
  "${mate_env[@]}" mate-screensaver-command --query >/dev/null 2>&1 && break
  sleep 0.1
done
"${mate_env[@]}" mate-screensaver-command --activate >/dev/null ||
  { cat "$E2E_TMP/mate.log" >&2; fail "mate-screensaver-command --activate failed"; }
hack=$(wait_for_hack) ||
  { grep -E 'job|theme' "$E2E_TMP/mate.log" >&2; fail "mate-screensaver did not start the theme"; }
log "MATE theme: $(tr '\0' ' ' <"/proc/$hack/cmdline") (pid $hack)"
expect_scene "$hack" "$(xwininfo -root | awk '/^ +Width:/ { w = $NF } /^ +Height:/ { h = $NF }
                                    END { printf "%sx%s+0+0", w, h }')" "mate-screensaver"
"${mate_env[@]}" mate-screensaver-command --deactivate >/dev/null ||
  fail "mate-screensaver-command --deactivate failed"
wait_for_no_hack || fail "the theme outlived the deactivation"
rm /etc/frostmote/install.reg
expect_missing_key

purge || { cat "$E2E_TMP/dpkg.log" >&2; fail "dpkg --purge failed"; }
status=$(dpkg-query -W -f='${Status}' frostmote 2>/dev/null)
case $status in
  "" | *not-installed) ;;
  *) fail "dpkg still knows frostmote after the purge: $status" ;;
esac
for path in /usr/bin/frostmote /etc/frostmote /usr/share/frostmote /usr/share/doc/frostmote \
  /usr/share/man/man6/frostmote.6.gz \
  /usr/libexec/xscreensaver/frostmote /usr/share/xscreensaver/config/frostmote.xml \
  /usr/share/applications/screensavers/frostmote.desktop; do
  [ -e "$path" ] || [ -L "$path" ] && fail "$path is still there after the purge"
done
log "PASS"
