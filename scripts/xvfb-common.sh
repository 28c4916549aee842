# Shared by the scripts that show a real window (sourced, not run).
source scripts/cleanup-common.sh

# Starts Xvfb on a display of its own choosing, keeping its files in the
# given folder; exports DISPLAY and sets XVFB_PID. Xvfb stops when the script
# exits. Fails with Xvfb's own words when no display comes up within 5 s,
# and then leaves no Xvfb behind: a slow one could still come up later.
start_xvfb() {
  local dir=$1
  Xvfb -displayfd 3 -nolisten tcp -screen 0 1280x1024x24 3>"$dir/display" 2>"$dir/xvfb.log" &
  XVFB_PID=$!
  on_exit "stop_job $XVFB_PID"
  for _ in $(seq 50); do
    [ -s "$dir/display" ] && break
    sleep 0.1
  done
  if [ ! -s "$dir/display" ]; then
    stop_job "$XVFB_PID"
    echo "Xvfb did not start: $(cat "$dir/xvfb.log")" >&2
    return 1
  fi
  DISPLAY=":$(cat "$dir/display")"
  export DISPLAY
}

# Inside dbus-run-session: the accessibility bus that Qt and the readers
# meet on, stopped when the script exits. It needs a moment to take its name
# on the session bus before anyone asks for it.
start_accessibility_bus() {
  /usr/libexec/at-spi-bus-launcher --launch-immediately &
  on_exit "stop_job $!"
  sleep 1
}
