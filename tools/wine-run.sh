#!/usr/bin/env bash
# Runs one Windows program under Wine. Inside a session (tools/with-wine-session.sh) it uses the
# session's prefix and display; alone, it opens a private session for this one program.
set -u
here=$(cd "$(dirname "$0")" && pwd)
if [[ -n ${TB_WINE_SESSION:-} ]]; then
    exec "${TB_WINE:-/usr/lib/wine/wine64}" "$@"
fi
exec "$here/with-wine-session.sh" "${TB_DEFAULT_PREFIX:-$here/../build/wineprefix}" -- "${TB_WINE:-/usr/lib/wine/wine64}" "$@"
