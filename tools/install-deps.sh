#!/usr/bin/env bash
# Installs every Debian package that building, running and testing eboard needs.
# Idempotent: prints nothing and touches nothing when all packages are present.
set -euo pipefail

packages=(
  # toolchain
  build-essential cmake ninja-build pkg-config clang libclang-rt-14-dev clang-format
  # manual pages; Debian package checks
  scdoc lintian appstream
  # Qt 6
  qt6-base-dev qt6-base-dev-tools qt6-tools-dev qt6-tools-dev-tools qt6-l10n-tools qt6-wayland
  libqt6svg6 hicolor-icon-theme
  libgl-dev
  # devices, pointer injection, property lists
  libudev-dev libevdev-dev libxtst-dev libx11-dev libxrandr-dev libplist-dev
  # launching the companion as the desktop does
  libglib2.0-dev
  # tests and benchmarks
  libgtest-dev libgmock-dev libbenchmark-dev
  umockdev libumockdev-dev
  xvfb xauth xdotool x11-utils imagemagick trayer openbox
  # a Wayland session for the session test: weston (headless back end) with XWayland
  weston xwayland
  # a headless GNOME Shell session (mutter, XWayland) for the GNOME session test
  gnome-shell gnome-shell-extension-appindicator
  # outputs that change at run time: Xorg with the dummy video driver, and xrandr
  xserver-xorg-core xserver-xorg-video-dummy x11-xserver-utils
  dbus dbus-x11 libglib2.0-bin
  python3
  # fonts: Latin (en, fr, de) and Chinese/Japanese, for the windows and the picture generator
  fonts-liberation fonts-dejavu-core fonts-noto-cjk
)

missing=()
for p in "${packages[@]}"; do
  # dpkg-query prints "install ok installed" only for a fully installed package.
  status=$(dpkg-query -W -f='${Status}' "$p" 2>/dev/null || true)
  [[ "$status" == "install ok installed" ]] || missing+=("$p")
done
[[ ${#missing[@]} -eq 0 ]] && exit 0

echo "install-deps: installing ${missing[*]}" >&2
sudo_cmd=()
[[ $(id -u) -eq 0 ]] || sudo_cmd=(sudo)
export DEBIAN_FRONTEND=noninteractive
apt_opts=(-o DPkg::Lock::Timeout=600 -o Acquire::Retries=3 -qq)
"${sudo_cmd[@]}" apt-get "${apt_opts[@]}" update >/dev/null
"${sudo_cmd[@]}" apt-get "${apt_opts[@]}" install -y --no-install-recommends "${missing[@]}" >/dev/null
