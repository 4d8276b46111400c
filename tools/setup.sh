#!/usr/bin/env bash
# Installs on a Debian machine whatever the builds, the tests and the run
# command need and is missing; quick when everything is present. Both Wines
# where the kernel executes 32-bit programs: the i386 architecture brings
# wine32, so that one prefix runs the i686 and the x86_64 editions side by
# side. Wine's 32-bit display driver loads the 32-bit X libraries at run time
# and no package depends on them: without libxxf86vm1:i386 the 32-bit programs
# find no gamma ramp. Where the kernel refuses 32-bit programs, wine32 must not
# be there at all: Debian's wine command would start every program, 64-bit
# ones too, through its 32-bit loader.
# gcc-multilib builds the 32-bit stand-in for that library, the adapter that
# ignores ramp loads.
set -euo pipefail
here=$(cd "$(dirname "$0")" && pwd)

packages=(
    cmake g++ make python3 googletest libgtest-dev
    g++-mingw-w64-x86-64-posix g++-mingw-w64-i686-posix binutils-mingw-w64-x86-64 binutils-mingw-w64-i686
    wine wine64 fonts-wine fonts-liberation
    xserver-xorg-core xserver-xorg-video-dummy xvfb x11-utils x11-xserver-utils
    imagemagick liblcms2-dev liblcms2-utils xcalib pkg-config fp-utils nsis
    gcc-multilib
)

sudo=""
[ "$(id -u)" -ne 0 ] && sudo="sudo"
installed() { dpkg-query -W -f='${Status}' "$1" 2>/dev/null | grep -q 'install ok installed'; }

if "$here/probe_32bit.sh" >/dev/null; then
    packages+=(
        wine32:i386 libxxf86vm1:i386 libxrandr2:i386 libxrender1:i386 libxi6:i386 libxext6:i386
        libxcursor1:i386 libxinerama1:i386 libxcomposite1:i386 libxfixes3:i386
        libfreetype6:i386 libfontconfig1:i386
    )
elif installed wine32:i386; then
    echo "setup: removing wine32, which this kernel cannot execute"
    DEBIAN_FRONTEND=noninteractive $sudo apt-get remove -y -qq wine32:i386 >/dev/null
fi

missing=()
for package in "${packages[@]}"; do
    installed "$package" || missing+=("$package")
done
[ ${#missing[@]} -eq 0 ] && exit 0

echo "setup: installing ${missing[*]}"
[[ "${missing[*]}" != *:i386* ]] || dpkg --print-foreign-architectures | grep -qx i386 ||
    $sudo dpkg --add-architecture i386
$sudo apt-get update -qq
DEBIAN_FRONTEND=noninteractive $sudo apt-get install -y -qq --no-install-recommends "${missing[@]}" >/dev/null
