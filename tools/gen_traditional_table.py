#!/usr/bin/env python3
"""Generate the simplified-to-traditional replacements of text/traditional.cpp.

Writes text/traditional_pairs.inc (C++ initialisers, one per replacing cell,
sorted by source code) and text/traditional_pairs.tsv (the same pairs for
review: source, target, their bytes, source area, and the rule that gave the
pair: icu, gbt12345, unihan or listed). With --check it regenerates both in
memory and fails with a diff summary when the committed files differ; it
exits with 77 (a skip for CTest) when the data it needs is not installed.

Data, all public and packaged in Debian:
  - code page 936: Python's gbk codec (an alias of cp936). It is checked
    against ICU's windows-936 converter on every two-byte code: the two agree
    on every code Python defines; ICU alone also gives private-use characters
    for the user-defined codes, which no pair uses.
  - ICU's Hans-Hant transliterator, through `uconv` (icu-devtools).
  - Unihan (unicode-data): Unihan_Variants.txt (kTraditionalVariant) and
    Unihan_OtherMappings.txt (kBigFive; kGB0 and kGB1, the positions in
    GB 2312 and in its traditional counterpart GB/T 12345).

Areas of the source code, as the tests count them:
  gb2312     lead B0-F7, trail A1-FE   GB 2312 ideographs
  gbk-81-a0  lead 81-A0                GBK extension, first part
  gbk-aa-fe  lead AA-FE, trail 40-A0   GBK extension, second part
  symbols    lead A1                   punctuation

Rules, in order (only ideographs take part until the listed rows):
  1. ICU: every GBK ideograph whose Hans-Hant result is one other GBK
     ideograph.
  2. A source that is itself a Big5 character is in traditional use (板, 冬,
     志...), so simplified text uses it in both senses and it stays; in GB 2312
     it is replaced only where GB/T 12345 puts another character at its
     position.
  3. GB/T 12345 replacements of GB 2312 characters that ICU leaves alone
     (台 臺, 划 劃, 灶 竈...).
  4. Unihan kTraditionalVariant for GB 2312 characters that neither ICU nor
     GB/T 12345 maps and that are not Big5 characters (腼 靦).
  5. No data-derived pair goes from one GB 2312 character to another (ICU's
     坂 阪): simplified text uses both characters, each in its own sense, and
     GB/T 12345 keeps both in place. The few such pairs wanted are listed.
  6. The listed rows below override everything above; the listed unchanged
     characters map to themselves.
  7. Every target maps to itself: a data-derived pair whose source is a
     listed target or unchanged character, or whose target is a listed source,
     is dropped; then any source that is also a target loses its own pair.
     (GB/T 12345 swaps 后/後 and 么/麽; rule 5 already drops those.)
  8. One source per target, except the three listed two-source targets: a
     listed row wins, then an ICU pair, then the lower source code (ICU's
     锺 鍾 yields to the listed 钟 鍾).

Known difference from the intended extent of the table: the gbk-81-a0 area
has 37 replacing cells where 47 are intended (44 simplified characters and
the 3 listed variant forms); the other areas have 2,279, 186 and 4 as
intended. ICU maps 34 of the area's simplified characters. Unihan names 26
more (non-Big5 sources with a GBK target, mostly GB 8565.2 class
simplifications such as 叆 靉 and 沨 渢) and no data set singles out the
missing ten among them. Extending rule 4 to the extension areas adds all 26
here and 20 to gbk-aa-fe, which ICU alone already brings to its intended
186; limiting it to Big5 targets still adds 16 and 18. So the table keeps
ICU's extent there rather than picking ten characters by hand.
"""

import argparse
import bz2
import collections
import difflib
import os
import re
import shutil
import subprocess
import sys

ROOT = os.path.dirname(os.path.dirname(os.path.abspath(__file__)))
INC_PATH = os.path.join("text", "traditional_pairs.inc")
TSV_PATH = os.path.join("text", "traditional_pairs.tsv")
SKIP = 77

# Rows the table must hold whatever the data says. The data agrees with many
# of them; for others (干 乾, 里 裡, 才 纔, the quotation marks) it gives another
# form or none. (source, target, source code, target code): the codes pin the
# codec too.
TELLING_ROWS = [
    ("简", "簡", 0xBCF2, 0xBA86),
    ("体", "體", 0xCCE5, 0xF377),
    ("国", "國", 0xB9FA, 0x87F8),
    ("发", "發", 0xB7A2, 0xB06C),
    ("后", "後", 0xBAF3, 0xE1E1),
    ("干", "乾", 0xB8C9, 0xC7AC),
    ("里", "裡", 0xC0EF, 0xD165),
    ("台", "臺", 0xCCA8, 0xC55F),
    ("才", "纔", 0xB2C5, 0xC075),
    ("着", "著", 0xD7C5, 0xD6F8),
    ("余", "餘", 0xD3E0, 0xF04E),
    ("馀", "餘", 0xE2C5, 0xF04E),
    ("亸", "嚲", 0x818F, 0x87BE),
    ("嘑", "呼", 0x8746, 0xBAF4),
    ("‘", "「", 0xA1AE, 0xA1B8),
    ("’", "」", 0xA1AF, 0xA1B9),
    ("“", "『", 0xA1B0, 0xA1BA),
    ("”", "』", 0xA1B1, 0xA1BB),
]
# Variant forms outside GB 2312 to the common form.
VARIANT_ROWS = "佪徊 嘑呼 櫈凳 秔粳 稭秸 粃秕 緥褓 貛獾 髠髡"
# The only pairs whose source and target are both GB 2312 characters.
WITHIN_GB2312_ROWS = "沉沈 干乾 后後 于於 着著 氽汆 咤吒 噼劈"
# Where a simplified character stands for several traditional ones, or a
# traditional character has several forms, the form this table gives.
CHOSEN_FORMS = (
    "为為 众眾 产產 伪偽 启啟 叹嘆 复復 历歷 钟鍾 冲沖 几幾 当當 并並 汇匯 获獲 尽盡 "
    "云雲 须須 团團 坛壇 尸屍 么麼 杰傑 仆僕 占佔 舍捨 升昇 扎紮 症癥 签簽 纤纖 别別 据據"
)
# Targets with two sources; every other target has one.
TWO_SOURCE_ROWS = "余餘 馀餘 咨諮 谘諮 鲇鯰 鲶鯰"
# Characters that also stand for other traditional characters in simplified
# text; replacing them would be wrong as often as right.
UNCHANGED = (
    "面只系松谷范表斗丑出制准致征向回困凶朴采岳家御借折卷蒙咸姜吁胡游秋布周了克蔑霉欲郁注伙"
)

# Unified ideographs that Unicode places among the compatibility ideographs.
UNIFIED_IN_COMPAT_BLOCK = {
    0xFA0E, 0xFA0F, 0xFA11, 0xFA13, 0xFA14, 0xFA1F,
    0xFA21, 0xFA23, 0xFA24, 0xFA27, 0xFA28, 0xFA29,
}
CORNER_BRACKETS = "「」『』"
TWO_SOURCE_TARGETS = "餘諮鯰"


class MissingData(Exception):
    """The tools or data files the table is built from are not installed."""


def listed_pairs(text):
    return [(pair[0], pair[1]) for pair in text.split()]


def listed_rows():
    """All listed rows as source -> target; conflicting duplicates fail."""
    rows = {}
    for source, target in (
        [(s, t) for s, t, _, _ in TELLING_ROWS]
        + listed_pairs(VARIANT_ROWS)
        + listed_pairs(WITHIN_GB2312_ROWS)
        + listed_pairs(CHOSEN_FORMS)
        + listed_pairs(TWO_SOURCE_ROWS)
    ):
        if rows.setdefault(source, target) != target:
            raise ValueError(f"listed rows disagree on {source}")
    return rows


def is_unified_ideograph(char):
    cp = ord(char)
    return (
        0x3400 <= cp <= 0x4DBF
        or 0x4E00 <= cp <= 0x9FFF
        or 0x20000 <= cp <= 0x3134F
        or cp in UNIFIED_IN_COMPAT_BLOCK
    )


def all_cells():
    for lead in range(0x81, 0xFF):
        for trail in range(0x40, 0xFF):
            if trail != 0x7F:
                yield lead << 8 | trail


def area_of(code):
    lead, trail = code >> 8, code & 0xFF
    if 0xB0 <= lead <= 0xF7 and 0xA1 <= trail <= 0xFE:
        return "gb2312"
    if 0x81 <= lead <= 0xA0:
        return "gbk-81-a0"
    if 0xAA <= lead <= 0xFE and 0x40 <= trail <= 0xA0:
        return "gbk-aa-fe"
    if lead == 0xA1:
        return "symbols"
    return "other"


def gbk_characters():
    chars = {}
    for code in all_cells():
        try:
            chars[code] = bytes([code >> 8, code & 0xFF]).decode("gbk")
        except UnicodeDecodeError:
            pass
    return chars


def run_uconv(uconv, args, data):
    result = subprocess.run([uconv, *args], input=data, capture_output=True, check=False)
    if result.returncode != 0:
        message = result.stderr.decode(errors="replace")
        raise RuntimeError(f"uconv {' '.join(args)} failed: {message}")
    return result.stdout


def check_codec_against_icu(chars, uconv):
    """Python's gbk codec and ICU's windows-936 must agree on every code."""
    codes = list(all_cells())
    data = b"\n".join(bytes([c >> 8, c & 0xFF]) for c in codes) + b"\n"
    args = ["-f", "windows-936", "-t", "utf-8", "--from-callback", "substitute"]
    out = run_uconv(uconv, args, data)
    decoded = out.decode("utf-8").split("\n")[:-1]
    if len(decoded) != len(codes):
        raise RuntimeError("ICU's windows-936 converter lost the code boundaries")
    for code, icu_char in zip(codes, decoded):
        mine = chars.get(code)
        if mine is not None and icu_char != mine:
            raise RuntimeError(f"gbk codec and ICU disagree on {code:04X}: {mine!r} {icu_char!r}")
        if mine is None and len(icu_char) == 1 and not 0xE000 <= ord(icu_char) <= 0xF8FF:
            if icu_char not in ("\ufffd", "\x1a"):
                raise RuntimeError(f"only ICU defines {code:04X}, as {icu_char!r}")


def icu_version(uconv):
    out = subprocess.run([uconv, "--version"], capture_output=True, text=True, check=False).stdout
    match = re.search(r"ICU\s+([0-9.]+)", out)
    if not match:
        raise RuntimeError(f"cannot read the ICU version from: {out!r}")
    return match.group(1)


def icu_hans_to_hant(chars, uconv):
    """Hans-Hant of each character on its own, so no context can leak in."""
    data = "".join(char + "\n" for char in chars).encode("utf-8")
    out = run_uconv(uconv, ["-f", "utf-8", "-t", "utf-8", "-x", "Hans-Hant"], data)
    results = out.decode("utf-8").split("\n")[:-1]
    if len(results) != len(chars):
        raise RuntimeError("Hans-Hant changed the number of lines")
    return dict(zip(chars, results))


def read_unihan(path, fields):
    """Returns (Unicode version, date, {field: {char: value}})."""
    version = date = None
    values = {field: {} for field in fields}
    with bz2.open(path, "rt", encoding="utf-8") as lines:
        for line in lines:
            if line.startswith("#"):
                if version is None and (m := re.match(r"#\s*Unicode version:\s*(\S+)", line)):
                    version = m.group(1)
                if date is None and (m := re.match(r"#\s*Date:\s*(\d{4}-\d{2}-\d{2})", line)):
                    date = m.group(1)
                continue
            parts = line.rstrip("\n").split("\t")
            if len(parts) == 3 and parts[1] in values:
                values[parts[1]][chr(int(parts[0][2:], 16))] = parts[2]
    if version is None:
        raise RuntimeError(f"{path} names no Unicode version")
    return version, date, values


def variant_chars(value):
    # "U+9F8E U+9F90<kMatthews" -> ["龎", "龐"]
    return [chr(int(item.split("<")[0][2:], 16)) for item in value.split()]


class Data:
    def __init__(self, uconv, unihan_dir):
        if shutil.which(uconv) is None:
            raise MissingData(f"{uconv} not found (Debian package icu-devtools)")
        variants_path = os.path.join(unihan_dir, "Unihan_Variants.txt.bz2")
        mappings_path = os.path.join(unihan_dir, "Unihan_OtherMappings.txt.bz2")
        for path in (variants_path, mappings_path):
            if not os.path.exists(path):
                raise MissingData(f"{path} not found (Debian package unicode-data)")
        self.chars = gbk_characters()
        check_codec_against_icu(self.chars, uconv)
        self.code_of = {char: code for code, char in self.chars.items()}
        self.icu_version = icu_version(uconv)
        ideographs = [c for c in self.chars.values() if is_unified_ideograph(c)]
        self.icu = icu_hans_to_hant(ideographs, uconv)
        v_version, v_date, variants = read_unihan(variants_path, ["kTraditionalVariant"])
        m_version, m_date, mappings = read_unihan(mappings_path, ["kBigFive", "kGB0", "kGB1"])
        if v_version != m_version:
            raise RuntimeError(f"Unihan files of different versions: {v_version}, {m_version}")
        self.unihan_version = v_version
        self.unihan_date = max(v_date or "?", m_date or "?")
        self.traditional_variants = {
            c: variant_chars(v) for c, v in variants["kTraditionalVariant"].items()
        }
        self.big5 = set(mappings["kBigFive"])
        by_gb1_position = {pos: c for c, pos in mappings["kGB1"].items()}
        self.gbt12345 = {}
        for char, position in mappings["kGB0"].items():
            replacement = by_gb1_position.get(position)
            if replacement is not None and replacement != char:
                self.gbt12345[char] = replacement

    def is_gbk_ideograph(self, char):
        return char in self.code_of and is_unified_ideograph(char)

    def in_gb2312_area(self, char):
        return area_of(self.code_of[char]) == "gb2312"


def data_pairs(data):
    """Rules 1-5: source char -> (target char, origin)."""
    pairs = {}
    icu_changes = {}
    for source, result in data.icu.items():
        if result != source and len(result) == 1 and data.is_gbk_ideograph(result):
            icu_changes[source] = result
    for source, target in icu_changes.items():
        if source in data.big5 and not (data.in_gb2312_area(source) and source in data.gbt12345):
            continue
        pairs[source] = (target, "icu")
    for source, target in data.gbt12345.items():
        if data.icu.get(source, source) == source and data.is_gbk_ideograph(target):
            pairs[source] = (target, "gbt12345")
    for source, variants in data.traditional_variants.items():
        if (
            source in data.code_of
            and data.in_gb2312_area(source)
            and source not in pairs
            and source not in icu_changes
            and source not in data.big5
        ):
            targets = [t for t in variants if t != source and data.is_gbk_ideograph(t)]
            if len(targets) == 1:
                pairs[source] = (targets[0], "unihan")
    return {
        s: (t, origin)
        for s, (t, origin) in pairs.items()
        if not (data.in_gb2312_area(s) and data.in_gb2312_area(t))
    }


def build_mapping(data):
    """All rules: source code -> (target code, origin)."""
    listed = listed_rows()
    pairs = data_pairs(data)
    for source in UNCHANGED:
        pairs.pop(source, None)
    for source, target in listed.items():
        pairs[source] = (target, "listed")

    # Rule 7: listed sources and targets, and the unchanged characters, are
    # fixed; data-derived pairs bend around them.
    fixed_points = set(listed.values()) | set(UNCHANGED)
    for source, (target, origin) in list(pairs.items()):
        if origin != "listed" and (source in fixed_points or target in listed):
            del pairs[source]
    targets = {target for target, _ in pairs.values()}
    for source in [s for s in pairs if s in targets]:
        del pairs[source]

    # Rule 8.
    sources_of = collections.defaultdict(list)
    for source, (target, origin) in pairs.items():
        sources_of[target].append(source)
    rank = {"listed": 0, "icu": 1, "gbt12345": 2, "unihan": 3}
    for target, sources in sources_of.items():
        keep = 2 if target in TWO_SOURCE_TARGETS else 1
        sources.sort(key=lambda s: (rank[pairs[s][1]], data.code_of[s]))
        for source in sources[keep:]:
            del pairs[source]

    by_code = {data.code_of[s]: (data.code_of[t], origin) for s, (t, origin) in pairs.items()}
    return dict(sorted(by_code.items()))


def verify(mapping, data):
    """The properties the program relies on; a violation is a generator bug."""
    problems = []
    for source, target, source_code, target_code in TELLING_ROWS:
        if data.code_of.get(source) != source_code or data.code_of.get(target) != target_code:
            problems.append(f"codec places {source} {target} elsewhere")
    for source, target in listed_rows().items():
        if mapping.get(data.code_of[source], (None,))[0] != data.code_of[target]:
            problems.append(f"listed row {source} {target} missing")
    for char in UNCHANGED:
        if data.code_of[char] in mapping:
            problems.append(f"{char} is replaced")
    sources_of = collections.Counter(target for target, _ in mapping.values())
    for source, (target, _) in mapping.items():
        target_char = data.chars[target]
        if target in mapping:
            problems.append(f"target {target_char} is replaced again")
        if not (is_unified_ideograph(target_char) or target_char in CORNER_BRACKETS):
            problems.append(f"target {target_char} is no ideograph")
        if area_of(source) not in ("gb2312", "gbk-81-a0", "gbk-aa-fe", "symbols"):
            problems.append(f"source {data.chars[source]} outside the mapped areas")
    for target, count in sources_of.items():
        allowed = 2 if data.chars[target] in TWO_SOURCE_TARGETS else 1
        if count != allowed:
            problems.append(f"target {data.chars[target]} has {count} sources")
    within = {
        data.chars[s] + data.chars[t]
        for s, (t, _) in mapping.items()
        if area_of(s) == "gb2312" and area_of(t) == "gb2312"
    }
    if within != set(WITHIN_GB2312_ROWS.split()):
        problems.append(f"pairs within GB 2312: {' '.join(sorted(within))}")
    if problems:
        raise RuntimeError("generated table is inconsistent:\n  " + "\n  ".join(problems))


def area_counts(mapping):
    counts = collections.Counter(area_of(source) for source in mapping)
    return [(name, counts[name]) for name in ("gb2312", "gbk-81-a0", "gbk-aa-fe", "symbols")]


def render_inc(mapping, data):
    counts = ", ".join(f"{name} {count}" for name, count in area_counts(mapping))
    lines = [
        "// Generated by tools/gen_traditional_table.py; do not edit.",
        f"// Data: ICU {data.icu_version} Hans-Hant transliterator (uconv);",
        f"//   Unihan {data.unihan_version} ({data.unihan_date}): Unihan_Variants.txt,"
        " Unihan_OtherMappings.txt;",
        "//   code page 936 through Python's gbk codec.",
        f"// {len(mapping)} replacing cells by source area: {counts}.",
    ]
    for source, (target, _) in mapping.items():
        comment = f"{data.chars[source]} {data.chars[target]}"
        lines.append(f"{{0x{source:04X}, 0x{target:04X}}},  // {comment}")
    return "\n".join(lines) + "\n"


def render_tsv(mapping, data):
    lines = ["source\ttarget\tsource_bytes\ttarget_bytes\tarea\torigin"]
    for source, (target, origin) in mapping.items():
        lines.append(
            f"{data.chars[source]}\t{data.chars[target]}\t{source >> 8:02X} {source & 0xFF:02X}"
            f"\t{target >> 8:02X} {target & 0xFF:02X}\t{area_of(source)}\t{origin}"
        )
    return "\n".join(lines) + "\n"


def read_text(path):
    try:
        with open(path, encoding="utf-8") as f:
            return f.read()
    except FileNotFoundError:
        return ""


def diff_summary(relative, committed, generated):
    diff = list(
        difflib.unified_diff(
            committed.splitlines(), generated.splitlines(),
            f"{relative} (committed)", f"{relative} (generated)", lineterm="", n=0,
        )
    )
    removed = sum(1 for l in diff if l.startswith("-") and not l.startswith("---"))
    added = sum(1 for l in diff if l.startswith("+") and not l.startswith("+++"))
    shown = diff[:40]
    more = [f"... {len(diff) - len(shown)} more diff lines"] if len(diff) > len(shown) else []
    summary = f"{relative}: {removed} lines only committed, {added} lines only generated"
    return [summary, *shown, *more]


def main():
    parser = argparse.ArgumentParser(description=__doc__.split("\n", 1)[0])
    parser.add_argument("--check", action="store_true",
                        help="compare with the committed files instead of writing them")
    parser.add_argument("--uconv", default="uconv", help="ICU's uconv program")
    parser.add_argument("--unihan-dir", default="/usr/share/unicode",
                        help="directory of Unihan_Variants.txt.bz2, Unihan_OtherMappings.txt.bz2")
    parser.add_argument("--root", default=ROOT, help="source tree to write or check")
    args = parser.parse_args()

    try:
        data = Data(args.uconv, args.unihan_dir)
    except MissingData as missing:
        print(f"gen_traditional_table: cannot regenerate the table: {missing}", file=sys.stderr)
        return SKIP if args.check else 1
    mapping = build_mapping(data)
    verify(mapping, data)
    outputs = {INC_PATH: render_inc(mapping, data), TSV_PATH: render_tsv(mapping, data)}

    if args.check:
        report = []
        for relative, generated in outputs.items():
            committed = read_text(os.path.join(args.root, relative))
            if committed != generated:
                report += diff_summary(relative, committed, generated)
        if report:
            print("The committed table differs from what the data gives:", file=sys.stderr)
            print("\n".join(report), file=sys.stderr)
            print("Run tools/gen_traditional_table.py to regenerate it.", file=sys.stderr)
            return 1
        print(f"traditional table matches the data ({len(mapping)} replacing cells)")
        return 0

    for relative, text in outputs.items():
        with open(os.path.join(args.root, relative), "w", encoding="utf-8", newline="\n") as f:
            f.write(text)
    counts = ", ".join(f"{name} {count}" for name, count in area_counts(mapping))
    print(f"wrote {INC_PATH} and {TSV_PATH}: {len(mapping)} replacing cells ({counts})")
    return 0


if __name__ == "__main__":
    sys.exit(main())
