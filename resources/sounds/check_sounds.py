#!/usr/bin/env python3
"""Checks the module's WAVE resources: RIFF layout, format records and sizes.

Usage: check_sounds.py [DIR]   (default: the folder of this script)
Prints one line per file; exits 1 if any file deviates from the expected format.
"""
import os
import struct
import sys

PCM, MS_ADPCM = 1, 2
# Standard Microsoft ADPCM coefficient table (7 pairs).
ADPCM_COEFS = [(256, 0), (512, -256), (0, 0), (192, 64), (240, 0), (460, -208), (392, -232)]

# id: (tag, channels, rate, bits, fmt size, exact data bytes or None, (min, max) total bytes)
EXPECTED = {
    10: (PCM, 1, 22050, 16, 16, 3828, (3872, 3872)),
    20: (PCM, 1, 22050, 8, 16, 10304, (10380, 10380)),
    30: (MS_ADPCM, 2, 22050, 4, 50, 1024, (1192, 1192)),
    1280: (PCM, 1, 11025, 8, 16, 11322, (11366, 11366)),
}
# The chunks of each file: 'fmt ' and 'data', with the extra chunks such files carry.
CHUNKS = {20: ["fmt ", "LIST", "data"], 30: ["fmt ", "fact", "data", "LIST"]}
for _id in range(1290, 1401, 10):
    EXPECTED[_id] = (PCM, 1, 11025, 8, 16, None, (3317, 10270))


def parse(path):
    """Returns (fmt record dict, fmt chunk bytes, data bytes, chunk id list); raises ValueError."""
    with open(path, "rb") as f:
        raw = f.read()
    if len(raw) < 12 or raw[0:4] != b"RIFF" or raw[8:12] != b"WAVE":
        raise ValueError("not a RIFF/WAVE file")
    riff_size = struct.unpack_from("<I", raw, 4)[0]
    if riff_size + 8 != len(raw):
        raise ValueError(f"RIFF size {riff_size} does not match file length {len(raw)}")
    chunks, fmt, data = [], None, None
    pos = 12
    while pos < len(raw):
        if pos + 8 > len(raw):
            raise ValueError("truncated chunk header")
        cid = raw[pos:pos + 4].decode("latin-1")
        size = struct.unpack_from("<I", raw, pos + 4)[0]
        body = raw[pos + 8:pos + 8 + size]
        if len(body) != size:
            raise ValueError(f"chunk '{cid}' runs past the end of the file")
        chunks.append(cid)
        if cid == "fmt ":
            fmt = body
        elif cid == "data":
            data = body
        pos += 8 + size + (size & 1)
    if fmt is None or data is None:
        raise ValueError(f"missing 'fmt ' or 'data' chunk (chunks: {chunks})")
    if len(fmt) < 16:
        raise ValueError("fmt chunk shorter than 16 bytes")
    tag, ch, rate, avg, align, bits = struct.unpack_from("<HHIIHH", fmt, 0)
    rec = dict(tag=tag, channels=ch, rate=rate, avg=avg, align=align, bits=bits)
    return rec, fmt, data, chunks


def peak(rec, data):
    """Largest distance from silence, as a fraction of full scale (PCM only)."""
    if rec["bits"] == 8:
        return max(abs(b - 128) for b in data) / 128.0
    n = len(data) // 2
    return max(abs(v) for v in struct.unpack("<%dh" % n, data[:2 * n])) / 32768.0


def check(sid, path):
    tag, ch, rate, bits, fmt_size, data_bytes, total_range = EXPECTED[sid]
    rec, fmt, data, chunks = parse(path)
    total = os.path.getsize(path)
    errors = []
    got = (rec["tag"], rec["channels"], rec["rate"], rec["bits"], len(fmt))
    if got != (tag, ch, rate, bits, fmt_size):
        errors.append(f"format {got} != {(tag, ch, rate, bits, fmt_size)}")
    if chunks != CHUNKS.get(sid, ["fmt ", "data"]):
        errors.append(f"chunks {chunks}")
    if tag == PCM:
        align = rec["channels"] * rec["bits"] // 8
        if rec["align"] != align or rec["avg"] != rec["rate"] * align:
            errors.append(f"block align {rec['align']} / bytes per second {rec['avg']} inconsistent")
        p = peak(rec, data) if data else 0.0
        if p < 0.1:
            errors.append(f"near-silent (peak {p:.3f})")
    elif tag == MS_ADPCM and len(fmt) >= 22:
        cb, spb, ncoef = struct.unpack_from("<HHH", fmt, 16)
        coefs = [struct.unpack_from("<hh", fmt, 22 + 4 * i) for i in range(ncoef)] if 22 + 4 * ncoef <= len(fmt) else []
        if cb != len(fmt) - 18 or ncoef != 7 or coefs != ADPCM_COEFS:
            errors.append("bad ADPCM extension (cbSize/coefficients)")
        if spb != (rec["align"] - 7 * ch) * 8 // (bits * ch) + 2:
            errors.append(f"samples per block {spb} inconsistent with block align {rec['align']}")
        if rec["align"] == 0 or len(data) % rec["align"]:
            errors.append(f"data {len(data)} not a whole number of {rec['align']}-byte blocks")
    if data_bytes is not None and len(data) != data_bytes:
        errors.append(f"data bytes {len(data)} != {data_bytes}")
    if total_range is not None and not total_range[0] <= total <= total_range[1]:
        errors.append(f"total bytes {total} outside {total_range[0]}..{total_range[1]}")
    row = (f"{sid:>5} {rec['tag']:>4} {rec['channels']:>3} {rec['rate']:>6} {rec['bits']:>4} "
           f"{len(fmt):>4} {len(data):>6} {total:>6}")
    return row, errors


def main():
    folder = sys.argv[1] if len(sys.argv) > 1 else os.path.dirname(os.path.abspath(__file__))
    print("   id  tag  ch   rate bits  fmt   data  total")
    failed = False
    for sid in sorted(EXPECTED):
        path = os.path.join(folder, f"{sid}.wav")
        try:
            row, errors = check(sid, path)
        except (OSError, ValueError) as e:
            row, errors = f"{sid:>5}  unreadable", [str(e)]
        print(row + ("" if not errors else "   FAIL: " + "; ".join(errors)))
        failed |= bool(errors)
    return 1 if failed else 0


if __name__ == "__main__":
    sys.exit(main())
