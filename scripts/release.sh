#!/usr/bin/env bash
# Makes the release archive Vantor_Instr-VERSION.zip (docs/release.md): the
# module, the ready panel with its backgrounds, the panel author's sheet, the
# parameter reference, install notes, the licence and third-party notices.
#
#   scripts/release.sh [--no-build] [--build DIR] [--out DIR]
#
# Builds the native preset first (which also builds the Windows module)
# unless --no-build; packs from DIR (default build/native) into the --out
# folder (default build/release) and prints the archive's path.
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
build=$root/build/native
out=$root/build/release
make_build=1
while [ $# -gt 0 ]; do
  case $1 in
    --no-build) make_build=0 ;;
    --build) build=$(realpath -m "$2"); shift ;;
    --out) out=$(realpath -m "$2"); shift ;;
    *) echo "usage: scripts/release.sh [--no-build] [--build DIR] [--out DIR]" >&2; exit 2 ;;
  esac
  shift
done
fail() { echo "release.sh: $*" >&2; exit 1; }

[ $make_build -eq 0 ] || "$root/scripts/build.sh" >&2

panelhost=$build/host/panelhost
gau=$build/windows/Vantor_Instr.gau
native=$build/Vantor_Instr.so
for f in "$panelhost" "$gau" "$native"; do
  [ -f "$f" ] || fail "$f is missing: build the native preset first"
done
# The version panelhost and the module's VERSIONINFO were both built with.
version=$("$panelhost" --version | sed -n 's/^panelhost \([0-9][0-9.]*\)$/\1/p')
[ -n "$version" ] || fail "cannot read the version from $panelhost --version"
name=Vantor_Instr-$version

work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
stage=$work/$name
mkdir -p "$stage/panel" "$stage/docs" "$stage/licenses"

cp "$gau" "$stage/"
cp "$root/examples/panel.cfg" "$stage/panel/"
# The backgrounds the panel names.
for bmp in $(sed -n 's/^[[:space:]]*file[[:space:]]*=[[:space:]]*\([^[:space:]]*\).*/\1/ip' "$root/examples/panel.cfg" | sort -u); do
  cp "$root/examples/$bmp" "$stage/panel/"
done
# A panel that does not lint clean is not shipped.
"$panelhost" lint "$stage/panel/panel.cfg" --module "Vantor_Instr=$native" >&2 ||
  fail "the panel does not lint clean"

"$panelhost" sheet "$native" --out "$stage/docs/panel-authors-sheet.md" >/dev/null
cp "$root/docs/panel-buttons.md" "$stage/docs/"
sed "s/@VERSION@/$version/g" "$root/release/INSTALL.md" > "$stage/INSTALL.md"
cp "$root/LICENSE" "$stage/LICENSE.txt"
cp "$root/release/THIRD-PARTY-NOTICES.md" "$stage/"

# The notices' full texts, as the Debian packages carry them.
licence() {  # licence NAME PACKAGE
  local file=/usr/share/doc/$2/copyright
  [ -f "$file" ] || fail "$file is missing (install $2: scripts/setup.sh)"
  cp "$file" "$stage/licenses/$1.txt"
}
licence fonts-dejavu fonts-dejavu-core
licence fonts-liberation fonts-liberation
licence cairo libcairo2
licence sox sox
licence espeak-ng espeak-ng
licence mingw-w64 mingw-w64-common
licence gcc-mingw-w64 gcc-mingw-w64-base

mkdir -p "$out"
archive=$out/$name.zip
rm -f "$archive"
(cd "$work" && cmake -E tar cf "$archive" --format=zip "$name")
(cd "$out" && sha256sum "$name.zip" > "$name.zip.sha256")
echo "$archive"
