# Sourced by the CPU benchmarks.
# keep_ball_in_play: in the background, every 2.5 s press F1 (a fresh
# board, which also leaves pause or game over) and hold Right for 0.15 s to
# launch, into whatever has the keyboard; sets player to its pid.
keep_ball_in_play() {
  (
    while :; do
      xdotool key F1 keydown Right sleep 0.15 keyup Right 2>/dev/null || exit 0
      sleep 2.35
    done
  ) &
  player=$!
  sleep 0.5
}

# cpu_share PID SECONDS [PREFIX]: the share of one core PID uses over
# SECONDS, and its peak resident memory: "PREFIXcpu_percent=N peak_rss_kib=N".
cpu_share() {
  local pid=$1 seconds=$2 prefix=${3:-} hz t0 t1 start end rss
  hz=$(getconf CLK_TCK)
  t0=$(awk '{print $14 + $15}' "/proc/$pid/stat")
  start=$(date +%s.%N)
  sleep "$seconds"
  t1=$(awk '{print $14 + $15}' "/proc/$pid/stat")
  end=$(date +%s.%N)
  rss=$(awk '/VmHWM/ {print $2}' "/proc/$pid/status")
  awk -v p="$prefix" -v a="$t0" -v b="$t1" -v hz="$hz" -v s="$start" -v e="$end" -v rss="$rss" \
    'BEGIN { printf "%scpu_percent=%.2f peak_rss_kib=%d\n", p, 100 * (b - a) / hz / (e - s), rss }'
}
