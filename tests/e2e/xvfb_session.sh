# Sourced by the end-to-end runs: an X server of our own (Xvfb) with a patterned desktop, a window
# manager and a compositing manager, so layered windows show their translucency as they would on a
# desktop. Sets DISPLAY; everything started here is stopped when the sourcing script exits.

e2e_display=":$((90 + RANDOM % 400))"
e2e_pids=()
e2e_stop() { for p in "${e2e_pids[@]}"; do kill "$p" 2>/dev/null || true; done; }
trap e2e_stop EXIT

Xvfb "$e2e_display" -screen 0 1280x800x24 +extension Composite -nolisten tcp -noreset >/dev/null 2>&1 &
e2e_pids+=($!)
# -noreset: the readiness probe below is the server's first client, and a server that resets when
# it leaves would refuse the compositing manager that connects next.
export DISPLAY="$e2e_display"
for _ in $(seq 100); do xdpyinfo >/dev/null 2>&1 && break; sleep 0.05; done

openbox >/dev/null 2>&1 &
e2e_pids+=($!)
[ "${E2E_COMPOSITOR:-1}" = 1 ] && { xcompmgr >/dev/null 2>&1 & }
e2e_pids+=($!)
# A patterned desktop behind the splash (a borderless picture window under the tool's windows),
# so the screenshots show what shines through the splash.
e2e_desktop=$(mktemp --suffix=.png)
convert -size 1280x800 pattern:checkerboard -fill '#3a6ea5' -colorize 40% "$e2e_desktop"
feh --borderless --geometry 1280x800+0+0 "$e2e_desktop" >/dev/null 2>&1 &
e2e_pids+=($!)
sleep 0.7

# Prints the id of the first visible window whose name matches, or nothing.
e2e_window_named() { xdotool search --onlyvisible --name "$1" 2>/dev/null | head -n 1 || true; }
# Milliseconds since the epoch.
e2e_now() { date +%s%3N; }
# e2e_within <seconds> <command...>: runs the command every 20 ms until it succeeds; fails when
# the seconds are up.
e2e_within() {
  local deadline=$(($(e2e_now) + $1 * 1000))
  shift
  until "$@"; do
    [ "$(e2e_now)" -lt "$deadline" ] || return 1
    sleep 0.02
  done
}
