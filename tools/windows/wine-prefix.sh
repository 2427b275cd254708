#!/usr/bin/env bash
# Sets up a Wine prefix for running the Windows build here: Arial and Arial Narrow
# mapped to the metric-compatible Liberation fonts, so the layout is measured as on
# Windows, and no crash debugger that would hold a failed run open. Safe to run again.
# Usage: tools/windows/wine-prefix.sh <prefix folder>
set -euo pipefail
export WINEPREFIX=$1 WINEDEBUG=-all WINEDLLOVERRIDES="mscoree,mshtml="
wine=/usr/lib/wine/wine64
[ -f "$WINEPREFIX/.quillmere" ] && exit 0
mkdir -p "$WINEPREFIX"
timeout 300 $wine wineboot -u
reg() { timeout 60 $wine reg "$@" >/dev/null; }
reg add 'HKLM\Software\Microsoft\Windows NT\CurrentVersion\AeDebug' /v Auto /t REG_SZ /d 0 /f
reg delete 'HKLM\Software\Microsoft\Windows NT\CurrentVersion\AeDebug' /v Debugger /f || true
reg add 'HKCU\Software\Wine\Fonts\Replacements' /v Arial /t REG_SZ /d 'Liberation Sans' /f
reg add 'HKCU\Software\Wine\Fonts\Replacements' /v 'Arial Narrow' /t REG_SZ /d 'Liberation Sans Narrow' /f
timeout 60 /usr/lib/wine/wineserver -w
touch "$WINEPREFIX/.quillmere"
