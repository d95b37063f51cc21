#!/usr/bin/env bash
# Builds the Debian package in Release, checks it with lintian, desktop-file-validate and
# appstreamcli, unpacks it into a fresh folder, finds the recording studio's files there and
# starts the installed program there as a learner would (read-only program folders, another
# user than the owner when run as root): saving the list must land in the learner's data
# folder. Then checks that a build without the content generator, fed the content archive,
# gives the same two folders byte for byte.
set -euo pipefail
cd "$(dirname "$0")/.."

build=build/package
cmake -S . -B "$build" -G Ninja -DCMAKE_BUILD_TYPE=Release -DLUMORA_BUILD_TESTS=OFF
cmake --build "$build" -j"$(nproc)" --target all lumora_content_archive
(cd "$build" && rm -f lumora_*.deb && cpack -G DEB >/dev/null)
deb=$(ls "$PWD/$build"/lumora_*.deb)
echo "== Package: $deb"

echo "== lintian"
lintian --fail-on error "$deb" || { echo "lintian found errors"; exit 1; }

work=$(mktemp -d)
trap 'chmod -R u+w "$work"; rm -rf "$work"' EXIT
root=$work/root
dpkg -x "$deb" "$root"
desktop-file-validate "$root"/usr/share/applications/*.desktop
appstreamcli validate --no-net "$root"/usr/share/metainfo/*.metainfo.xml

echo "== The recording studio comes with its manual, its menu entry and the content list it walks"
for file in bin/lumora-studio lib/lumora/lumora-content.tsv share/man/man1/lumora-studio.1.gz \
  share/applications/org.lumora.Lumora.Studio.desktop; do
  [ -e "$root/usr/$file" ] || { echo "the package lacks /usr/$file"; exit 1; }
done

echo "== The installed program keeps the learner's list in the learner's data folder"
cmake -S tests/installed -B build/package-driver -G Ninja -DCMAKE_BUILD_TYPE=Release >/dev/null
cmake --build build/package-driver >/dev/null
driver=$work/lumora_save_list_driver.so
cp build/package-driver/liblumora_save_list_driver.so "$driver"
learner=$work/learner
mkdir -p "$learner"
run_as_learner=()
if [ "$(id -u)" -eq 0 ]; then
  # root writes anywhere: the learner is another user, who cannot write the program folders
  chown nobody "$learner"
  chmod 755 "$work"
  run_as_learner=(setpriv --reuid=nobody --regid=nogroup --clear-groups)
else
  chmod -R a-w "$root"
fi
output=$(env HOME="$learner" XDG_DATA_HOME="$learner/data" XDG_RUNTIME_DIR= \
  QT_QPA_PLATFORM=offscreen SDL_AUDIODRIVER=dummy LD_PRELOAD="$driver" \
  "${run_as_learner[@]}" timeout 120 "$root/usr/bin/lumora")
echo "$output"
saved=$learner/data/Lumora/MemorizeFile.csv
[ "$output" = "count label: 0問" ] || { echo "the list was not read back"; exit 1; }
[ "$(od -An -c "$saved" | tr -s ' ')" = "$(printf '"0","","","","",""\r\n' | od -An -c | tr -s ' ')" ] ||
  { echo "no reset list in $saved"; exit 1; }
! find "$root" -name MemorizeFile.csv | grep -q . || { echo "the list landed in the program folder"; exit 1; }
echo "list saved in the learner's data folder: ${saved#"$learner"/}"

echo "== A build without the generator unpacks the same content"
archive_build=build/package-archive
cmake -S . -B "$archive_build" -G Ninja -DCMAKE_BUILD_TYPE=Release -DLUMORA_BUILD_TESTS=OFF \
  -DLUMORA_BUILD_CONTENT=OFF -DLUMORA_CONTENT_ARCHIVE="$PWD/$build/lumora-content.tar.zst" >/dev/null
cmake --build "$archive_build" --target lumora_content
for folder in 韓国語ヒヤリング音源 ハングル画像; do
  diff -r --no-dereference -x MemorizeFile.csv "$build/$folder" "$archive_build/$folder"
done
echo "package test passed"
