#!/usr/bin/env bash
# The preview: /p ID draws the still picture into a child covering the window ID of another
# program (a settings panel's preview area), at its exact size, and ends with code 1 when that
# window goes away. A panel that changes size gets the whole picture at its new size. With no
# window to draw in, "Window Creation Error." and code 0.
source "$(dirname "$0")/lib.sh"
FROSTMOTE=${1:-}
e2e_init preview_mode
use_shared_display

# The picture fills the host: many colours, hardly any of the host's green or the clear red.
expect_picture() {
  local width=$1 height=$2 what=$3 shot colours count
  local deadline=$(($(now_ms) + 60000))
  while [ "$(now_ms)" -lt "$deadline" ]; do
    shot=$(screenshot "$what") || fail "no screenshot"
    colours=$(region_colours "$shot" "${width}x${height}+100+100")
    count=$(echo "$colours" | wc -l)
    if [ "$count" -ge 100 ]; then
      local plain
      plain=$(convert "$shot" -crop "${width}x${height}+100+100" +repage -alpha off -depth 8 \
        -format '%c' histogram:info:- | awk '/#00FF00|#FF0000/ { n += $1 } END { print n + 0 }')
      [ "$plain" -lt $((width * height / 50)) ] ||
        fail "$plain pixels of the host's green or the clear red show ($what)"
      log "$what: $count colours in the ${width}x${height} host"
      return 0
    fi
    program_running || fail "the program ended ($what)"
    sleep 0.2
  done
  fail "the host window does not show the picture ($what): $count colours"
}

for size in "152 112" "153 115" "153 112"; do
  set -- $size
  host_window Panel "$1" "$2"
  start_program /p "$HOST"
  expect_picture "$1" "$2" "preview_${1}x${2}"
  [ "$(host_child_geometry)" = "${1}x${2}+100+100" ] ||
    fail "the preview window is $(host_child_geometry), expected ${1}x${2}+100+100"
  if [ "$1x$2" = 153x112 ]; then
    # The panel grows: the picture fills it again, scaled, with none of the clear red.
    "$E2E_X_CLIENT" resize "$HOST" 300 230 || fail "could not resize the panel"
    for _ in $(seq 1200); do
      [ "$(host_child_geometry)" = "300x230+100+100" ] && break
      sleep 0.05
    done
    [ "$(host_child_geometry)" = "300x230+100+100" ] ||
      fail "the preview window is $(host_child_geometry) after the panel grew to 300x230"
    sleep 0.5
    expect_picture 300 230 "preview_resized"
    splash="$(dirname "$FROSTMOTE")/../share/frostmote/scene/data/splash.jpg"
    convert "$splash" -resize '300x230!' "$E2E_TMP/splash_300x230.png" || fail "no $splash"
    convert "$E2E_ARTIFACTS/preview_resized.png" -crop 300x230+100+100 +repage \
      "$E2E_TMP/preview_300x230.png"
    rmse=$(compare -metric RMSE "$E2E_TMP/preview_300x230.png" "$E2E_TMP/splash_300x230.png" \
      null: 2>&1 | sed -n 's/.*(\(.*\)).*/\1/p')
    log "the resized preview differs from the scaled picture by RMSE $rmse"
    awk -v r="$rmse" 'BEGIN { exit !(r != "" && r < 0.05) }' ||
      fail "the resized preview is not the whole picture (RMSE ${rmse:-unknown})"
  fi
  # The panel closes: its window, and the preview's inside it, are destroyed.
  kill "$HOST_PID"
  expect_exit 1
done

for arguments in "/p" "/p scrprev" "-P:"; do
  # shellcheck disable=SC2086
  start_program $arguments
  box=$(wait_for_window "ERROR") || fail "no message for '$arguments'"
  screenshot "no_parent" >/dev/null
  press "$box" Return
  expect_exit 0
done
log "PASS"
