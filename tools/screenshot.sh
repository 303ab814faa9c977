#!/usr/bin/env bash
# Screenshots of Mirevo under wine, to look at what a user sees: the main
# window on "动画" with its due rows coloured, the "完结" tab, the record
# dialog opened by "编辑" (with the placeholder, and with a picture), the
# list's context menu (also on "完结", with its check mark), the preview
# popup, the about box, the tray menu, a button under the mouse, the
# reminder page's colour buttons and the exit question.
#
#   bash tools/screenshot.sh [FOLDER]      (default: build/screenshots)
#   MIREVO_DPI=144 bash tools/screenshot.sh build/screenshots-144
#                                          (the same at 150 % scaling)
#
# The program runs in a temporary working folder with the sample list, in a
# wine desktop of 1024x768 on a virtual screen; a small helper running in
# the same desktop finds its windows and presses its buttons, xdotool clicks
# where a user would.
set -euo pipefail

# The part that runs on the virtual screen (the script calls itself there).
session() {
  set -euo pipefail
  cd "$WORK"
  # However the session ends, nothing of it stays running.
  trap 'wineserver -k 2>/dev/null || true' EXIT
  local desktop=(explorer "/desktop=Mirevo,$SCREEN")
  wine "${desktop[@]}" "$ROOT/build/windows/Mirevo.exe" &
  # explorer hands the helper to the desktop and returns at once: the helper
  # answers in a file (code, then text), which this waits for.
  local answer=$WORK/helper.out
  local winAnswer="Z:${answer//\//\\}"
  helper() {
    rm -f "$answer"
    # Bounded: an explorer that found no desktop would become its owner and
    # never return.
    timeout 40 wine "${desktop[@]}" "$HELPER" "$winAnswer" "$@" >/dev/null 2>&1 || true
    local tries=0
    until [[ -f $answer ]]; do
      ((++tries > 300)) && { echo "screenshot.sh: no answer to: $*" >&2; return 1; }
      sleep 0.1
    done
    local code text
    read -r code text <"$answer"
    [[ $code == 0 ]] || { echo "screenshot.sh: $*: $text" >&2; return 1; }
    [[ -z $text ]] || echo "$text"
  }
  shot() {
    sleep 1.5
    import -window root "$OUT/$1.png"
    echo "screenshot: $OUT/$1.png"
  }
  click_row() {  # row, mouse button
    local x y
    read -r x y < <(helper row "$1")
    xdotool mousemove "$x" "$y" click "$2"
  }

  # The desktop must exist before a helper is started into it.
  local tries=0
  until xdotool search --name "Mirevo - Wine desktop" >/dev/null 2>&1; do
    ((++tries > 600)) && { echo "screenshot.sh: the wine desktop did not appear" >&2; return 1; }
    sleep 0.1
  done
  helper wait
  shot 1-main-anime
  helper tab 4
  shot 2-tab-finished
  helper tab 0
  sleep 0.5

  click_row 1 1
  helper press 1021  # 编辑
  helper dialog edit
  shot 3-record-dialog-edit
  helper answer edit 2  # 取消
  sleep 1

  click_row 1 3
  shot 4-context-menu
  xdotool key Escape
  sleep 0.5

  # The work with a picture: the popup beside the window, then its record.
  click_row 3 1
  shot 6-preview-popup
  helper press 1021  # 编辑
  helper dialog edit
  shot 7-record-dialog-picture
  helper answer edit 2  # 取消
  sleep 1

  # The finished tab's menu: "完结" checked.
  helper tab 4
  sleep 0.5
  click_row 0 1
  click_row 0 3
  shot 8-context-menu-finished
  xdotool key Escape
  sleep 0.5
  helper tab 0
  sleep 0.5

  helper post 274 16 0  # WM_SYSCOMMAND, the about entry
  helper dialog about
  shot 9-about
  helper answer about 1
  sleep 1

  # The tray menu opens at the mouse.
  xdotool mousemove 700 600
  helper post 1124 143 517  # the icon's callback: right button up
  shot 10-tray-menu
  xdotool key Escape
  sleep 0.5

  # A button under the mouse.
  local x y
  read -r x y < <(helper item 1014)  # 更新
  xdotool mousemove "$x" "$y"
  sleep 0.3
  xdotool mousemove "$((x + 1))" "$y"
  shot 11-button-hover

  # The reminder page, one colour button under the mouse.
  helper press 1023  # 设置
  helper dialog settings
  helper dlgtab settings 1070 1
  sleep 0.5
  read -r x y < <(helper dlgitem settings 1079)
  xdotool mousemove "$x" "$y"
  sleep 0.3
  xdotool mousemove "$((x + 1))" "$y"
  shot 12-reminder-colours
  helper answer settings 2  # 取消
  sleep 1

  # The settings dialog's general and search pages and the colour chooser.
  helper press 1023  # 设置
  helper dialog settings
  shot 13-settings-general
  helper dlgtab settings 1070 2
  shot 14-settings-search
  helper dlgtab settings 1070 1
  read -r x y < <(helper dlgitem settings 1066)
  xdotool mousemove "$x" "$y" click 1
  shot 15-colour-chooser
  xdotool key Escape
  sleep 0.5
  helper answer settings 2  # 取消
  sleep 1

  # Minimised into the tray, with the due summary as a balloon; a double
  # click on the icon brings the window back.
  xdotool mousemove 900 700
  helper post 274 61472 0  # WM_SYSCOMMAND, SC_MINIMIZE
  sleep 2  # the notification area shows a balloon after a short delay
  shot 16-tray-balloon
  helper post 1124 143 515  # the icon's callback: left double click
  sleep 1

  # Maximised: the buttons at the right move, the list and tabs stretch.
  helper post 274 61488 0  # SC_MAXIMIZE
  shot 17-maximised
  helper post 274 61728 0  # SC_RESTORE
  sleep 1

  # Docked at the left edge ("最上层显示" and "边缘自动隐藏" are on): hidden
  # but for its strip once the mouse is elsewhere.
  helper move 0 150
  shot 18-docked-left
  xdotool mousemove 3 300
  sleep 2
  shot 19-docked-back
  helper move 250 150
  xdotool mousemove 900 700
  sleep 0.5

  # A change, so that closing asks whether to save it.
  click_row 1 1
  helper press 1014  # 更新
  sleep 0.5
  helper close
  helper dialog exit
  shot 5-exit-question
  helper answer exit 7  # 否: the sample data stays as it was
  sleep 2
}
if [[ ${1:-} == --session ]]; then
  session
  exit
fi

cd "$(dirname "$0")/.."
ROOT=$(pwd)
OUT=$(realpath -m "${1:-build/screenshots}")
mkdir -p "$OUT"

for tool in xvfb-run xdotool import wine x86_64-w64-mingw32-g++; do
  command -v "$tool" >/dev/null || { echo "screenshot.sh: $tool is missing (bash tools/setup.sh)"; exit 1; }
done

cmake --preset windows >/dev/null
cmake --build --preset windows --target Mirevo
HELPER=$ROOT/build/windows/screenshot_helper.exe
if [[ ! -f $HELPER || tools/screenshot_helper.cpp -nt $HELPER ]]; then
  x86_64-w64-mingw32-g++ -std=c++20 -O1 -static -municode -o "$HELPER" \
    tools/screenshot_helper.cpp -luser32
fi

# A prefix of its own (one per resolution): the session ends by stopping its
# wine server, which must not stop anything else.
DPI=${MIREVO_DPI:-96}
SCREEN=$((1024 * DPI / 96))x$((768 * DPI / 96))
suffix=""
[[ $DPI == 96 ]] || suffix="-$DPI"
export WINEPREFIX=${MIREVO_SCREENSHOT_PREFIX:-$ROOT/build/windows/screenshot-prefix$suffix}
source tools/wine_env.sh
mirevo_init_wineprefix
if [[ $DPI != 96 ]]; then
  wine reg add 'HKCU\Control Panel\Desktop' /v LogPixels /t REG_DWORD /d "$DPI" /f >/dev/null 2>&1
  wine reg add 'HKCC\Software\Fonts' /v LogPixels /t REG_DWORD /d "$DPI" /f >/dev/null 2>&1
  wineserver -w
fi

WORK=$(mktemp -d)
trap 'rm -rf "$WORK"' EXIT
bash tools/sample_data.sh "$WORK/data.mvd"
# Edge docking needs a window that stays on top.
printf 'topshow=1;AutoHide=1;' >"$WORK/mv.ini"
# A fourth work on "动画" with a preview picture (the program sees the
# folder through wine's drive Z:).
convert -size 400x300 gradient:'#f6d365'-'#fda085' -fill '#1b7f8c' \
  -draw 'circle 200,150 200,60' -fill white -draw 'polygon 170,105 170,195 250,150' \
  "$WORK/preview.jpg"
picture="Z:${WORK//\//\\}\\preview.jpg"
printf 'T=0;N=9;w=2;t=19:00;n=%s;v=4;s=2;d=%s;m=;p=%s;D=%s;k=;W=;c=0;' '有图的作品' \
  "$(date -d '2 days ago' '+%Y-%m-%d %H:%M')" "$picture" "$(date -d '5 days' '+%Y-%m-%d %H:%M')" |
  iconv -f UTF-8 -t CP936 >>"$WORK/data.mvd"
export ROOT OUT HELPER WORK SCREEN

xvfb-run -a -s "-screen 0 ${SCREEN}x24" bash "$ROOT/tools/screenshot.sh" --session
