#!/usr/bin/env bash
# The two set-up commands of the README:
#   ./dev.sh start   installs what is missing, builds, and starts the program
#   ./dev.sh test    installs what is missing, builds, and runs every test
set -euo pipefail
cd "$(dirname "$0")"

build_packages=(cmake ninja-build g++ pkg-config qt6-base-dev libxcb1-dev libsdl2-mixer-dev
                fonts-ipafont-gothic sound-theme-freedesktop)
test_packages=(clang-format libgtest-dev libgmock-dev libbenchmark-dev librapidcheck-dev
               xvfb xauth xdotool openbox x11-utils imagemagick at-spi2-core python3-pyatspi
               dbus dbus-x11 desktop-file-utils ibus ibus-anthy)

install_missing() {
    local missing=()
    for p in "$@"; do
        dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed" ||
            missing+=("$p")
    done
    [ ${#missing[@]} -eq 0 ] && return 0
    if [ "$(id -u)" -eq 0 ]; then
        apt-get update -q
        DEBIAN_FRONTEND=noninteractive apt-get install -y -q "${missing[@]}"
    else
        echo "Some Debian packages are missing. Install them with:" >&2
        echo "  sudo apt-get install -y ${missing[*]}" >&2
        exit 1
    fi
}

configure_and_build() {
    local dir=$1
    shift
    cmake -S . -B "$dir" -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo "$@"
    cmake --build "$dir"
}

case "${1:-}" in
start)
    install_missing "${build_packages[@]}"
    configure_and_build build -DVELUMO_BUILD_TESTS=OFF -DVELUMO_BUILD_BENCH=OFF
    exec ./build/velumo
    ;;
test)
    install_missing "${build_packages[@]}" "${test_packages[@]}"
    configure_and_build build -DVELUMO_BUILD_TESTS=ON -DVELUMO_WERROR=ON
    ctest --test-dir build --output-on-failure -j "$(nproc)"
    # Every test once more under AddressSanitizer and UndefinedBehaviorSanitizer.
    configure_and_build build-sanitize -DVELUMO_BUILD_TESTS=ON -DVELUMO_BUILD_BENCH=OFF \
        -DVELUMO_WERROR=ON -DVELUMO_SANITIZE=ON
    ctest --test-dir build-sanitize --output-on-failure -j "$(nproc)"
    ;;
*)
    echo "usage: $0 start | test" >&2
    exit 2
    ;;
esac
