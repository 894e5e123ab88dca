#!/usr/bin/env bash
# scripts/release.sh from an existing build: the archive is named by the
# version, unpacks to exactly the files listed, ships the built module and a
# panel that lints clean, and its notices point at files it holds.
set -uo pipefail
root=$1 build=$2 work=$3
failures=0
fail() { echo "FAILED: $*"; failures=$((failures + 1)); }

rm -rf "$work"
mkdir -p "$work/unpacked"
archive=$("$root/scripts/release.sh" --no-build --build "$build" --out "$work/out") || { echo "FAILED: release.sh"; exit 1; }
version=$("$build/host/panelhost" --version | cut -d' ' -f2)
name=Vantor_Instr-$version
[ "$archive" = "$work/out/$name.zip" ] || fail "archive $archive, expected $work/out/$name.zip"
(cd "$work/out" && sha256sum --quiet -c "$name.zip.sha256") || fail "checksum"
(cd "$work/unpacked" && cmake -E tar xf "$archive") || { echo "FAILED: unpacking $archive"; exit 1; }

dir=$work/unpacked/$name
expected="INSTALL.md
LICENSE.txt
THIRD-PARTY-NOTICES.md
Vantor_Instr.gau
docs/panel-authors-sheet.md
docs/panel-buttons.md
licenses/cairo.txt
licenses/espeak-ng.txt
licenses/fonts-dejavu.txt
licenses/fonts-liberation.txt
licenses/gcc-mingw-w64.txt
licenses/mingw-w64.txt
licenses/sox.txt
panel/main_panel.bmp
panel/panel.cfg
panel/subpanel.bmp"
actual=$(cd "$work/unpacked" && find . -type f | sed "s|^\./$name/||" | LC_ALL=C sort)
[ "$actual" = "$expected" ] || { fail "archive contents:"; diff <(echo "$expected") <(echo "$actual"); }

cmp -s "$dir/Vantor_Instr.gau" "$build/windows/Vantor_Instr.gau" || fail "the archive's module is not the built one"
out=$("$build/host/panelhost" lint "$dir/panel/panel.cfg" --module "Vantor_Instr=$build/Vantor_Instr.so" 2>&1) ||
  fail "the shipped panel has lint findings: $out"
grep -q "^# Vantor_Instr $version: installing" "$dir/INSTALL.md" || fail "INSTALL.md does not name version $version"
! grep -q "@VERSION@" "$dir/INSTALL.md" || fail "INSTALL.md keeps a @VERSION@"
grep -q '^| 87 | `Generator_Light` |' "$dir/docs/panel-authors-sheet.md" || fail "the sheet lacks the last gauge"
for f in $(grep -o 'licenses/[^`]*\.txt\|`[a-z0-9-]*\.txt`' "$dir/THIRD-PARTY-NOTICES.md" | tr -d '`' | sed 's|^licenses/||' | sort -u); do
  [ -s "$dir/licenses/$f" ] || fail "THIRD-PARTY-NOTICES.md names licenses/$f, which the archive lacks"
done
grep -q "^MIT License" "$dir/LICENSE.txt" || fail "LICENSE.txt"

[ $failures -eq 0 ] && echo "release archive $name.zip checked"
exit $failures
