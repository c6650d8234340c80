#!/usr/bin/env python3
"""Writes the seed corpus of the fuzz targets into fuzz/corpus/<target>/.

Each seed is named after the path it reaches. The targets read their options
with libFuzzer's FuzzedDataProvider, which takes numbers from the end of the
input (the first number from the very last bytes) and texts from the front;
Seed below lays the bytes out the same way, so a seed reads here as the
target reads it.

Run it again after changing how a target reads its input:
    python3 fuzz/make_seeds.py
It rewrites the seeds it names and leaves other files in the folders alone,
such as inputs of past findings kept as seeds.
"""

import pathlib

CORPUS = pathlib.Path(__file__).resolve().parent / "corpus"

INT32_MIN = -(2**31)
INT32_MAX = 2**31 - 1
LIMIT_ROWS = (64 << 20) // 4
MAX_ROWS = 65536


def gbk(text):
    return text.encode("gbk")


class Seed:
    """Numbers in the order the target consumes them, then the front text."""

    def __init__(self):
        self.tails = []

    def number(self, value, low, high):
        """ConsumeIntegralInRange(low, high) giving value."""
        assert low <= value <= high
        span = high - low
        count = 0
        while span >> (8 * count):
            count += 1
        self.tails.append((value - low).to_bytes(count, "little"))
        return self

    def byte(self, value):
        return self.number(value, 0, 255)

    def boolean(self, value):
        return self.byte(1 if value else 0)

    def int32(self, value):
        return self.number(value, INT32_MIN, INT32_MAX)

    def bytes(self, front=b""):
        return front + b"".join(reversed(self.tails))


def write(target, seeds):
    folder = CORPUS / target
    folder.mkdir(parents=True, exist_ok=True)
    for name, data in seeds.items():
        (folder / name).write_bytes(data)


# Texts that reach the odd corners of the byte rules.
TEXTS = {
    "dangling-lead": b"a" + gbk("白") + b"\xb0",
    "cr-after-lead": b"\xb0\r\nx\xb0\r",
    "lead-before-space-and-letter": b"\xb0 \xb0A\xff~",
    "a3-row-edges": b"\xa3\xa0\xa3\xa1\xa3\xb0\xa3\xc1\xa3\xfe\xa3\xff\xa3",
    "a1-symbols": b"\xa1\xa1\xa1\xab\xa1\xee\xa1\xef\xa1\xa2\xa1\xfc",
    "leads-80-and-ff": b"\x80\x80\xff\xff\x80A\xffB\x80",
    "one-byte-characters": bytes(range(1, 128)),
    "line-breaks": b"\r\n\r\r\n\n\n\r\r\n",
    "blocks-of-eight": gbk("白日依山尽黄河入海流") + b"abcdefgh" + b"x" + gbk("欲穷千里目") + b"\r\n",
    "traditional-pairs": gbk("国发后干里") + b"\x87\xf8\x81\x8f\xbc\xf2\xd3\xe0",
}


def scanning_seeds():
    for target in ["full_width", "half_width", "remove_spaces", "remove_line_breaks",
                   "traditional"]:
        write(target, TEXTS)


def split_seeds():
    seeds = {}
    for name, text in TEXTS.items():
        seeds[name] = Seed().number(2, 0, 4).bytes(b"\r\n" + text)
    seeds["delimiter-after-lead"] = Seed().number(1, 0, 4).bytes(b"A" + b"\xb0AxA\xb0")
    seeds["empty-delimiter"] = Seed().number(0, 0, 4).bytes(b"a\r\nb")
    seeds["delimiter-at-both-ends"] = Seed().number(2, 0, 4).bytes(b"ab" + b"abxab")
    write("split_text", seeds)


def parse_integer_seeds():
    seeds = {}
    texts = {
        "above-int32": b"2147483648",
        "minus-int32-min": b"-2147483648",
        "wraps-modulo-2-32": b"4294967301",
        "full-width-digits": b"\xa3\xb1\xa3\xb2",
        "blanks-and-sign": b" \t\xa1\xa1-7",
        "two-signs": b"+-5",
        "hex-prefix": b"0x1F",
        "decimal-point": b"3.9",
        "dangling-lead": b"12\xb0",
    }
    for name, text in texts.items():
        seeds[name] = text
    for name, value in {"int32-min": INT32_MIN, "int32-max": INT32_MAX, "zero": 0,
                        "minus-one": -1}.items():
        seed = Seed().int32(value).number(2, 0, 3).number(3, 0, 4).number(1, 0, 4)
        if value < 0:
            seed.boolean(False)
        else:
            seed.boolean(True).boolean(False)
        seeds["written-" + name] = seed.number(0x5555, 0, 65535).number(4, 0, 5).bytes(b"7")
    write("parse_integer", seeds)


def columns(source, p, traditional=False, remove_spaces=False, full_width=False, times=1):
    seed = Seed().byte(traditional | remove_spaces << 1 | full_width << 2)
    edges = [INT32_MAX, INT32_MIN, 1 << 30, (1 << 30) - 1, 16_000_001, LIMIT_ROWS, 0,
             LIMIT_ROWS + 1, MAX_ROWS, MAX_ROWS + 1, -1, 2]
    if 1 <= p <= 12:
        seed.number(0, 0, 15).number(p, 1, 12)
    elif p in edges:
        seed.number(14, 0, 15).number(edges.index(p), 0, len(edges) - 1)
    elif 1 <= p <= 5000:
        seed.number(15, 0, 15).number(p, 1, 5000)
    elif p <= 0:
        seed.number(12, 0, 15).number(p, INT32_MIN, 0)
    else:
        seed.number(11, 0, 15).int32(p)
    if times == 1:
        seed.byte(0)
    else:
        seed.byte(255).number(times, 1, 1 << 20)
    return seed.bytes(source)


def columns_seeds():
    poem = gbk("白日依山尽黄河入海流")
    write("columns", {
        "worked-example": columns(gbk("白日依山尽黄河"), 5),
        "exact-multiple-of-2p": columns(poem, 5),
        "exact-multiple-p1": columns(gbk("白日依山"), 1),
        "eleven-characters": columns(poem + gbk("欲"), 5, full_width=True),
        "dangling-lead": columns(b"ab\xb0", 2),
        "tab-shifts-the-grid": columns(gbk("白日") + b"\t" + gbk("依山尽"), 2),
        "cr-after-lead": columns(b"\xb0\r\n" + gbk("白日"), 3),
        "only-line-breaks": columns(b"\r\n\r\n", 4),
        "only-spaces-removed": columns(b"  \xa1\xa1 ", 3, remove_spaces=True),
        "traditional-full-width": columns(gbk("国发后") + b"Ab ~", 2, traditional=True,
                                          full_width=True),
        "a3-row-half-width": columns(b"\xa3\xa0\xa3\xa1\xa3\xfe\xa3\xff\xa1\xee", 2),
        "leads-80-and-ff": columns(b"\x80\r\xff\n\x80", 2),
        "p-int32-max": columns(poem, INT32_MAX),
        "p-16000001": columns(gbk("春"), 16_000_001),
        "p-just-over-the-limit": columns(gbk("春"), LIMIT_ROWS + 1),
        "p-most-rows": columns(gbk("春"), MAX_ROWS),
        "p-one-row-too-many": columns(gbk("春"), MAX_ROWS + 1),
        "p-2-30": columns(poem, 1 << 30),
        "p-negative": columns(poem, -3),
        "p-zero": columns(poem, 0),
        "p-wide-then-narrow": columns(poem * 40, 777),
        "many-column-blocks": columns(b"abc", 3, times=6000),
    })


def slanted(source, times=1):
    seed = Seed()
    if times == 1:
        seed.byte(0)
    else:
        seed.byte(255).number(times, 1, 1 << 20)
    return seed.bytes(source)


def slanted_seeds():
    write("slanted", {
        "three-characters": slanted(gbk("白日依")),
        "only-line-breaks": slanted(b"\r\n\r\n"),
        "space-between-words": slanted(b"ab cd"),
        "tab-shifts-the-cells": slanted(gbk("白") + b"\t" + gbk("日依")),
        "dangling-lead": slanted(gbk("白日") + b"\xb0"),
        "cr-after-lead": slanted(b"\xb0\r\n" + gbk("白")),
        "leads-80-and-ff": slanted(b"\x80\xff~\x80"),
        "just-over-the-limit": slanted(gbk("白"), times=8191),
        "ascii-over-the-limit": slanted(b"ab", times=8192),
    })


def decoration(separator, text, presses=1, separator_times=1, text_times=1):
    seed = Seed()
    if presses == 1:
        seed.byte(0)
    elif presses <= 5:
        seed.byte(160 + (presses - 2 - 160 % 4) % 4)
    else:
        seed.byte(240).number(presses, 6, 40)
    for times in (separator_times, text_times):
        if times == 1:
            seed.byte(0)
        else:
            seed.byte(255).number(times, 1, 1 << 20)
    seed.number(len(separator), 0, 8)
    return seed.bytes(separator + text)


def decoration_seeds():
    arrow = gbk("↑")
    write("decoration", {
        "two-characters": decoration(arrow, gbk("白日") + b"\r\n"),
        "empty-line-in-the-middle": decoration(arrow, b"ab\r\n\r\ncd"),
        "odd-byte-shifts-the-cells": decoration(arrow, gbk("白") + b"a" + gbk("日") + b"\r\n"),
        "one-byte-separator-twice": decoration(b"*", gbk("白日依") + b"\r\n", presses=2),
        "empty-separator": decoration(b"", b"ab\r\n"),
        "empty-text": decoration(arrow, b""),
        "cr-after-lead": decoration(gbk("¤"), b"\xb0\r\n\xb0\r\n\r\n"),
        "no-break-at-the-end": decoration(b"<>", b"a\r\nbc\xb0"),
        "thirty-presses": decoration(arrow, gbk("白日依山尽") + b"\r\n", presses=30),
        "long-separator-on-many-lines": decoration(arrow, b"\r\n", separator_times=2048,
                                                   text_times=32768),
    })


def codec_seeds():
    def as_bytes(data):
        return Seed().boolean(True).bytes(data)

    def as_text(text):
        return Seed().boolean(False).bytes(text.encode("utf-16-le", "surrogatepass"))

    write("gbk_codec", {
        "bytes-lead-before-line-break": as_bytes(b"\xb0\r\n"),
        "bytes-dangling-lead": as_bytes(b"a\xb0"),
        "bytes-euro-80": as_bytes(b"\x80a\x80"),
        "bytes-ff": as_bytes(b"\xff\xffa"),
        "bytes-a3-row": as_bytes(b"\xa3\xa1\xa3\xfe\xa3\xff\xa3\xa0"),
        "bytes-bad-trail": as_bytes(b"\x81\x30\x81\x7f\xfe\xff"),
        "bytes-user-defined-areas": as_bytes(b"\xaa\xa1\xa1\x40\xfe\xfe\xa2\xa0"),
        "bytes-chinese": as_bytes(gbk("你好，白日依山尽")),
        "text-high-surrogate-at-the-end": as_text("a\ud800"),
        "text-low-surrogate-first": as_text("\udc00a"),
        "text-emoji": as_text("a\U0001F600b\u2764\ufe0f"),
        "text-invisible-characters": as_text("a\u200b\ufeffb\u00ad"),
        "text-nul-inside": as_text("a\x00b"),
        "text-euro-and-chinese": as_text("€白日\r\n"),
    })


if __name__ == "__main__":
    scanning_seeds()
    split_seeds()
    parse_integer_seeds()
    columns_seeds()
    slanted_seeds()
    decoration_seeds()
    codec_seeds()
