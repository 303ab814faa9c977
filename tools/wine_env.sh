# Sourced by the tools: a private wine prefix inside the build folder, quiet,
# without the Mono and Gecko installers.
MIREVO_ROOT=${MIREVO_ROOT:-$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)}
export WINEPREFIX=${WINEPREFIX:-$MIREVO_ROOT/build/windows/wineprefix}
export WINEDEBUG=${WINEDEBUG:--all}
export WINEDLLOVERRIDES=${WINEDLLOVERRIDES:-mscoree,mshtml=}
export WINEARCH=win64

# Creates the prefix once, before anything runs in parallel inside it. The
# dialogs ask for the font 宋体 (SimSun), which a fresh prefix lacks: it is
# mapped to the CJK font Debian installs, so Chinese texts show as text.
# Programs run inside one virtual desktop: without a window manager wine
# otherwise waits about two seconds for every destroyed top-level window.
# The desktop "Mirevo" that the run and screenshot commands open has a task
# bar with the notification area.
mirevo_init_wineprefix() {
  if [[ ! -f $WINEPREFIX/.mirevo-ready-3 ]]; then
    mkdir -p "$WINEPREFIX"
    echo "wine: preparing the prefix in $WINEPREFIX"
    wineboot -i >/dev/null 2>&1 || true
    wineserver -w
    local reg=$WINEPREFIX/mirevo-fonts.reg
    # regedit reads UTF-16 with a byte-order mark and CRLF line ends.
    {
      printf '\xff\xfe'
      sed 's/$/\r/' <<'REG' | iconv -f UTF-8 -t UTF-16LE
Windows Registry Editor Version 5.00

[HKEY_LOCAL_MACHINE\Software\Microsoft\Windows NT\CurrentVersion\FontSubstitutes]
"宋体"="WenQuanYi Micro Hei"
"SimSun"="WenQuanYi Micro Hei"
"新宋体"="WenQuanYi Micro Hei"
"NSimSun"="WenQuanYi Micro Hei"

[HKEY_CURRENT_USER\Software\Wine\Explorer]
"Desktop"="Default"

[HKEY_CURRENT_USER\Software\Wine\Explorer\Desktops]
"Default"="1024x768"

[HKEY_CURRENT_USER\Software\Wine\Explorer\Desktops\Mirevo]
"EnableShell"=dword:00000001
REG
    } >"$reg"
    wine regedit /S "$reg" >/dev/null 2>&1 || true
    wineserver -w
    touch "$WINEPREFIX/.mirevo-ready-3"
  fi
  # Wine draws the title bar's buttons with Marlett, which it does not find
  # in Debian's data folder: without it they show as the letters "0 1 r".
  local marlett=/usr/share/wine/fonts/marlett.ttf
  if [[ -f $marlett && ! -f $WINEPREFIX/drive_c/windows/Fonts/marlett.ttf ]]; then
    cp "$marlett" "$WINEPREFIX/drive_c/windows/Fonts/"
  fi
}
