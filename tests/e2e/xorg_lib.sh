# Helpers for the scripts that need real display modes: an Xorg server with the dummy video
# driver, whose modes have refresh rates (Xvfb's one mode has none, so the saver lists none).
#
# Needs root, Xorg with the dummy driver (xserver-xorg-core, xserver-xorg-video-dummy) and
# xrandr (x11-xserver-utils). A missing piece fails the test: a skipped check looks like a pass.

# start_dummy_xorg: starts the server with 800x600, 1024x768 and 1280x1024 at 60 Hz (1024x768
# current), exports DISPLAY, and stops it when the script ends.
start_dummy_xorg() {
  [ "$(id -u)" = 0 ] || fail "Xorg needs root here; run this test as root"
  command -v Xorg >/dev/null || fail "Xorg is missing (Debian package xserver-xorg-core)"
  command -v xrandr >/dev/null || fail "xrandr is missing (Debian package x11-xserver-utils)"
  ls /usr/lib/xorg/modules/drivers/dummy_drv.so >/dev/null 2>&1 ||
    fail "the dummy video driver is missing (Debian package xserver-xorg-video-dummy)"

  # The server must leave the machine alone: it shares the current console instead of switching
  # to a VT of its own, and its only input devices are test sockets nobody writes to, so it never
  # reads a real keyboard or mouse. xdotool still types through XTEST.
  server="$E2E_TMP/xorg"
  mkdir -p "$server/conf.d"
  echo "# nothing beyond xorg.conf" >"$server/conf.d/00-nothing.conf"
  cat >"$server/xorg.conf" <<CONF
Section "ServerFlags"
  Option "AutoAddDevices" "false"
  Option "AutoEnableDevices" "false"
  Option "DontVTSwitch" "true"
  Option "DontZap" "true"
EndSection

Section "InputDevice"
  Identifier "keys"
  Driver "inputtest"
  Option "SocketPath" "$server/keys.socket"
  Option "DeviceType" "Keyboard"
EndSection

Section "InputDevice"
  Identifier "pointer"
  Driver "inputtest"
  Option "SocketPath" "$server/pointer.socket"
  Option "DeviceType" "Pointer"
EndSection

Section "Device"
  Identifier "dummy"
  Driver "dummy"
  VideoRam 65536
EndSection

# VESA timings: 60.3, 60.0 and 60.0 Hz, so each counts as a 60 Hz mode.
Section "Monitor"
  Identifier "monitor"
  HorizSync 20.0-100.0
  VertRefresh 50.0-100.0
  Modeline "800x600" 40.00 800 840 968 1056 600 601 605 628 +hsync +vsync
  Modeline "1024x768" 65.00 1024 1048 1184 1344 768 771 777 806 -hsync -vsync
  Modeline "1280x1024" 108.00 1280 1328 1440 1688 1024 1025 1028 1066 +hsync +vsync
EndSection

Section "Screen"
  Identifier "screen"
  Device "dummy"
  Monitor "monitor"
  DefaultDepth 24
  SubSection "Display"
    Depth 24
    Modes "1024x768" "800x600" "1280x1024"
    Virtual 1280 1024
  EndSubSection
EndSection

Section "ServerLayout"
  Identifier "layout"
  Screen "screen"
  InputDevice "keys" "CoreKeyboard"
  InputDevice "pointer" "CorePointer"
EndSection
CONF

  # A clean stop first, so the server leaves the console as it found it; the general cleanup
  # that follows kills it if it hangs.
  stop_xorg() {
    local stat
    [ -n "${XORG_PID:-}" ] || return 0
    kill "$XORG_PID" 2>/dev/null
    for _ in $(seq 50); do
      stat=$(cat "/proc/$XORG_PID/stat" 2>/dev/null) || break
      stat=${stat##*) }
      [ "${stat%% *}" = Z ] && break
      sleep 0.1
    done
    cp "$server/xorg.log" "$E2E_ARTIFACTS/xorg.log" 2>/dev/null
  }
  trap 'stop_xorg; e2e_cleanup' EXIT

  Xorg -displayfd 3 -config "$server/xorg.conf" -configdir "$server/conf.d" \
    -logfile "$server/xorg.log" -noreset -nolisten tcp -sharevts -novtswitch \
    3>"$server/displayfd" </dev/null >"$server/xorg.out" 2>&1 &
  XORG_PID=$!
  track_pid "$XORG_PID"

  number=""
  for _ in $(seq 600); do
    number=$(grep -m1 -x '[0-9][0-9]*' "$server/displayfd" 2>/dev/null) &&
      DISPLAY=":$number" xdpyinfo >/dev/null 2>&1 && break
    number=""
    kill -0 "$XORG_PID" 2>/dev/null || break
    sleep 0.1
  done
  if [ -z "$number" ]; then
    cat "$server/xorg.out" >&2
    grep -E '\((EE|WW)\)' "$server/xorg.log" >&2
    fail "Xorg with the dummy driver did not start"
  fi
  export DISPLAY=":$number"
  log "Xorg (pid $XORG_PID) serves $DISPLAY"
}
