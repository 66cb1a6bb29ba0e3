# Sourced by the sound test and the sound benchmark.
# start_pipewire DIR: a private sound server (session D-Bus, PipeWire,
# WirePlumber, pipewire-pulse) under DIR/run; sets XDG_RUNTIME_DIR,
# DBUS_SESSION_BUS_ADDRESS, sink (a null sink of its own, also exported as
# PULSE_SINK) and sound_pids, and returns non-zero once it has waited 10 s
# for the sink in vain.
start_pipewire() {
  local dir=$1
  export XDG_RUNTIME_DIR=$dir/run
  mkdir -p -m 700 "$XDG_RUNTIME_DIR"
  export DBUS_SESSION_BUS_ADDRESS="unix:path=$XDG_RUNTIME_DIR/bus"
  sound_pids=()
  dbus-daemon --session --address="$DBUS_SESSION_BUS_ADDRESS" --nofork --nopidfile \
    >"$dir/dbus.log" 2>&1 &
  sound_pids+=($!)
  for _ in $(seq 100); do [ -S "$XDG_RUNTIME_DIR/bus" ] && break; sleep 0.05; done
  pipewire >"$dir/pipewire.log" 2>&1 &
  sound_pids+=($!)
  # No Bluetooth for a private server: its monitor needs logind, and where
  # there is none (a container) WirePlumber would quit at once.
  mkdir -p "$dir/config/wireplumber/bluetooth.lua.d"
  echo 'bluez_monitor.enabled = false' >"$dir/config/wireplumber/bluetooth.lua.d/51-no-bluetooth.lua"
  XDG_CONFIG_HOME=$dir/config wireplumber >"$dir/wireplumber.log" 2>&1 &
  sound_pids+=($!)
  pipewire-pulse >"$dir/pipewire-pulse.log" 2>&1 &
  sound_pids+=($!)
  # A null sink of our own, whatever the session manager chose as the
  # default (a container's may choose none): the game's stream is sent to
  # it and its monitor is what the tests record.
  sink=zandovik_test_sink
  export PULSE_SINK=$sink
  for _ in $(seq 200); do
    if pactl info >/dev/null 2>&1; then
      pactl load-module module-null-sink sink_name=$sink >/dev/null 2>&1 || true
      pactl list short sinks 2>/dev/null | grep -q "$sink" && return 0
    fi
    sleep 0.05
  done
  return 1
}

stop_pipewire() {
  kill "${sound_pids[@]}" 2>/dev/null
  wait "${sound_pids[@]}" 2>/dev/null
  sound_pids=()
}
