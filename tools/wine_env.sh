# Sourced by the tools: a private wine prefix inside the build folder, quiet,
# without the Mono and Gecko installers.
MIREVO_ROOT=${MIREVO_ROOT:-$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)}
export WINEPREFIX=${WINEPREFIX:-$MIREVO_ROOT/build/windows/wineprefix}
export WINEDEBUG=${WINEDEBUG:--all}
export WINEDLLOVERRIDES=${WINEDLLOVERRIDES:-mscoree,mshtml=}
export WINEARCH=win64

# Creates the prefix once, before anything runs in parallel inside it.
mirevo_init_wineprefix() {
  if [[ ! -f $WINEPREFIX/system.reg ]]; then
    mkdir -p "$WINEPREFIX"
    echo "wine: creating the prefix in $WINEPREFIX"
    wineboot -i >/dev/null 2>&1 || true
    wineserver -w
  fi
}
