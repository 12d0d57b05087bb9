#!/usr/bin/env bash
# Installs the Debian/Ubuntu packages that building and testing Vardek need; a quick no-op when
# they are all present.
set -euo pipefail

packages=(
    cmake g++ make libgtest-dev libbenchmark-dev # host build and behaviour tests
    g++-mingw-w64-x86-64                         # cross build of vardek.exe and the e2e driver
    clang lld llvm g++-mingw-w64-x86-64-win32    # the same with Clang (scripts/build-clang.sh)
    wine wine64 xvfb xauth imagemagick           # running them on a virtual screen, screenshots
    fonts-noto-cjk                               # Japanese captions under Wine
    xserver-xorg-core xserver-xorg-video-dummy   # desks of several monitors (scripts/desk.sh)
    x11-xserver-utils                            # xrandr, which lays those monitors out
    clang-format clang-tidy                      # formatting and static analysis (scripts/tidy.sh)
    zip unzip                                    # the release package and its check (scripts/package.sh)
)

missing=()
for package in "${packages[@]}"; do
    if ! dpkg-query -W -f='${Status}' "$package" 2>/dev/null | grep -q 'install ok installed'; then
        missing+=("$package")
    fi
done
if [[ ${#missing[@]} -eq 0 ]]; then
    exit 0
fi

echo "install-deps: installing ${missing[*]}"
sudo=()
if [[ "$(id -u)" -ne 0 ]]; then
    sudo=(sudo)
fi
"${sudo[@]}" env DEBIAN_FRONTEND=noninteractive apt-get update
"${sudo[@]}" env DEBIAN_FRONTEND=noninteractive apt-get install -y "${missing[@]}"
