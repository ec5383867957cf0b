#!/usr/bin/env bash
# "/p HWND" draws the preview picture into a window another program made (152 x 112, like the
# display panel's), and ends with exit code 1 when that program destroys its window.
#
# Wine keeps the GL surface of a child of another process's window in an X window of its own
# instead of compositing it into the parent, so the picture is read from that surface: the one
# X window of the preview's size that belongs to no Wine top-level.
. "$(dirname "$0")/wine_lib.sh"
wine_init wine_preview
set_install_value "$FROST_DATA_DIR"

start_panel 152 112 12
start_scr /p "$PANEL"
sleep 5
program_running || fail "the preview ended early"

surface=""
for id in $(xwininfo -root -tree | awk '$1 ~ /^0x/ && /152x112\+0\+0/ { print $1 }'); do
  surface=$id
done
[ -n "$surface" ] || fail "no 152x112 GL surface"
import -window "$surface" "$E2E_ARTIFACTS/preview.png" || fail "could not read the preview"
# The picture, not the red clear colour and not black: compared with splash.jpg at that size.
convert "$FROST_DATA_DIR/scene/data/splash.jpg" -resize '152x112!' "$E2E_TMP/splash.png"
difference=$(compare -metric RMSE "$E2E_ARTIFACTS/preview.png" "$E2E_TMP/splash.png" null: 2>&1 |
  sed -n 's/.*(\([0-9.e-]*\)).*/\1/p')
log "preview against splash.jpg: normalised RMSE $difference"
awk -v d="$difference" 'BEGIN { exit !(d != "" && d < 0.08) }' ||
  fail "the preview does not show splash.jpg (RMSE $difference)"

# The panel closes its window at 12 s; the preview goes with it.
expect_exit 1 30
wine_end
log PASS
