#!/usr/bin/env bash
# A person quits during the install with the progress page's close mark (clicked, Esc, or
# pressed by a screen reader): Yes in the pause after the shutdown pass and in the middle
# of the extraction leaves nothing of the install, or an earlier install exactly as it
# was, and the run ends with 6; No lets the install finish. Arguments: TavioSetup.exe,
# the same with a 64 MB payload, the stand-in player, AccessibleTree.exe
source "$(dirname "$0")/lib.sh"
cp "$1" "$work/TavioSetup.exe"
cp "$2" "$work/TavioSetupLarge.exe"
cp "$3" "$work/tavio.exe"
tree=$4
user=$(id -un)
run_key='HKCU\Software\Microsoft\Windows\CurrentVersion\Run'
uninstall_key='HKCU\Software\Microsoft\Windows\CurrentVersion\Uninstall\塔维欧'


# start PREFIX SETUP: starts the installer and presses its install button; sets pid and
# progress (the progress page's window)
start() {
  local options
  in_prefix "$1" "$work/$2" & pid=$!
  progress=
  options=$(wait_window 塔维欧安装向导 60 588x400) || return 1
  click_at "$options" 294 359
  progress=$(wait_window 塔维欧安装向导 30 588x358)
}

# answer BUTTON: presses Yes (Return: the default button) or No (its mnemonic) in the
# close question once it is up, until the question is gone (a key sent before the box
# has the focus is lost)
answer() {
  local id key=Return
  [ "$1" = No ] && key=n
  id=$(wait_window 警告 30) || return 1
  for _ in $(seq 15); do
    xdotool windowfocus --sync "$id" 2>/dev/null || true
    xdotool key --window "$id" $key 2>/dev/null || true
    wait_for 2 eval '! shown "$id" 警告' && return 0
  done
  return 1
}

# quit [click|key|reader]: the close mark clicked, Esc, or the mark pressed by a screen
# reader (AccessibleTree.exe in another process); then Yes
quit() {
  case ${1:-click} in
    click) click_at "$progress" 578 10 ;;
    key) xdotool windowfocus --sync "$progress" && xdotool key --window "$progress" Escape ;;
    reader) in_prefix "$p" "$tree" press 关闭 >/dev/null ;;
  esac && answer Yes
}

# state PREFIX: everything an install leaves, as text: the files of the install folder,
# the shortcuts with their bytes' hashes (and folders), our temporary folders, the Run value, the
# uninstall entry
state() {
  local home="$1/drive_c/users/$user"
  (cd "$1/drive_c" && find "Program Files/Tavio" "users/$user/Desktop" \
    "users/$user/AppData/Roaming/Microsoft/Windows/Start Menu/Programs" \
    "users/$user/AppData/Roaming/Microsoft/Internet Explorer/Quick Launch" \
    -exec sha256sum {} + 2>&1 | sort -k2) || true
  ls "$home/Temp" "$1/drive_c/windows/temp" 2>/dev/null | grep '^Tavio-' || true
  in_prefix "$1" reg query "$run_key" /v tavio 2>/dev/null | tr -d '\r' | grep REG_SZ || true
  in_prefix "$1" reg query "$uninstall_key" 2>/dev/null | tr -d '\r' | grep REG_ || true
}

nothing_installed() {
  local home="$1/drive_c/users/$user"
  [ ! -e "$(program_files "$1")/Tavio" ] && [ ! -e "$home/Desktop/塔维欧.lnk" ] &&
    [ ! -e "$home/AppData/Roaming/Microsoft/Windows/Start Menu/Programs/塔维欧" ] &&
    [ -z "$(ls "$home/Temp" "$1/drive_c/windows/temp" | grep '^Tavio-' || true)" ] &&
    ! in_prefix "$1" reg query "$run_key" /v tavio >/dev/null 2>&1 &&
    ! in_prefix "$1" reg query "$uninstall_key" >/dev/null 2>&1
}

# unpacking PREFIX: a file of the payload is being written under its temporary name
unpacking() { find "$(program_files "$1")/Tavio" -name '*.~new*' 2>/dev/null | grep -q .; }

# 1. Yes in the pause after the shutdown pass. A running player makes the pass stop
# something, so its end says the sequence has passed the shutdown and waits.
p=$(fresh_prefix pause)
in_prefix "$p" "$work/tavio.exe" & player=$!
wait_for 60 eval 'xdotool search --onlyvisible --name "^塔维欧$" >/dev/null 2>&1' || fail "the player runs before the install"
if start "$p" TavioSetup.exe; then
  check "the shutdown pass stopped the running player" wait_for 30 eval '! kill -0 "$player" 2>/dev/null'
  check "Yes to the close question in the pause" quit
  wait_exit "$pid" 60
  check "the run ends with 6, cancelled (got $rc)" [ "$rc" = 6 ]
  check "nothing of the install is left: files, shortcuts, Run value, uninstall entry" nothing_installed "$p"
else
  fail "the progress page is shown"
fi

# 2. Yes in the middle of the extraction, asked with Esc.
p=$(fresh_prefix unpacking)
if start "$p" TavioSetupLarge.exe; then
  check "the extraction is under way" wait_for 60 unpacking "$p"
  check "Esc while unpacking asks the close question; Yes" quit key
  wait_exit "$pid" 120
  check "the run ends with 6, cancelled (got $rc)" [ "$rc" = 6 ]
  check "nothing of the install is left: files, shortcuts, Run value, uninstall entry" nothing_installed "$p"
else
  fail "the progress page is shown"
fi

# 3. The same over an earlier install that the person changed since: it stays byte for
# byte as it was, with its shortcuts and entries. A screen reader presses the close mark.
p=$(fresh_prefix upgrade)
set +e; timeout 300 bash -c "$(declare -f in_prefix); in_prefix '$p' '$work/TavioSetup.exe' /s"; rc=$?; set -e
check "the earlier install completes (got $rc)" [ "$rc" = 0 ]
WINEPREFIX=$p wineserver -k 2>/dev/null || true # the player it started
WINEPREFIX=$p wineserver -w
folder="$(program_files "$p")/Tavio"
printf 'a newer build of the player' >>"$folder/Tavio.exe"
printf 'the person'"'"'s playlist' >"$folder/playlist.m3u"
before=$(state "$p")
complete() { grep -q 'Desktop/塔维欧.lnk' <<<"$before" && grep -q Minimize <<<"$before" && grep -q DisplayName <<<"$before"; }
check "the earlier install has its shortcuts, Run value and uninstall entry" complete
if start "$p" TavioSetupLarge.exe; then
  check "the extraction over the earlier install is under way" wait_for 60 unpacking "$p"
  check "a reader's press of the close mark while unpacking asks the close question; Yes" quit reader
  wait_exit "$pid" 120
  check "the run ends with 6, cancelled (got $rc)" [ "$rc" = 6 ]
  after=$(state "$p")
  check "the earlier install is as it was" [ "$after" = "$before" ]
  [ "$after" = "$before" ] || diff <(echo "$before") <(echo "$after") || true
else
  fail "the progress page is shown"
fi

# 4. No: the install goes on to the finish page. While the question is up the install
# waits and the slideshow goes on: each slide is shot (the question moved out of the way).
shots=${TAVIO_SCREENSHOTS:-$TAVIO_WINE_STATE/screenshots}
pixel() { convert "$1" -format '%[hex:p{20,20}]' info: 2>/dev/null | cut -c1-6; }
slides=()
for n in 1 2 3 4 5; do slides+=("$(pixel "$here/../../assets/pages/progress/slide$n.png")"); done
# shoot_slides: shoots the page until every slide has been seen, as progress-slideN
shoot_slides() {
  local seen=0 colour n
  for _ in $(seq 100); do
    shoot "$progress" progress-now
    colour=$(pixel "$shots/progress-now.png")
    for n in 1 2 3 4 5; do
      [ "$colour" = "${slides[n - 1]}" ] && [ ! -f "$shots/progress-slide$n.png" ] &&
        cp "$shots/progress-now.png" "$shots/progress-slide$n.png" && seen=$((seen + 1))
    done
    [ "$seen" = 5 ] && { rm -f "$shots/progress-now.png"; return 0; }
    sleep 0.2
  done
  return 1
}
p=$(fresh_prefix no)
if start "$p" TavioSetup.exe; then
  click_at "$progress" 578 10
  rm -f "$shots"/progress-slide?.png
  question=$(wait_window 警告 30) && xdotool windowmove "$question" 0 0
  check "the five slides are shown in turn while the question is up" shoot_slides
  check "No to the close question" answer No
  if final=$(wait_window 塔维欧安装向导 120 588x358 "$progress"); then
    pass "the install goes on to the finish page"
    shoot "$final" quit-no-finish-page
    click_at "$final" 288 316
  else
    fail "the install goes on to the finish page"
  fi
  wait_exit "$pid" 60
  check "the run ends with 0 (got $rc)" [ "$rc" = 0 ]
  check "the player is installed" [ -f "$(program_files "$p")/Tavio/Tavio.exe" ]
else
  fail "the progress page is shown"
fi

finish
