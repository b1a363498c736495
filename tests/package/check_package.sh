#!/bin/sh
# Builds the Debian package, checks its control data and files, then installs it
# cleanly and starts the installed program (offscreen) to see that it runs.
set -eu
build=$1
cd "$build"
cpack -G DEB >/dev/null
deb=$(ls -t velunda_*.deb | head -n 1)
fail() { echo "package check: $*" >&2; exit 1; }

[ "$(dpkg-deb -f "$deb" Package)" = velunda ] || fail "package name"
[ "$(dpkg-deb -f "$deb" Architecture)" = "$(dpkg --print-architecture)" ] || fail "architecture"
[ "$(dpkg-deb -f "$deb" Section)" = education ] || fail "section"
depends=$(dpkg-deb -f "$deb" Depends)
for need in libqt6widgets6 libqt6gui6 libqt6core6 libqt6sql6-sqlite qt6-qpa-plugins fonts-noto-cjk; do
  echo "$depends" | grep -q "$need" || fail "Depends lacks $need: $depends"
done
files=$(dpkg-deb -c "$deb" | awk '{print $6}')
for f in ./usr/bin/velunda ./usr/share/applications/org.velunda.Velunda.desktop \
         ./usr/share/metainfo/org.velunda.Velunda.metainfo.xml \
         ./usr/share/icons/hicolor/scalable/apps/velunda.svg \
         ./usr/share/velunda/fonts/VelundaSerif-Regular.otf ./usr/share/velunda/fonts/VelundaSerif-Bold.otf \
         ./usr/share/velunda/fonts/VelundaSans-Regular.otf ./usr/share/velunda/fonts/VelundaSans-Bold.otf \
         ./usr/share/velunda/fonts/VelundaKai-Regular.ttf \
         ./usr/share/velunda/fonts/COPYRIGHT.fonts-noto-cjk ./usr/share/velunda/fonts/COPYRIGHT.fonts-arphic-ukai; do
  echo "$files" | grep -qx "$f" || fail "missing $f"
done
if echo "$files" | grep -q -E 'tst_|screenshots'; then fail "test programs in the package"; fi

# Install and start it, where this user may install packages.
if [ "$(id -u)" = 0 ]; then as_root=""; elif sudo -n true 2>/dev/null; then as_root="sudo -n"; else
  echo "package check: not root, installation skipped"; exit 0
fi
$as_root dpkg -i "$deb" >/dev/null
trap '$as_root dpkg -r velunda >/dev/null 2>&1 || true' EXIT
[ -x /usr/bin/velunda ] || fail "velunda not installed"
QT_QPA_PLATFORM=offscreen /usr/bin/velunda &
pid=$!
sleep 3
kill -0 "$pid" 2>/dev/null || fail "the installed program did not keep running"
grep -q /usr/share/velunda/fonts/ "/proc/$pid/maps" || { kill "$pid"; fail "the installed program does not draw with its own faces"; }
kill "$pid"
wait "$pid" 2>/dev/null || true
echo "package check: $deb installs and runs"
