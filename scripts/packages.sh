# Debian packages the project needs, and installing the missing ones (sourced by the scripts).

# librsvg2-bin renders the icon's bitmap sizes from its SVG drawing; ghostscript renders the
# printing tests' PDF pages.
FERN_BUILD_PACKAGES="cmake ninja-build g++ pkg-config qt6-base-dev libqt6printsupport6 \
libjpeg62-turbo-dev libfluidsynth-dev timgm6mb-soundfont libgtest-dev \
fonts-dejavu-core fonts-urw-base35 librsvg2-bin ghostscript"

# The Debian package: dpkg-shlibdeps finds the packages of the libraries the program links.
FERN_PACKAGE_PACKAGES="dpkg-dev"

# The tests of the installed program: the desktop file and AppStream checkers, an X server
# without a screen, xdotool to walk through the program, xwd to photograph it, strace to
# watch its sockets.
FERN_TEST_PACKAGES="$FERN_PACKAGE_PACKAGES desktop-file-utils appstream xvfb xdotool x11-apps strace"

fern_install_packages() {
    local missing=()
    local package
    for package in "$@"; do
        dpkg-query -W -f='${Status}' "$package" 2>/dev/null | grep -q 'install ok installed' \
            || missing+=("$package")
    done
    [ ${#missing[@]} -eq 0 ] && return 0
    echo "Installing: ${missing[*]}"
    local sudo=""
    if [ "$(id -u)" -ne 0 ]; then
        if command -v sudo >/dev/null 2>&1; then
            sudo="sudo"
        else
            echo "These packages are missing and this user cannot install them: ${missing[*]}" >&2
            return 1
        fi
    fi
    $sudo apt-get update -qq
    DEBIAN_FRONTEND=noninteractive $sudo apt-get install -y -qq "${missing[@]}"
}

# Configures and builds a build directory: fern_build DIR TARGET [cmake options...]
# (TARGET "all" builds everything). Configuring again is quick and keeps the options true.
fern_build() {
    local dir=$1 target=$2
    shift 2
    cmake -S "$FERN_ROOT" -B "$dir" -G Ninja "$@" > /dev/null
    cmake --build "$dir" --target "$target" -j "$(nproc)"
}
