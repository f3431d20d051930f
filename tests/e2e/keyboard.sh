#!/usr/bin/env bash
# An install with the keyboard alone, watched as a screen reader sees it: keys go to
# the pages through xdotool, and a client of the accessibility interface in another
# process (AccessibleTree.exe) reads each page's controls, their states and the focus.
# Screenshots of the focus marks go to the screenshots folder.
# Arguments: TavioSetup.exe AccessibleTree.exe
source "$(dirname "$0")/lib.sh"
setup=$1
client=$2
shots=${TAVIO_SCREENSHOTS:-$TAVIO_WINE_STATE/screenshots}

pixel() { convert "$shots/$1.png" -format '%[hex:p{'"$2"','"$3"'}]' info: 2>/dev/null | cut -c1-6 | tr A-F a-f; }
# keys ID KEY...: the keys, in order, to the page (X gives them to the focused window)
keys() { local id=$1; shift; xdotool windowfocus --sync "$id" && xdotool key --delay 30 "$@"; }

# The page's accessible children, one "role<TAB>name<TAB>states<TAB>value" line each,
# and "focus<TAB>name".
tree="$work/tree.txt"
read_tree() { in_prefix "$p" "$client" 2>/dev/null | tr -d '\r' >"$tree"; }
child() { awk -F'\t' -v n="$1" '$1 != "focus" && $2 == n' "$tree"; }
role_is() { [ "$(child "$1" | cut -f1)" = "$2" ]; }
state_has() { child "$1" | cut -f3 | tr , '\n' | grep -qx "$2"; }
state_lacks() { ! state_has "$@"; }
value_is() { [ "$(child "$1" | cut -f4)" = "$2" ]; }
focus_is() { read_tree && grep -qxF "focus	$1" "$tree"; }

start_interactive keyboard
check "the install button has the focus when the page opens" wait_for 20 focus_is 立即安装
while IFS=$'\t' read -r name role; do
  check "$role \"$name\"" role_is "$name" "$role"
done <<'EOF'
立即安装	pushbutton
关闭	pushbutton
最小化	pushbutton
自定义选项	pushbutton
许可协议	link
阅读并同意	checkbutton
开机自动启动	checkbutton
添加到快速启动栏	checkbutton
生成桌面快捷方式	checkbutton
安装到	text
浏览	pushbutton
EOF
check "the agreement box is checked" state_has 阅读并同意 checked
check "the toggle is collapsed" state_has 自定义选项 collapsed
check "the folder box tells the folder" value_is 安装到 'C:\Program Files\Tavio\'
check "the folder row is hidden below the collapsed page" state_has 浏览 invisible

keys "$options" Tab Tab Tab
check "Tab x3 reaches the toggle" wait_for 10 focus_is 自定义选项
toggle_frame() { shoot "$options" keyboard-toggle-focused && [ "$(pixel keyboard-toggle-focused 510 368)" = 0a0805 ]; }
check "the toggle shows its focus" wait_for 10 toggle_frame
keys "$options" Return
check "Enter on the toggle expands the page to 588 x 550" wait_for 10 size_is "$options" 588x550
check "the focus stays on the toggle" focus_is 自定义选项
check "the toggle is expanded" state_has 自定义选项 expanded
check "the folder row is shown" state_lacks 浏览 invisible

ring() { shoot "$options" keyboard-install-focused && [ "$(pixel keyboard-install-focused 193 360)" = 1677ff ]; }
keys "$options" Tab
check "Tab goes round to the install button" wait_for 10 focus_is 立即安装
check "the install button shows its focus ring" wait_for 10 ring
keys "$options" Tab Tab
check "Tab x2 more reach the desktop box" wait_for 10 focus_is 生成桌面快捷方式
frame() { shoot "$options" keyboard-box-focused && [ "$(pixel keyboard-box-focused 204 460)" = 000000 ]; }
check "the desktop box shows its dotted focus frame" wait_for 10 frame
keys "$options" space
unchecked() { read_tree && state_lacks 生成桌面快捷方式 checked; }
check "Space unchecks the desktop box" wait_for 10 unchecked
keys "$options" Tab Tab
check "Tab x2 reach the start-at-logon box" wait_for 10 focus_is 开机自动启动
keys "$options" space
unchecked() { read_tree && state_lacks 开机自动启动 checked; }
check "Space unchecks the start-at-logon box" wait_for 10 unchecked
keys "$options" Return

if final=$(wait_window 塔维欧安装向导 120 588x358 "$options") && wait_for 120 eval '! shown "$options"'; then
  # The progress page and the finish page have the same size: the finish page is the
  # one whose tree names its button.
  finished() { read_tree && [ -n "$(child 立即体验)" ]; }
  if wait_for 120 finished; then
    pass "Enter installs, and the finish page follows"
    check "the finish button is a push button" role_is 立即体验 pushbutton
    check "the finish button has the focus" focus_is 立即体验
    final=$(wait_window 塔维欧安装向导 10 588x358 "$options")
    keys "$final" Tab # the one tab stop: the focus stays, and its ring shows
    ring() { shoot "$final" keyboard-finish-focused && [ "$(pixel keyboard-finish-focused 165 315)" = ffffff ]; }
    check "the finish button shows its focus ring" wait_for 10 ring
    keys "$final" Return
  else
    fail "Enter installs, and the finish page follows"
  fi
else
  fail "Enter on the start-at-logon box installs"
fi
wait_exit "$pid" 60
check "Enter on the finish page ends the run (exit $rc)" [ "$rc" = 0 ]
wait_for 60 test -s "$log" || true
check "the player was started" grep -q Tavio.exe "$log"
check "the quick-launch shortcut is made" [ -f "$quick/塔维欧.lnk" ]
check "no desktop shortcut, as chosen" [ ! -e "$home/Desktop/塔维欧.lnk" ]
check "no Run value, as chosen" bash -c "$(declare -f in_prefix); ! in_prefix '$p' reg query 'HKCU\\Software\\Microsoft\\Windows\\CurrentVersion\\Run' /v tavio >/dev/null 2>&1"

# The next run finds this install where its Programs-list entry says it is (here a copy
# elsewhere): the folder box offers that folder, and a reader hears it.
cp -r "$folder" "$p/drive_c/Apps Tavio"
in_prefix "$p" reg add 'HKCU\Software\Microsoft\Windows\CurrentVersion\Uninstall\塔维欧' /v InstallLocation \
  /d 'C:\Apps Tavio' /f >/dev/null 2>&1
in_prefix "$p" "$work/TavioSetup.exe" & pid=$!
if options=$(wait_window 塔维欧安装向导 60 588x400); then
  offered() { read_tree && value_is 安装到 'C:\Apps Tavio\'; }
  check "the next run's folder box offers the earlier install's folder" wait_for 10 offered
else
  fail "the next run shows its options page"
fi
kill "$pid" 2>/dev/null || true
WINEPREFIX=$p wineserver -k 2>/dev/null || true
wait "$pid" 2>/dev/null || true

# Esc on the options page is its close mark: the end, with nothing written.
check_closed_from_options escape Esc keys Escape

finish
