#!/usr/bin/env bash
# panelhost from the command line: listing, dumping, a scenario, and the
# messages for bad input.
set -uo pipefail
panelhost=$1 module=$2 data=$3 bitmaps=$4
module_dir=$(dirname "$module")
failures=0
check() {  # check DESCRIPTION PATTERN TEXT
  if ! grep -qE -- "$2" <<<"$3"; then
    echo "FAILED: $1: no line matches /$2/ in:"; echo "$3" | head -40
    failures=$((failures + 1))
  fi
}

out=$("$panelhost" --version) || failures=$((failures + 1))
check "version" '^panelhost [0-9]+\.[0-9]+\.[0-9]+$' "$out"

out=$("$panelhost" list "$module" --bitmaps "$bitmaps") || failures=$((failures + 1))
check "list count" '^88 gauges$' "$out"
check "list first" '^ 0 Registration +150 mm  callback yes +150x25 px$' "$out"
check "list size" '^28 Airspeed +100 mm  callback no +300x300 px$' "$out"

out=$("$panelhost" dump "$module" Airspeed --bitmaps "$bitmaps") || failures=$((failures + 1))
check "dump background" '^  static bitmap 430 \(300x300\) at \(0, 0\) flags 0x4003' "$out"
check "dump mouse" '^   0 parent \(0, 0, 0, 0\) cursor -1 help id 0xAB02' "$out"

out=$(cd "$data" && "$panelhost" scenario --panel panel.cfg --scenario basic.scenario --gauges "$module_dir" \
      --bitmaps "$bitmaps" --trace) || failures=$((failures + 1))
check "print number" '^\[frame 0\] token 61 = 120.5$' "$out"
check "print packed" '^\[frame 0\] token 23 = 0x3697$' "$out"
check "print named" '^\[frame 0\] A:RECIP CARBURETOR TEMPERATURE:1 = 5 celsius$' "$out"
check "hover after half a second" '^\[frame 9\] hover Airspeed \(150,150\): "Airspeed indicator' "$out"
check "show" '^  static 430 flags 0x4003$' "$out"
check "windows" '^\[frame 12\] \[Window01\] ident RADIO_STACK_PANEL open$' "$out"
check "log" '^\[frame 36\] key frame 9: 0x10128 0 \(scenario, no handler\)$' "$out"
check "key events" '^key events:$' "$out"
check "window change" '^  frame 9: window 50 \(RADIO_STACK_PANEL\) opened$' "$out"
check "trace pre-install" '^  frame 0 Radios_Toggle service 2 parameters "t50"$' "$out"
check "trace connect on open" '^  frame 9 Radio_COM1 service 14$' "$out"
check "trace kill" '^  frame 36 Radio_COM1 service 12' "$out"

err=$(cd "$data" && "$panelhost" scenario --panel bad_panel.cfg --scenario basic.scenario --gauges "$module_dir" 2>&1)
[ $? -eq 1 ] || { echo "FAILED: bad panel exit code"; failures=$((failures + 1)); }
check "bad panel" '^panelhost: bad_panel.cfg:5: gauge01 x: expected a whole number, found "ten"$' "$err"

err=$(cd "$data" && "$panelhost" scenario --panel missing_gauge.cfg --scenario basic.scenario --gauges "$module_dir" 2>&1)
[ $? -eq 1 ] || { echo "FAILED: missing gauge exit code"; failures=$((failures + 1)); }
check "missing gauge" '^panelhost: missing_gauge.cfg:3: gauge01: module Vantor_Instr has no gauge named "Altimeterr"; did you mean "Altimeter"\?$' "$err"

err=$(cd "$data" && "$panelhost" scenario --panel panel.cfg --scenario bad.scenario --gauges "$module_dir" 2>&1)
[ $? -eq 1 ] || { echo "FAILED: bad scenario exit code"; failures=$((failures + 1)); }
check "bad scenario" '^panelhost: bad.scenario:3: unknown command "clik"$' "$err"

err=$(cd "$data" && "$panelhost" scenario --panel panel.cfg --scenario basic.scenario --gauges /nonexistent 2>&1)
check "missing module" '^panelhost: panel.cfg:13: gauge00: module Vantor_Instr not found \(looked in /nonexistent, \.\)$' "$err"

# A bare module file name is the file in the current folder, not a search of
# the library path.
out=$(cd "$module_dir" && "$panelhost" list "$(basename "$module")" --bitmaps "$bitmaps") || failures=$((failures + 1))
check "bare module file name" '^88 gauges$' "$out"
out=$(cd "$module_dir" && "$panelhost" scenario --panel "$data/panel.cfg" --scenario "$data/basic.scenario" \
      --module "Vantor_Instr=$(basename "$module")" --bitmaps "$bitmaps") || failures=$((failures + 1))
check "bare --module file name" '^\[frame 0\] token 61 = 120.5$' "$out"

# A folder given as a file is an error.
err=$("$panelhost" scenario --panel "$data" --scenario "$data/basic.scenario" --gauges "$module_dir" 2>&1)
[ $? -eq 1 ] || { echo "FAILED: folder as panel exit code"; failures=$((failures + 1)); }
check "folder as panel" "^panelhost: cannot open panel configuration .*: it is a folder$" "$err"

# Without --gauges or --module, scenario finds the module of the build, as
# the drawing commands do; list and dump take it as their default too.
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
printf 'set 9999 1\nset A:NO SUCH THING 2\nset 84 90\nset 855 120\nwait 1\nhover Directionnal_Gyro 150 150\n' \
  > "$work/warn.scenario"
printf '[Window00]\nsize_mm=300\ngauge00=Vantor_Instr!Directionnal_Gyro, 0, 0\n' > "$work/gyro.cfg"
out=$(cd "$work" && LC_ALL=C.UTF-8 "$panelhost" scenario --panel gyro.cfg --scenario warn.scenario \
      --bitmaps "$bitmaps" 2>&1) || { echo "FAILED: scenario without --gauges: $out"; failures=$((failures + 1)); }
check "unknown token set" '^  .*warn.scenario:1: set 9999: the simulation has no variable with this token' "$out"
check "unknown name set" '^  .*warn.scenario:2: set A:NO SUCH THING: the simulation has no variable named NO SUCH THING' "$out"
# The module's degree sign (Windows-1252 0xB0) printed in the terminal's UTF-8.
check "degree sign in UTF-8" $'Heading 90\xC2\xB0 - Desired heading 120\xC2\xB0' "$out"
out=$(LC_ALL=C.UTF-8 "$panelhost" dump Directionnal_Gyro --bitmaps "$bitmaps") || failures=$((failures + 1))
check "dump by default module" $'"Gyro-magnetic compass \\(Heading %1!d!\xC2\xB0' "$out"
out=$("$panelhost" list --bitmaps "$bitmaps") || failures=$((failures + 1))
check "list by default module" '^88 gauges$' "$out"
check "list names the module it read" "^module $(cd "$module_dir" && pwd)/$(basename "$module") \(the module built beside panelhost\)$" "$out"

# The command line explains itself: every command in the usage, help for one,
# and the nearest names for a mistake.
out=$("$panelhost" --help) || failures=$((failures + 1))
for c in list dump scenario lint render run gallery sheet help; do check "usage lists $c" "^  panelhost $c " "$out"; done
out=$("$panelhost" help scenario) || failures=$((failures + 1))
check "help scenario" '^  --trace ' "$out"
err=$("$panelhost" galery 2>&1); [ $? -eq 2 ] || { echo "FAILED: unknown command exit code"; failures=$((failures + 1)); }
check "unknown command" '^panelhost: unknown command "galery"; did you mean "gallery"\? \(panelhost --help lists the commands\)$' "$err"
err=$("$panelhost" dump Airsped --bitmaps "$bitmaps" 2>&1)
check "dump did you mean" 'has no gauge named "Airsped"; did you mean "Airspeed"\?' "$err"
err=$("$panelhost" scenario --panel "$data/panel.cfg" --scenari x 2>&1)
check "option did you mean" '^panelhost: unknown option --scenari; did you mean "--scenario"\? \(panelhost help scenario\)$' "$err"

# lint: nothing to say about the example panel; findings as FILE:LINE: and
# exit status 1; an unreadable panel or a bad command line 2.
examples=$(cd "$data/../../../examples" && pwd)
out=$("$panelhost" lint "$examples/panel.cfg" --bitmaps "$bitmaps"); status=$?
[ $status -eq 0 ] && [ -z "$out" ] || { echo "FAILED: lint of the example: status $status: $out"; failures=$((failures + 1)); }
out=$(cd "$data" && "$panelhost" lint missing_gauge.cfg --gauges "$module_dir" --bitmaps "$bitmaps"); status=$?
[ $status -eq 1 ] || { echo "FAILED: lint findings exit code $status"; failures=$((failures + 1)); }
check "lint finding" '^missing_gauge.cfg:3: gauge01: module Vantor_Instr has no gauge named "Altimeterr"; did you mean "Altimeter"\?$' "$out"
check "lint count" '^1 finding$' "$out"
for bad in "lint $data/bad_panel.cfg" "lint $data/no_such.cfg" "lint" "lint $data/panel.cfg --scenario x" "lint --bogus"; do
  # shellcheck disable=SC2086
  err=$("$panelhost" $bad 2>&1 >/dev/null); status=$?
  [ $status -eq 2 ] || { echo "FAILED: $bad: exit code $status, expected 2"; failures=$((failures + 1)); }
done
check "lint unreadable" '^panelhost: .*bad_panel.cfg:5: gauge01 x: expected a whole number, found "ten"$' \
  "$("$panelhost" lint "$data/bad_panel.cfg" 2>&1)"

[ $failures -eq 0 ] && echo "all panelhost checks passed"
exit $failures
