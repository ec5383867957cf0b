#!/usr/bin/env bash
# `cmake --install` under a prefix lays out the program, its data, its key, the manual page and
# the xscreensaver files; the installed copy (started directly or through xscreensaver's link)
# finds its data through the key alone, says "Fatal error" without it, and the uninstall target
# takes away everything the installation put down and nothing else.
#
# install_layout.sh FROSTMOTE; E2E_BUILD_DIR and E2E_CMAKE name the build tree and cmake.
# (No `set -e`: lib.sh's cleanup and polling rely on commands that may fail.)
source "$(dirname "$0")/lib.sh"
source "$(dirname "$0")/install_lib.sh"
set -o pipefail
FROSTMOTE=${1:-}
e2e_init install_layout
use_shared_display
built=$FROSTMOTE
build=${E2E_BUILD_DIR:?E2E_BUILD_DIR names the build tree}
cmake=${E2E_CMAKE:-cmake}

# A blank in the prefix: the key's value and every path built from it must survive one.
prefix="$E2E_TMP/install root"
"$cmake" --install "$build" --prefix "$prefix" >"$E2E_TMP/install.log" 2>&1 ||
  { cat "$E2E_TMP/install.log" >&2; fail "cmake --install failed"; }

# Exactly these files, plus the build tree's data folder, and nothing else.
{
  printf '%s\n' bin/frostmote etc/frostmote/install.reg libexec/xscreensaver/frostmote \
    share/man/man6/frostmote.6.gz share/xscreensaver/config/frostmote.xml \
    share/applications/screensavers/frostmote.desktop share/doc/frostmote/copyright \
    share/doc/frostmote/changelog.gz
  (cd "$build/share/frostmote" && find . \( -type f -o -type l \) -printf 'share/frostmote/%P\n')
} | sort >"$E2E_TMP/expected"
(cd "$prefix" && find . \( -type f -o -type l \) -printf '%P\n') | sort >"$E2E_TMP/installed"
diff -u "$E2E_TMP/expected" "$E2E_TMP/installed" >&2 ||
  fail "the installed files differ from the expected layout (- expected, + installed)"
grep -q '^share/frostmote/scene/data/.*\.jpg$' "$E2E_TMP/expected" ||
  fail "the build tree has no textures to install"
cmp -s "$built" "$prefix/bin/frostmote" || fail "bin/frostmote is not the built program"
diff -r "$build/share/frostmote" "$prefix/share/frostmote" >&2 ||
  fail "the installed data differs from the build tree's"

key="$prefix/etc/frostmote/install.reg"
grep -qxF '[HKEY_LOCAL_MACHINE\software\Torvane\ZADevor]' "$key" || fail "the key file lacks our key"
grep -qxF "path=$prefix/share/frostmote" "$key" ||
  fail "the key does not name the installed data folder: $(grep -i '^path' "$key")"

# Relative, so that a staged tree (DESTDIR, the package) keeps pointing at its own program.
link="$prefix/libexec/xscreensaver/frostmote"
[ "$(readlink "$link")" = "../../bin/frostmote" ] || fail "the xscreensaver link points at '$(readlink "$link")'"

if command -v man >/dev/null; then
  warnings=$(LC_ALL=C.UTF-8 MANROFFSEQ='' MANWIDTH=80 man --warnings -E UTF-8 -l -Tutf8 -Z \
    "$prefix/share/man/man6/frostmote.6.gz" 2>&1 >/dev/null)
  [ -z "$warnings" ] || fail "the manual page has roff warnings: $warnings"
  page=$(MANWIDTH=80 man -l "$prefix/share/man/man6/frostmote.6.gz" 2>/dev/null)
  for section in NAME SYNOPSIS DESCRIPTION OPTIONS FILES ENVIRONMENT "EXIT STATUS"; do
    grep -qx "$section" <<<"$page" || fail "the manual page has no $section section"
  done
else
  log "man is not installed: the manual page was not rendered"
fi

# xscreensaver finds a hack's description by the hack's file name.
xml="$prefix/share/xscreensaver/config/frostmote.xml"
if command -v xmllint >/dev/null; then
  xmllint --noout "$xml" || fail "frostmote.xml is not well-formed"
  [ "$(xmllint --xpath 'string(/screensaver/@name)' "$xml")" = frostmote ] ||
    fail "frostmote.xml does not describe a hack called frostmote"
else
  log "xmllint is not installed: frostmote.xml was not parsed"
fi

FROSTMOTE="$prefix/bin/frostmote"
expect_saver_finds_data "$prefix/share/frostmote"
FROSTMOTE="$link"
expect_saver_finds_data "$prefix/share/frostmote"

FROSTMOTE="$prefix/bin/frostmote"
mv "$key" "$E2E_TMP/install.reg"
expect_missing_key
mv "$E2E_TMP/install.reg" "$key"

# Files of other programs in the same folders must outlive the uninstall, and so must the
# folders that hold them.
mkdir -p "$prefix/share/man/man1"
touch "$prefix/bin/other-program" "$prefix/share/man/man1/other-program.1"
"$cmake" --build "$build" --target uninstall >"$E2E_TMP/uninstall.log" 2>&1 ||
  { cat "$E2E_TMP/uninstall.log" >&2; fail "the uninstall target failed"; }
left=$(cd "$prefix" && find . -mindepth 1 -printf '%P\n' | sort | tr '\n' ' ')
[ "$left" = "bin bin/other-program share share/man share/man/man1 share/man/man1/other-program.1 " ] ||
  fail "after the uninstall the prefix holds: $left"
[ ! -e "$build/installed_files.txt" ] || fail "the uninstall left its list of files behind"
log "PASS"
