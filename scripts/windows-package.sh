#!/usr/bin/env bash
# Lays out release/windows/ from the Windows build (build-win/): the program,
# the engine, the Qt and compiler run-time DLLs and the Qt plugins they load,
# then zips it as release/OrviLathe-<version>-windows-x64.zip, which unpacks
# into one folder that runs as it is. The interface catalogues, the icon and
# the documents are resources inside OrviLathe.exe.
set -euo pipefail
cd "$(dirname "$0")/.."
source scripts/windows-sdk.sh
win_sdk_unpack
[ -f build-win/OrviLathe.exe ] || { echo "No Windows build: run scripts/windows-build.sh first" >&2; exit 1; }
version=$(sed -n 's/^CMAKE_PROJECT_VERSION:STATIC=//p' build-win/CMakeCache.txt)
out=release/windows
rm -rf "$out" && mkdir -p "$out"

cp build-win/OrviLathe.exe build-win/OrviPackEngine.exe "$out/"
# Qt looks for its plugins in these folders beside the program.
for plugin in platforms/qwindows.dll platforms/qoffscreen.dll platforms/qminimal.dll \
              styles/qwindowsvistastyle.dll tls/qschannelbackend.dll tls/qcertonlybackend.dll \
              imageformats/qjpeg.dll imageformats/qgif.dll imageformats/qico.dll; do
  mkdir -p "$out/$(dirname "$plugin")"
  cp "$WIN_SDK/qt/plugins/$plugin" "$out/$plugin"
done

# Every DLL the executables and plugins import that the SDK provides,
# followed until nothing new turns up; system DLLs stay with Windows.
imports() { x86_64-w64-mingw32-objdump -p "$1" | sed -n 's/^\s*DLL Name: //p'; }
queue=("$out"/*.exe "$out"/*/*.dll)
while [ ${#queue[@]} -gt 0 ]; do
  file=${queue[0]}; queue=("${queue[@]:1}")
  for dll in $(imports "$file"); do
    if [ -f "$WIN_SDK/qt/bin/$dll" ] && [ ! -f "$out/$dll" ]; then
      cp "$WIN_SDK/qt/bin/$dll" "$out/$dll"
      queue+=("$out/$dll")
    fi
  done
done

# The SDK's run-time DLLs carry their debug sections; users need none.
find "$out" -name '*.exe' -o -name '*.dll' | xargs x86_64-w64-mingw32-strip --strip-unneeded

zip="release/OrviLathe-$version-windows-x64.zip"
rm -f "$zip"
folder="OrviLathe-$version-windows-x64"
staging=$(mktemp -d)
trap 'rm -rf "$staging"' EXIT
cp -r "$out" "$staging/$folder"
(cd "$staging" && python3 -m zipfile -c "$OLDPWD/$zip" "$folder")
echo "$out: $(find "$out" -type f | wc -l) files, $(du -sh "$out" | cut -f1)"
echo "$zip: $(du -h "$zip" | cut -f1)"
