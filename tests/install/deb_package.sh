#!/usr/bin/env bash
# The Debian package: what it holds, what it depends on, that it installs into a scratch root,
# that the installed program runs from the menu entry for a new user, and that it purges clean.
#   deb_package.sh BUILD_DIR
set -euo pipefail
source "$(dirname "$0")/walk.sh"
build=$1

(cd "$build" && cpack -G DEB -B "$fern_scratch/cpack" > "$fern_scratch/cpack.log" 2>&1) \
    || { cat "$fern_scratch/cpack.log" >&2; fern_fail "cpack could not make the package"; }
deb=$(ls "$fern_scratch"/cpack/vantora-fernvales_*.deb)

contents=$(dpkg -c "$deb" | awk '{print $6}')
program_dir=./usr/lib/vantora-fernvales
for path in ./usr/bin/vantora-fernvales ./usr/share/applications/vantora-fernvales.desktop \
    ./usr/share/icons/hicolor/scalable/apps/vantora-fernvales.svg \
    ./usr/share/metainfo/com.vantorasoftware.fernvales.metainfo.xml \
    ./usr/share/man/man1/vantora-fernvales.1.gz ./usr/share/doc/vantora-fernvales/copyright \
    ./usr/share/doc/vantora-fernvales/changelog.gz \
    $program_dir/vantora-fernvales $program_dir/BTab.dat $program_dir/000/J0.dat \
    $program_dir/mimi.bmp $program_dir/mimimi.bmp; do
    grep -qx -- "$path" <<< "$contents" || fern_fail "the package lacks $path"
done
for size in 16 32 48 64 128 256; do
    icon=./usr/share/icons/hicolor/${size}x${size}/apps/vantora-fernvales.png
    grep -qx -- "$icon" <<< "$contents" || fern_fail "the package lacks $icon"
done

# Every library the program links comes from a package the package depends on, and what it
# opens by name (FluidSynth, sound font, fonts) is there too.
depends=$(dpkg-deb -f "$deb" Depends)
depended=$(tr ',|' '\n\n' <<< "$depends" | sed 's/(.*//; s/^ *//; s/ *$//')
resolved=$(ldd "$build/edition/vantora-fernvales")
for needed in $(objdump -p "$build/edition/vantora-fernvales" | awk '/NEEDED/ {print $2}'); do
    library=$(awk -v name="$needed" '$1 == name {print $3}' <<< "$resolved")
    # With /usr merged, a library may be known to dpkg under /lib or under /usr/lib.
    owner=$( (dpkg -S "$library" || dpkg -S "${library#/usr}" || dpkg -S "/usr$library") \
        2> /dev/null | head -n 1 | cut -d: -f1)
    [ -n "$owner" ] || fern_fail "no package holds $needed ($library)"
    grep -qx -- "$owner" <<< "$depended" || fern_fail "$needed comes from $owner, not a dependency: $depends"
done
for package in libqt6widgets6 libjpeg62-turbo libfluidsynth3 timgm6mb-soundfont \
    fonts-dejavu-core fonts-urw-base35; do
    grep -qx -- "$package" <<< "$depended" || fern_fail "no dependency on $package: $depends"
done

# Installed into a scratch root with its own package database.
root="$fern_scratch/root"
mkdir -p "$root/var/lib/dpkg/info" "$root/var/lib/dpkg/updates"
: > "$root/var/lib/dpkg/status"
dpkg --root="$root" --force-depends --force-not-root -i "$deb" > "$fern_scratch/dpkg.log" 2>&1 \
    || { cat "$fern_scratch/dpkg.log" >&2; fern_fail "dpkg could not install the package"; }
for size in 16 32 48 64 128 256; do
    png="$root/usr/share/icons/hicolor/${size}x${size}/apps/vantora-fernvales.png"
    # The PNG header holds the width and height as big-endian numbers at bytes 16 and 20.
    [ "$(od -An --endian=big -tu4 -j16 -N8 "$png" | tr -s ' ')" = " $size $size" ] \
        || fern_fail "$png is not $size x $size pixels"
done

# The metainfo, its menu entry and its icon agree as installed.
appstreamcli validate-tree --no-net "$root" > "$fern_scratch/appstream.log" 2>&1 \
    && ! grep -q dir-no-metadata-found "$fern_scratch/appstream.log" \
    || { cat "$fern_scratch/appstream.log" >&2; fern_fail "appstreamcli refuses the installed tree"; }

# Started as the menu starts it: the desktop entry's command, found on the PATH.
command=$(sed -n 's/^Exec=//p' "$root/usr/share/applications/vantora-fernvales.desktop")
fern_start_x
PATH="$root/usr/bin:$PATH"
fern_fresh_user_env "$fern_scratch/user"
fern_walk "${fern_user_env[@]}" $command
key="$fern_scratch/user/home/.config/Vantora Software Ltd/Vantora Fernvales/1.2.conf"
grep -q '^StateBits=' "$key" || fern_fail "no preference key after the first run"
# Without sound the program says so once, and has nothing else to say.
[ "$(cat "$fern_scratch/stderr.log")" = "Vantora Fernvales: no sound device found; running without sound." ] \
    || fern_fail "expected one line about the missing sound, got: $(cat "$fern_scratch/stderr.log")"

dpkg --root="$root" --force-not-root --purge vantora-fernvales > /dev/null
left=$(cd "$root" && find . -path ./var/lib/dpkg -prune -o ! -name . ! -name var ! -path ./var/lib -print)
[ -z "$left" ] || fern_fail "purging left files behind: $left"
echo "package $(basename "$deb"): contents, dependencies, run for a new user and purge are right"
