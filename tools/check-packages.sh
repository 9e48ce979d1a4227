#!/usr/bin/env bash
# Builds the Debian packages as Debian builds software (a Release build with
# dpkg-buildflags' hardening flags, installed under /usr, stripped) and runs lintian on
# each, and validates the AppStream metainfo. Exits non-zero when the build fails, the
# metainfo is not valid or lintian reports an error; warnings are printed (the README's
# packaging section says why each one that is left is there).
#   EBOARD_PACKAGE_BUILD_DIR  build directory (default: build-deb)
set -euo pipefail

root=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)
build=${EBOARD_PACKAGE_BUILD_DIR:-$root/build-deb}
out="$build/packages"

cd "$root"
tools/install-deps.sh

# The flags a Debian package build uses (fortify, stack protector, relro, bindnow).
export DEB_BUILD_MAINT_OPTIONS=hardening=+all
CFLAGS="$(dpkg-buildflags --get CFLAGS) $(dpkg-buildflags --get CPPFLAGS)"
CXXFLAGS="$(dpkg-buildflags --get CXXFLAGS) $(dpkg-buildflags --get CPPFLAGS)"
LDFLAGS=$(dpkg-buildflags --get LDFLAGS)
export CFLAGS CXXFLAGS LDFLAGS

cmake -S . -B "$build" -G Ninja \
  -DCMAKE_BUILD_TYPE=Release \
  -DCMAKE_INSTALL_PREFIX=/usr \
  -DEBOARD_BUILD_TESTS=OFF \
  -DEBOARD_BUILD_BENCHMARKS=OFF >/dev/null
cmake --build "$build" -j2

rm -rf "$out"
mkdir -p "$out"
(cd "$build" && cpack -G DEB -B "$out" >/dev/null)
mapfile -t debs < <(find "$out" -maxdepth 1 -name '*.deb' | sort)
if [[ ${#debs[@]} -ne 4 ]]; then
  echo "check-packages: expected 4 packages, found ${#debs[@]}: ${debs[*]}" >&2
  exit 1
fi

# The uinput rule is opt-in: only its own package carries it.
for deb in "${debs[@]}"; do
  contents=$(dpkg-deb -c "$deb")
  case $(basename "$deb") in
    eboard-uinput-access_*)
      grep -q '61-eboard-uinput.rules$' <<<"$contents" ||
        { echo "check-packages: $(basename "$deb") lacks the uinput rule" >&2; exit 1; }
      [[ $(dpkg-deb -f "$deb" Depends) == "eboard (= $(dpkg-deb -f "$deb" Version))" ]] ||
        { echo "check-packages: $(basename "$deb") must depend on its eboard" >&2; exit 1; } ;;
    *)
      if grep -q 'uinput' <<<"$contents"; then
        echo "check-packages: $(basename "$deb") carries uinput access" >&2
        exit 1
      fi ;;
  esac
done

echo "check-packages: packages (file size, installed size):"
for deb in "${debs[@]}"; do
  installed=$(dpkg-deb -f "$deb" Installed-Size)
  printf '  %-48s %8s bytes  %6s KiB installed\n' "$(basename "$deb")" \
    "$(stat -c %s "$deb")" "$installed"
done

# The AppStream metainfo as installed: valid, and offering the package for the unit.
metainfo=$(mktemp -d)
trap 'rm -rf "$metainfo"' EXIT
dpkg-deb -x "$out"/eboard_*.deb "$metainfo"
appstreamcli validate --no-net "$metainfo"/usr/share/metainfo/com.jux.eBoardAgent.metainfo.xml
grep -q '<modalias>usb:v2A3Cp1201d\*</modalias>' \
  "$metainfo"/usr/share/metainfo/com.jux.eBoardAgent.metainfo.xml ||
  { echo "check-packages: the metainfo does not name the unit's USB id" >&2; exit 1; }

echo "check-packages: lintian"
status=0
lintian --fail-on error --display-info --tag-display-limit 0 "${debs[@]}" || status=$?
if [[ $status -ne 0 ]]; then
  echo "check-packages: lintian reports errors" >&2
  exit "$status"
fi
echo "check-packages: no lintian errors"
