#!/usr/bin/env bash
# cmake --install with an unusual prefix (with a space) under DESTDIR: the files a desktop
# expects, a desktop entry and AppStream metainfo that their checkers accept, and the launcher
# starting the program from there for a new user.
#   install_tree.sh BUILD_DIR
set -euo pipefail
source "$(dirname "$0")/walk.sh"
build=$1
prefix="/opt/fern vales"
stage="$fern_scratch/stage"

# cmake --install lists what it wrote in the build directory, the list a user's uninstall
# reads: the user's own list is put back.
manifest="$build/install_manifest.txt"
[ -f "$manifest" ] && cp "$manifest" "$fern_scratch/manifest"
DESTDIR="$stage" cmake --install "$build" --prefix "$prefix" > /dev/null
if [ -f "$fern_scratch/manifest" ]; then mv "$fern_scratch/manifest" "$manifest"; else rm -f "$manifest"; fi
top="$stage$prefix"
for path in bin/vantora-fernvales lib/vantora-fernvales/vantora-fernvales \
    lib/vantora-fernvales/BTab.dat lib/vantora-fernvales/000/J0.dat \
    share/applications/vantora-fernvales.desktop \
    share/icons/hicolor/scalable/apps/vantora-fernvales.svg \
    share/metainfo/com.vantorasoftware.fernvales.metainfo.xml; do
    [ -f "$top/$path" ] || fern_fail "the install lacks $path"
done
[ -x "$top/bin/vantora-fernvales" ] || fern_fail "the launcher is not executable"
for size in 16 32 48 64 128 256; do
    [ -f "$top/share/icons/hicolor/${size}x${size}/apps/vantora-fernvales.png" ] \
        || fern_fail "no $size pixel icon"
done

command -v desktop-file-validate > /dev/null || fern_fail "desktop-file-validate is missing (desktop-file-utils)"
command -v appstreamcli > /dev/null || fern_fail "appstreamcli is missing (appstream)"
desktop-file-validate "$top/share/applications/vantora-fernvales.desktop" \
    || fern_fail "desktop-file-validate refuses the desktop entry"
appstreamcli validate --no-net --pedantic "$top/share/metainfo/com.vantorasoftware.fernvales.metainfo.xml" \
    > "$fern_scratch/appstream.log" \
    || { cat "$fern_scratch/appstream.log" >&2; fern_fail "appstreamcli refuses the metainfo"; }
grep -q '<screenshot' "$top/share/metainfo/com.vantorasoftware.fernvales.metainfo.xml" \
    || fern_fail "the metainfo has no screenshot"

# Without a display the launcher says so in one line, before it makes anything.
fern_fresh_user_env "$fern_scratch/displayless"
"${fern_user_env[@]}" DISPLAY= "$top/bin/vantora-fernvales" > "$fern_scratch/out.log" 2> "$fern_scratch/err.log" \
    && fern_fail "the launcher started without a display"
[ ! -s "$fern_scratch/out.log" ] && [ "$(wc -l < "$fern_scratch/err.log")" = 1 ] \
    && grep -q 'xvfb-run' "$fern_scratch/err.log" \
    || fern_fail "without a display the launcher said: $(cat "$fern_scratch/out.log" "$fern_scratch/err.log")"
[ -z "$(ls -A "$fern_scratch/displayless/home")" ] || fern_fail "the launcher made files without a display"

# The launcher finds the program from its own place, creates the key, and the program runs.
fern_start_x
fern_fresh_user_env "$fern_scratch/user"
fern_walk "${fern_user_env[@]}" "$top/bin/vantora-fernvales"
[ -f "$fern_scratch/user/home/.config/Vantora Software Ltd/Vantora Fernvales/1.2.conf" ] \
    || fern_fail "the launcher made no preference key"
echo "install under \"$prefix\": files, desktop entry, metainfo and a first run are right"
