#!/usr/bin/env bash
# CPack builds a .deb holding the installed files, whose dependencies name
# the Qt libraries, the run-time plugins and the font.
set -euo pipefail
build=$1
out=$(mktemp -d)
trap 'rm -rf "$out"' EXIT

cpack --config "$build/CPackConfig.cmake" -B "$out" >"$out/cpack.log" 2>&1 ||
    { cat "$out/cpack.log"; exit 1; }
deb=$(ls "$out"/*.deb)
depends=$(dpkg-deb -f "$deb" Depends)
echo "Depends: $depends"
for package in libqt6widgets6 libqt6gui6 libqt6core6 libqt6svg6 libqt6multimedia6 \
    qt6-qpa-plugins qt6-wayland fonts-liberation2; do
    grep -qE "(^|, )$package( |,|$)" <<<"$depends" || { echo "missing dependency: $package"; exit 1; }
done
contents=$(dpkg-deb -c "$deb")
for f in ./usr/games/tarvo-othello ./usr/games/tarvo-othello-engine \
    ./usr/lib/tarvo-othello/libtarvo-othello-sound.so \
    ./usr/share/man/man6/tarvo-othello.6.gz ./usr/share/man/man6/tarvo-othello-engine.6.gz \
    ./usr/share/applications/example.tarvo.Othello.desktop \
    ./usr/share/metainfo/example.tarvo.Othello.metainfo.xml \
    ./usr/share/tarvo-othello/tarvo-othello-help.html \
    ./usr/share/tarvo-othello/tarvo-othello.weights; do
    grep -q " $f\$" <<<"$contents" || { echo "not packaged: $f"; exit 1; }
done
[ "$(dpkg-deb -f "$deb" Version)" = "1.0.0" ]
echo "package as expected"
