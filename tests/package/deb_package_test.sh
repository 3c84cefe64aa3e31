#!/usr/bin/env bash
# Builds the Debian package from a built tree and meets it as a user's machine would: its
# dependencies, its files once unpacked with dpkg -x, its programs starting from there without a
# display, its AppStream metadata, and the window keeping its mode files in the user's data folder.
#   deb_package_test.sh BUILD_DIR
set -euo pipefail
build=$1
id=io.github.dsppanel.DspPanel
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
fail() { echo "deb package: $*" >&2; exit 1; }

cpack --config "$build/CPackConfig.cmake" -B "$work/out" >"$work/cpack.log" 2>&1 || { cat "$work/cpack.log" >&2; fail "cpack failed"; }
debs=("$work"/out/*.deb)
[ ${#debs[@]} -eq 1 ] && [ -f "${debs[0]}" ] || fail "expected one .deb, found: ${debs[*]}"
deb=${debs[0]}

depends=$(dpkg-deb -f "$deb" Depends)
for package in libqt6core6 libqt6gui6 libqt6widgets6 libqt6serialport6 libqt6network6 libstdc++6 libc6 qt6-qpa-plugins; do
  grep -q "\b$package\b" <<<"$depends" || fail "Depends lacks $package: $depends"
done
if grep -q "libqt6svg6" <<<"$depends"; then fail "Depends names libqt6svg6, which only the build needs: $depends"; fi

dpkg -x "$deb" "$work/root"
for file in usr/bin/dsp-panel usr/bin/dsp-device-sim usr/bin/dsp-modefile \
            "usr/share/applications/$id.desktop" "usr/share/metainfo/$id.metainfo.xml" \
            "usr/share/icons/hicolor/scalable/apps/$id.svg"; do
  [ -f "$work/root/$file" ] || fail "missing $file"
done
for size in 16 24 32 48 64 128 256; do
  png="$work/root/usr/share/icons/hicolor/${size}x${size}/apps/$id.png"
  [ -f "$png" ] || fail "missing the ${size}px icon"
  [ "$(head -c 8 "$png" | od -An -tx1 | tr -d ' \n')" = "89504e470d0a1a0a" ] || fail "the ${size}px icon is no PNG"
done
appstreamcli validate --no-net "$work/root/usr/share/metainfo/$id.metainfo.xml" >"$work/appstream.log" 2>&1 ||
  { cat "$work/appstream.log" >&2; fail "appstreamcli refuses the metadata"; }

bin=$work/root/usr/bin
version=$(env -u DISPLAY -u WAYLAND_DISPLAY QT_QPA_PLATFORM= "$bin/dsp-panel" --version)
grep -q "1\.1\.6" <<<"$version" || fail "dsp-panel --version printed: $version"
"$bin/dsp-modefile" --help | grep -q "usage: dsp-modefile" || fail "dsp-modefile --help"
"$bin/dsp-device-sim" --help | grep -q "usage: dsp-device-sim" || fail "dsp-device-sim --help"

# Installed where its user cannot write, the window makes its mode folders in the user's data folder.
# Root may write anywhere, so as root the window runs as nobody.
chmod -R a+rX "$work"
chmod a-w "$bin"
mkdir -p "$work/data"
chmod a+rwx "$work/data"
as_user=()
if [ "$(id -u)" -eq 0 ]; then as_user=(setpriv --reuid=65534 --regid=65534 --clear-groups); fi
status=0
"${as_user[@]}" env XDG_DATA_HOME="$work/data" XDG_RUNTIME_DIR="$work/data" QT_QPA_PLATFORM=offscreen \
  timeout -s TERM 3 "$bin/dsp-panel" --port /dev/no-such-port >/dev/null 2>&1 || status=$?
[ "$status" -eq 0 ] || [ "$status" -eq 124 ] || fail "the window ended with status $status"
[ ! -e "$bin/Mode" ] || fail "the window made its mode folder beside the installed program"
find "$work/data" -type d -path "*/Mode/DSP MODE" | grep -q . || fail "no mode folder in the user's data folder"
echo "deb package: $(basename "$deb") good"
