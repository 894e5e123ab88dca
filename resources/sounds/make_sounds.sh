#!/usr/bin/env bash
# Regenerates the module's WAVE resources in this folder: switch clicks (10, 20, 30) synthesised
# with sox, radio altimeter callouts (1280..1400) spoken by espeak-ng. Needs espeak-ng, sox, python3.
# Output is repeatable: sox runs with -R (fixed dither seed).
set -euo pipefail

here="$(cd "$(dirname "${BASH_SOURCE[0]}")" && pwd)"
tmp="$(mktemp -d)"
trap 'rm -rf "$tmp"' EXIT

for tool in espeak-ng sox python3; do
  command -v "$tool" >/dev/null || { echo "make_sounds.sh: $tool not found" >&2; exit 1; }
done

SOX=(sox -R -V1)
VOICE=en-us
SPEED=180

# Exponential-like decay: the linear fade-out applied three times gives (1 - t/T)^3.
decay() { local len=$1; echo "fade t 0 $len $len fade t 0 $len $len fade t 0 $len $len"; }

# 10: toggle switch click, 1914 samples (3828 data bytes), PCM mono 22050 Hz 16-bit.
# A bright contact transient, the lever's body resonance, and a weaker second impact at 9 ms.
make_10() {
  local r=22050
  "${SOX[@]}" -n -r $r -c 1 -b 16 "$tmp/t1.wav" synth 132s whitenoise highpass 1800 $(decay 132s) gain -2
  "${SOX[@]}" -n -r $r -c 1 -b 16 "$tmp/b1.wav" synth 1914s sine 1650 sine 2730 remix 1,2 $(decay 1914s) $(decay 1914s) gain -8
  "${SOX[@]}" -n -r $r -c 1 -b 16 "$tmp/t2.wav" synth 88s whitenoise bandpass 3200 1.2q $(decay 88s) pad 198s gain -6
  "${SOX[@]}" -m "$tmp/t1.wav" "$tmp/b1.wav" "$tmp/t2.wav" -r $r -c 1 -b 16 -e signed "$tmp/m10.wav"
  "${SOX[@]}" "$tmp/m10.wav" -r $r -c 1 -b 16 -e signed "$here/10.wav" norm -1 pad 0 1914s trim 0 1914s
}

# 20: short servo whirr, 10304 samples, PCM mono 22050 Hz 8-bit. Not played by any gauge.
make_20() {
  local r=22050
  "${SOX[@]}" -n -r $r -c 1 -b 16 "$tmp/w1.wav" synth 10304s sawtooth 95:150 sine 950:1420 brownnoise \
    remix 1v0.5,2v0.25,3v0.25 tremolo 38 40 lowpass 3500 highpass 80 fade q 882s 10304s 1764s
  "${SOX[@]}" "$tmp/w1.wav" -r $r -c 1 -b 8 -e unsigned "$tmp/p20.wav" norm -3 pad 0 10304s trim 0 10304s
  with_chunks "$tmp/p20.wav" "$here/20.wav" "fmt ,LIST,data" 10380 "ISFT=sox"
}

# 30: radio switch click, 1012 frames = one 1024-byte block of 4-bit Microsoft ADPCM, stereo 22050 Hz.
# sox writes 'fmt ', 'fact' and 'data'; an INFO list follows, as such files carry one.
make_30() {
  local r=22050
  "${SOX[@]}" -n -r $r -c 1 -b 16 "$tmp/c1.wav" synth 66s whitenoise highpass 2500 $(decay 66s)
  "${SOX[@]}" -n -r $r -c 1 -b 16 "$tmp/c2.wav" synth 660s sine 3150 sine 4820 remix 1,2 $(decay 660s) $(decay 660s) gain -6
  "${SOX[@]}" -m "$tmp/c1.wav" "$tmp/c2.wav" -r $r -c 1 -b 16 -e signed "$tmp/m30.wav"
  "${SOX[@]}" "$tmp/m30.wav" -r $r -c 2 -b 16 -e signed "$tmp/s30.wav" remix 1 1 norm -4 pad 0 1012s trim 0 1012s
  "${SOX[@]}" "$tmp/s30.wav" -r $r -c 2 -b 4 -e ms-adpcm "$tmp/a30.wav"
  with_chunks "$tmp/a30.wav" "$here/30.wav" "fmt ,fact,data,LIST" 1192 "INAM=radio switch click" "ISFT=make_sounds.sh"
}

# Rewrites IN as OUT with the chunks in ORDER (LIST: an INFO list of the NAME=TEXT pairs given);
# the last text is padded with zero bytes so that the file has exactly TOTAL bytes.
with_chunks() {
  python3 - "$@" <<'PY'
import struct, sys
src, dst, order, total, pairs = sys.argv[1], sys.argv[2], sys.argv[3].split(","), int(sys.argv[4]), sys.argv[5:]
raw = open(src, "rb").read()
assert raw[:4] == b"RIFF" and raw[8:12] == b"WAVE"
chunks, pos = {}, 12
while pos < len(raw):
    cid, size = raw[pos:pos + 4].decode("latin-1"), struct.unpack_from("<I", raw, pos + 4)[0]
    chunks[cid] = raw[pos:pos + 8 + size + (size & 1)]
    pos += 8 + size + (size & 1)

def info(texts):
    body = b"INFO" + b"".join(struct.pack("<4sI", k.encode(), len(t)) + t + b"\0" * (len(t) & 1) for k, t in texts)
    return struct.pack("<4sI", b"LIST", len(body)) + body

texts = [(p.split("=", 1)[0], p.split("=", 1)[1].encode() + b"\0") for p in pairs]
def assemble():
    body = b"WAVE" + b"".join(info(texts) if c == "LIST" else chunks[c] for c in order)
    return b"RIFF" + struct.pack("<I", len(body)) + body
missing = total - len(assemble())
assert missing >= 0 and missing % 2 == 0, f"{dst}: {missing} bytes to fill"
texts[-1] = (texts[-1][0], texts[-1][1] + b"\0" * missing)
out = assemble()
assert len(out) == total
open(dst, "wb").write(out)
PY
}

# Speaks TEXT into a trimmed, normalised 11025 Hz mono 16-bit file at SPEED words per minute.
speak() {
  local text=$1 speed=$2 out=$3
  espeak-ng -v "$VOICE" -s "$speed" --stdout "$text" |
    "${SOX[@]}" -t wav - -r 11025 -c 1 -b 16 -e signed "$tmp/raw.wav" \
      highpass 120 rate -v 11025 silence 1 0.01 0.5% reverse silence 1 0.01 0.5% reverse
  "${SOX[@]}" "$tmp/raw.wav" "$out" fade q 0.004 -0 0.012 norm -1
}

# Callout ID TEXT [SAMPLES]: PCM mono 11025 Hz 8-bit unsigned. With SAMPLES, the speech is made
# faster until it fits, then padded with silence to exactly that length.
make_callout() {
  local id=$1 text=$2 target=${3:-} speed=$SPEED n
  speak "$text" "$speed" "$tmp/v.wav"
  if [ -n "$target" ]; then
    n=$(soxi -s "$tmp/v.wav")
    while [ "$n" -gt "$target" ]; do
      speed=$((speed + 5))
      [ "$speed" -le 260 ] || { echo "make_sounds.sh: '$text' does not fit $target samples" >&2; exit 1; }
      speak "$text" "$speed" "$tmp/v.wav"
      n=$(soxi -s "$tmp/v.wav")
    done
    echo "make_sounds.sh: $id spoken at $speed wpm" >&2
    "${SOX[@]}" "$tmp/v.wav" -r 11025 -c 1 -b 8 -e unsigned "$here/$id.wav" pad 0 "$((target - n))s"
  else
    n=$(soxi -s "$tmp/v.wav")   # even length: no RIFF pad byte after the data chunk
    "${SOX[@]}" "$tmp/v.wav" -r 11025 -c 1 -b 8 -e unsigned "$here/$id.wav" pad 0 "$((n % 2))s"
  fi
}

make_10
make_20
make_30
make_callout 1280 "twenty five hundred" 11322
make_callout 1290 "one thousand"
make_callout 1300 "five hundred"
make_callout 1310 "four hundred"
make_callout 1320 "three hundred"
make_callout 1330 "two hundred"
make_callout 1340 "one hundred"
make_callout 1350 "fifty"
make_callout 1360 "forty"
make_callout 1370 "thirty"
make_callout 1380 "twenty"
make_callout 1390 "ten"
make_callout 1400 "minimums"
echo "make_sounds.sh: 16 sounds written to $here"
