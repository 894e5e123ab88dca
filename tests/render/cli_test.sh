#!/usr/bin/env bash
# The drawing commands end to end on the example panel and its scenarios.
# usage: cli_test.sh PROGRAM EXAMPLES_DIR WORK_DIR
set -euo pipefail
program=$1 examples=$2 work=$3
rm -rf "$work" && mkdir -p "$work"
fail() { echo "FAIL: $*" >&2; exit 1; }
png_size() { od -An -tu1 -j16 -N8 "$1" | awk '{printf "%d x %d\n", $1*16777216+$2*65536+$3*256+$4, $5*16777216+$6*65536+$7*256+$8}'; }

# Each example scenario runs to its end and renders.
for s in "$examples"/*.scenario; do
  out="$work/$(basename "$s" .scenario).png"
  "$program" render --panel "$examples/panel.cfg" --scenario "$s" --out "$out" >/dev/null || fail "render with $s"
  [ -s "$out" ] || fail "no picture for $s"
done

# A moment of a scenario: the commands at 10 s (frame 180) run and the
# gauges show them after the next update.
said=$("$program" render --panel "$examples/panel.cfg" --scenario "$examples/cold_and_dark.scenario" --at 10 --out "$work/at10.png")
[[ "$said" == *"frame 181,"* ]] || fail "--at 10 reported: $said"
# Only the main window is open: its 1500 x 820 plus margins and title.
[ "$(png_size "$work/at10.png")" = "1524 x 870" ] || fail "main window alone is $(png_size "$work/at10.png")"
# The cruise opens two subpanels, drawn below it.
[ "$(png_size "$work/cruise.png")" != "1524 x 870" ] || fail "cruise subpanels missing"

# Frames: one file per frame of a short scenario.
printf 'set 61 100\nwait 3\nset 61 120\nwait 2\n' > "$work/short.scenario"
"$program" run --panel "$examples/panel.cfg" --scenario "$work/short.scenario" --frames "$work/frames" >/dev/null
[ "$(ls "$work/frames" | wc -l)" -eq 5 ] || fail "expected 5 frames, found $(ls "$work/frames" | wc -l)"

# A bad scenario line is reported with its file and line.
printf 'wait 1\nfly away\n' > "$work/bad.scenario"
if "$program" render --panel "$examples/panel.cfg" --scenario "$work/bad.scenario" --out "$work/bad.png" 2> "$work/err"; then
  fail "bad scenario accepted"
fi
grep -q "bad.scenario:2" "$work/err" || fail "error does not name the line: $(cat "$work/err")"

# Bad numbers and paths on the command line end with a message and exit 1.
refused() {  # refused PATTERN ARGS...: exit 1 and a message matching PATTERN
  local pattern=$1; shift
  local status=0
  "$program" "$@" > /dev/null 2> "$work/err" || status=$?
  [ $status -eq 1 ] || fail "$* exited $status"
  grep -qE -- "$pattern" "$work/err" || fail "$*: $(head -c 300 "$work/err")"
}
refused '^panelhost: --hover expects a whole number from -2147483648 to 2147483647, found 1e10$' \
  render --panel "$examples/panel.cfg" --out "$work/h.png" --hover Airspeed 1e10 5
refused '^panelhost: --every expects a whole number from 1 to 1555200, found 1e300$' \
  run --panel "$examples/panel.cfg" --scenario "$work/short.scenario" --frames "$work/f2" --every 1e300
refused '--every expects a whole number' \
  run --panel "$examples/panel.cfg" --scenario "$work/short.scenario" --frames "$work/f2" --every 1e19
refused '^panelhost: cannot make the folder .*short.scenario for the frames$' \
  run --panel "$examples/panel.cfg" --scenario "$work/short.scenario" --frames "$work/short.scenario"
printf '[Window00]\nsize_mm=16384,1\n[Window01]\nsize_mm=16384,1\n[Window02]\nsize_mm=16384,1\n' > "$work/wide.cfg"
refused '^panelhost: the open windows make a picture of 32804 x 90 pixels; at most 32767 a side can be drawn$' \
  render --panel "$work/wide.cfg" --out "$work/wide.png"
printf 'wait 1\nwait 9223372036854775807\n' > "$work/long.scenario"
refused 'long.scenario:2: at most 1555200 frames' \
  render --panel "$examples/panel.cfg" --scenario "$work/long.scenario" --out "$work/long.png"

# render and run read scenarios as the scenario command does: frame counts are
# decimal, and each logged key event is listed once.
printf 'wait 010\n' > "$work/ten.scenario"
said=$("$program" render --panel "$examples/panel.cfg" --scenario "$work/ten.scenario" --out "$work/ten.png")
[[ "$said" == *"frame 10,"* ]] || fail "wait 010 reported: $said"
printf 'key 0x10128\nlog\nwait 1\nkey 0x10128\nlog\n' > "$work/log.scenario"
said=$("$program" run --panel "$examples/panel.cfg" --scenario "$work/log.scenario" --frames "$work/f3")
[ "$(grep -c '^\[frame [0-9]*\] key frame 0: .*(scenario' <<<"$said")" -eq 1 ] || fail "log repeated: $said"
grep -q '^\[frame 1\] key frame 1: 0x10128' <<<"$said" || fail "second log: $said"

# --at T draws what the commands at T set: the same picture as a scenario
# that sets it at once, and not the one before.
printf 'set 61 100\nwait 1s\nset 61 200\nwait 1s\nset 61 300\n' > "$work/steps.scenario"
printf 'set 61 200\n' > "$work/at_once.scenario"
printf 'set 61 100\n' > "$work/before.scenario"
"$program" render --gauge Airspeed --scenario "$work/steps.scenario" --at 1 --out "$work/steps.png" >/dev/null
"$program" render --gauge Airspeed --scenario "$work/at_once.scenario" --out "$work/at_once.png" >/dev/null
"$program" render --gauge Airspeed --scenario "$work/before.scenario" --out "$work/before.png" >/dev/null
cmp -s "$work/steps.png" "$work/at_once.png" || fail "--at 1 does not show the value set at 1 s"
! cmp -s "$work/steps.png" "$work/before.png" || fail "--at 1 shows the value from before 1 s"
# Past the end: drawn, with a warning.
"$program" render --gauge Airspeed --scenario "$work/steps.scenario" --at 5 --out "$work/late.png" >/dev/null 2> "$work/err"
grep -q "warning: --at 5.00 s lies past the end of .*steps.scenario (2.00 s)" "$work/err" || fail "no warning past the end: $(cat "$work/err")"

# One gauge enlarged, its text drawn at the new size.
said=$("$program" render --gauge Bendix_DME --scale 3 --out "$work/dme.png")
[ "$(png_size "$work/dme.png")" = "357 x 177" ] || fail "DME at 3x is $(png_size "$work/dme.png")"
if "$program" render --gauge Bendix_DMEE --out "$work/none.png" 2> "$work/err"; then fail "unknown --gauge accepted"; fi
grep -q 'has no gauge named "Bendix_DMEE"; did you mean "Bendix_DME"?' "$work/err" || fail "unknown --gauge: $(cat "$work/err")"

# A misspelt --hover gauge is an error.
if "$program" render --panel "$examples/panel.cfg" --out "$work/h.png" --hover Airsped 10 10 2> "$work/err"; then
  fail "misspelt --hover accepted"
fi
grep -q -- '--hover Airsped: gauge "Airsped" is not placed on the panel; did you mean "Airspeed"?' "$work/err" ||
  fail "--hover: $(cat "$work/err")"

# A window background that cannot be read, and a font that is missing, are
# told; the picture is still drawn.
mkdir -p "$work/panel"
sed 's/^file=main_panel.bmp/file=no_such.bmp/' "$examples/panel.cfg" > "$work/panel/panel.cfg"
"$program" render --panel "$work/panel/panel.cfg" --out "$work/nobg.png" >/dev/null 2> "$work/err" || fail "render without background"
grep -q "warning: \[Window00\] (line [0-9]*): file=no_such.bmp: .*no_such.bmp: cannot open; the window is drawn plain grey" "$work/err" ||
  fail "missing background: $(cat "$work/err")"
cat > "$work/no_dseg.conf" <<CONF
<?xml version="1.0"?>
<!DOCTYPE fontconfig SYSTEM "fonts.dtd">
<fontconfig><dir>/usr/share/fonts/truetype/liberation</dir><cachedir>$work/fc-cache</cachedir></fontconfig>
CONF
FONTCONFIG_FILE="$work/no_dseg.conf" "$program" render --gauge Bendix_DME --out "$work/nodseg.png" >/dev/null 2> "$work/err"
grep -q 'warning: font "Quartz": DSEG14 Classic is not installed, drawn with .* instead (Debian package fonts-dseg)' "$work/err" ||
  fail "missing DSEG font: $(cat "$work/err")"

# Gallery and sheet cover all 88 gauges.
"$program" gallery --out "$work/gallery.png" | grep -q "88 gauges" || fail "gallery"
"$program" sheet --out "$work/sheet.md"
[ "$(grep -c '^| [0-9]' "$work/sheet.md")" -eq 88 ] || fail "sheet rows"
grep -q '| `Airspeed` | .* | 300 x 300 | `gauge00=Vantor_Instr!Airspeed, 0, 0, 300, 300` |' "$work/sheet.md" || fail "Airspeed row"
echo "ok"
