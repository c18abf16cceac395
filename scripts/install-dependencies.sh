#!/usr/bin/env bash
# Installs, with apt, whatever the build or the tests need and the machine lacks; safe to run again.
# Usage: scripts/install-dependencies.sh play|test
set -euo pipefail

play_packages=(
    g++ cmake ninja-build            # compiler and build
    qt6-base-dev qt6-qpa-plugins     # Qt 6 Widgets and its platform plugins (X11, offscreen)
    qt6-wayland                      # Qt's Wayland plugin: native windows on Wayland desktops
    libgl-dev                        # OpenGL headers that Qt's CMake package asks for
    fonts-ipafont-gothic             # the Japanese Gothic faces the window asks for
    fonts-noto-cjk                   # fallback Japanese face
)
test_packages=(
    libgtest-dev libbenchmark-dev    # GoogleTest and Google Benchmark
    xvfb xauth xdotool imagemagick   # end-to-end test: a real X server, real input, real pixels
    openbox wmctrl                   # end-to-end test: a window manager, and a way to close the window
    qt6-gtk-platformtheme            # scripts/screenshot.sh --dark: a dark desktop, the GTK theme's Adwaita-dark
    weston                           # Wayland test: a headless compositor
    g++-mingw-w64-x86-64-posix mingw-w64-x86-64-dev   # the Windows build, cross-compiled with MinGW-w64
    wine                             # the Windows build's tests and end-to-end run (wine64: no 32-bit Wine needed)
    libarchive-tools unzip           # the Windows release's zip (bsdtar), read back by the check
    devscripts                       # hardening-check reads the Linux build's hardening
    clang-tidy clang-format          # static analysis and the layout check
    shellcheck                       # the shell scripts' lint
    dpkg-dev                         # makes the Debian source package (dpkg-source) and reads its changelog
    debootstrap                      # the brand-new Debian chroot the package is built and tested in
    reprotest                        # builds the package again with variations: it must be the same bytes
    autopkgtest                      # runs debian/tests against the installed package
    lintian                          # Debian's own checker must accept the source and binary packages
    diffoscope-minimal               # says what differs when two builds of the package or the release do
)

case "${1:-}" in
    play) wanted=("${play_packages[@]}") ;;
    test) wanted=("${play_packages[@]}" "${test_packages[@]}") ;;
    *) echo "usage: $0 play|test" >&2; exit 2 ;;
esac

missing=()
for package in "${wanted[@]}"; do
    if ! dpkg-query -W -f='${Status}' "$package" 2>/dev/null | grep -q 'install ok installed'; then
        missing+=("$package")
    fi
done
if [ ${#missing[@]} -eq 0 ]; then
    exit 0
fi

as_root=()
if [ "$(id -u)" -ne 0 ]; then
    as_root=(sudo)
fi
echo "Installing: ${missing[*]}"
"${as_root[@]}" apt-get update
"${as_root[@]}" env DEBIAN_FRONTEND=noninteractive apt-get install -y --no-install-recommends "${missing[@]}"
