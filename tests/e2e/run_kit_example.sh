#!/usr/bin/env bash
# End to end on a real X server: the kit example's skinned layered window under the real pointer
# and keyboard. Over the button the presented picture shows the hover image, off it the normal one,
# pressed the pressed one; a press dragged off the button and released there is no click. Clicked
# and typed into, the text box shows the text. Esc ends the example with exit code 0, and so does a
# click on the button. Screenshot: <build>/e2e/kit-example.png.
set -euo pipefail
build=$(realpath "${1:-build}")
here=$(dirname "$0")
out="$build/e2e"
mkdir -p "$out"
source "$here/xvfb_session.sh"

example="$build/examples/skinned_window/kit_example"
log=""
pid=""
shot="$out/kit-example-root.png"
fail() {
  echo "FAIL: $*" >&2
  [ -f "$log" ] && sed 's/^/  | /' "$log" >&2
  [ -n "${pid:-}" ] && kill "$pid" 2>/dev/null
  exit 1
}
[ -x "$example" ] || fail "no example program at $example"

# Colours of the button's state images where the label is not (10, 18 inside the button).
normal="#3567CC"
hover="#4F86F2"
pressed="#1F418A"

# e2e_within <seconds> <command...>: runs the command every 20 ms until it succeeds or time is up.
logged() { grep -qxF -- "$1" "$log"; }
running() { kill -0 "$pid" 2>/dev/null; }
ended() { ! running; }

# The screen as it is now, and what it shows at a point or in a rectangle.
snap() { import -window root "$shot"; }
colour_at() { convert "$shot" -crop "1x1+$1+$2" +repage -depth 8 txt:- | awk 'NR == 2 {print $3}'; }
shows() { snap && [ "$(colour_at "$1" "$2")" = "$3" ]; }
# Pixels of the text colour (dark blue, nothing like the white fill, the grey-blue border or the
# black caret line) in a rectangle w h x y.
text_pixels() {
  convert "$shot" -crop "$3x$4+$1+$2" +repage -fx '(r < 0.4 && b > 0.6) ? 1 : 0' \
    -format '%[fx:round(mean * w * h)]' info:
}
shows_text() { snap && [ "$(text_pixels "$@")" -ge 40 ]; }

window_found() { window=$(e2e_window_named "Kit example") && [ -n "$window" ]; }

# Where the window is on the screen now (wx, wy) and so the button (bx, by) and the text box
# (tx, ty, tw, th); true once the button shows its normal image there. Asked again on each try,
# so that a late placement by the window manager is followed.
placed() {
  read -r wx wy < <(xwininfo -id "$window" |
    awk '/Absolute upper-left X/ {x = $4} /Absolute upper-left Y/ {y = $4} END {print x, y}')
  local x y
  read -r _ _ x y _ _ < <(grep '^place button ' "$log")
  bx=$((wx + x)) by=$((wy + y))
  read -r _ _ x y tw th < <(grep '^place textbox ' "$log")
  tx=$((wx + x)) ty=$((wy + y))
  shows $((bx + 10)) $((by + 18)) "$normal"
}

# start_example <log>: starts the example, its report going to the log, and waits until its
# window shows on the screen; sets pid, window and what placed sets.
start_example() {
  log=$1
  QT_QPA_PLATFORM=xcb "$example" >"$log" 2>"$log.err" &
  pid=$!
  e2e_within 20 logged ready || fail "the example did not get ready"
  e2e_within 10 window_found || fail "the example's window was not mapped"
  e2e_within 5 placed || fail "the button is not shown normal"
}

stop_example() {
  e2e_within 5 ended || fail "the example did not end"
  set +e
  wait "$pid"
  code=$?
  set -e
  [ "$code" -eq 0 ] || fail "the example ended with exit code $code"
}

# Hover, leave, press, a press dragged off, typing, Esc.
start_example "$out/kit-example.log"
[ "$(text_pixels $((tx + 3)) $((ty + 3)) $((tw - 6)) $((th - 6)))" -eq 0 ] ||
  fail "the empty text box shows text"
xdotool mousemove $((bx + 60)) $((by + 18))
e2e_within 5 logged "button state hover" || fail "no hover state over the button"
e2e_within 5 shows $((bx + 10)) $((by + 18)) "$hover" || fail "the hover image is not shown"
xdotool mousemove $((bx + 60)) $((by - 30))
e2e_within 5 logged "button state normal" || fail "no normal state once the mouse left the button"
e2e_within 5 shows $((bx + 10)) $((by + 18)) "$normal" || fail "the normal image is not back"
xdotool mousemove $((bx + 60)) $((by + 18))
e2e_within 5 shows $((bx + 10)) $((by + 18)) "$hover" || fail "the hover image is not shown again"
xdotool mousedown 1
e2e_within 5 logged "button state pressed" || fail "no pressed state"
e2e_within 5 shows $((bx + 10)) $((by + 18)) "$pressed" || fail "the pressed image is not shown"
xdotool mousemove $((bx + 60)) $((by - 30))
e2e_within 5 shows $((bx + 10)) $((by + 18)) "$normal" || fail "dragged off, the button is not normal"
xdotool mouseup 1

xdotool mousemove $((tx + tw - 20)) $((ty + th / 2)) click 1
xdotool type --delay 40 "Hello, kit"
e2e_within 10 logged "textbox text Hello, kit" || fail "the text box did not take the typed text"
# The input came in order, so the release off the button has been handled by now.
logged "clicked" && fail "a press released off the button was taken as a click"
running || fail "a press released off the button ended the example"
e2e_within 5 shows_text $((tx + 3)) $((ty + 3)) $((tw - 6)) $((th - 6)) ||
  fail "the typed text is not shown in the text box"
convert "$shot" -crop "400x260+$((wx - 20))+$((wy - 20))" +repage "$out/kit-example.png"
xdotool key Escape
stop_example
logged "final text Hello, kit" || fail "the example did not end with the typed text"

# A click on the button ends the example: pressed, then hover on release over it, then the click.
start_example "$out/kit-example-click.log"
xdotool mousemove $((bx + 60)) $((by + 18))
e2e_within 5 logged "button state hover" || fail "no hover state over the button"
xdotool click 1
stop_example
states=$(grep -E '^(button state|clicked)' "$log" | tr '\n' '|')
[ "$states" = "button state hover|button state pressed|button state hover|clicked|" ] ||
  fail "the click went through these states: $states"
echo "PASS: hover, leave, press, drag off, typing, Esc and click end the example with exit code 0"
