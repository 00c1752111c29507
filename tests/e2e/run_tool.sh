#!/usr/bin/env bash
# End to end on a real X server: the tool starts, the splash is mapped and plays its frames, the
# main window appears about 1.7 s after start, a click on "关闭软件" plays the closing animation
# and the process ends with exit code 0. Screenshots go to <build>/e2e/.
set -euo pipefail
build=$(realpath "${1:-build}")
here=$(dirname "$0")
out="$build/e2e"
mkdir -p "$out"
source "$here/xvfb_session.sh"

tool="$build/app/poison-weapon-editor"
fail() { echo "FAIL: $*" >&2; exit 1; }

start=$(e2e_now)
QT_QPA_PLATFORM=xcb "$tool" >"$out/tool.log" 2>&1 &
tool_pid=$!

# The splash: a 495 x 331 window without a name.
# (The tree is read whole first: grep -q leaving early would break the pipe under pipefail.)
splash_mapped() { [[ "$(xwininfo -root -tree 2>/dev/null || true)" == *495x331+* ]]; }
main_window() { e2e_window_named "蛇牙工坊"; }
main_shown() { [ -n "$(main_window)" ]; }
dialog_focused() {
  [ "$(xdotool getactivewindow getwindowname 2>/dev/null || true)" = "请选择要打开的文件" ]
}
dialog_gone() { [ -z "$(e2e_window_named "请选择要打开的文件")" ]; }
tool_ended() { ! kill -0 "$tool_pid" 2>/dev/null; }

e2e_within 2 splash_mapped || fail "the splash window was never mapped"
sleep 0.8
import -window root "$out/splash.png"

e2e_within 5 main_shown || fail "the main window never appeared"
shown=$(e2e_now)
main=$(main_window)
elapsed=$((shown - start))
echo "main window shown ${elapsed} ms after start"
[ "$elapsed" -ge 1500 ] || fail "the main window came too early (${elapsed} ms): the splash was cut short"
[ "$elapsed" -le 4000 ] || fail "the main window came too late (${elapsed} ms)"
sleep 0.3
splash_mapped && fail "the splash window is still there after the hand-over"
import -window root "$out/main-window.png"

# Load a weapon file the way a person does: "打开文本" at (196, 123), 92 x 24, opens the file
# dialog, whose name field takes the path.
fixture=$(realpath "$here/../fixtures/weapon/PoisonWeapon.txt")
xdotool mousemove --window "$main" 242 135 click 1
# Typed through the keyboard once the dialog has the focus: the dialog's window ids may change
# while it settles, so nothing is sent to a window id.
e2e_within 3 dialog_focused || fail "the open-file dialog did not open"
sleep 0.3
xdotool type --delay 5 "$fixture"
xdotool key Return
e2e_within 3 dialog_gone || fail "the open-file dialog did not close"
sleep 0.4
import -window root "$out/loaded-table.png"

# "关闭软件" sits at (290, 123), 92 x 24, in the main window's client area.
xdotool mousemove --window "$main" 336 135 click 1
# A burst of screenshots while the window collapses (each takes a few tens of milliseconds).
for i in 1 2 3 4 5; do import -window root "$out/closing-$i.png" || true; done

e2e_within 3 tool_ended || fail "the tool did not end after the closing animation"
set +e
wait "$tool_pid"
code=$?
set -e
[ "$code" -eq 0 ] || fail "the tool ended with exit code $code"
echo "PASS: splash, hand-over, closing animation, exit code 0"
