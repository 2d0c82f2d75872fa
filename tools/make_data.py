#!/usr/bin/env python3
"""Writes the two lookup tables that ship beside orvell.exe: data/Character.txt and data/ASCⅡ.txt.

Run from the repository root:
    python3 tools/make_data.py           check the table below, then write both files
    python3 tools/make_data.py --check   check the table and that the files on disk match it

Both files hold 218 lines, one entry per line; line n is entry n - 1 of the full table, and its first
94 lines are the short table. Every rule the lookup and the result tables rely on is checked before
anything is written; a broken rule is printed and the script exits with status 1, files untouched.
"""

import sys
from pathlib import Path

CHARACTER_FILE = Path("data") / "Character.txt"
VALUE_FILE = Path("data") / "ASC\u2161.txt"  # U+2161 ROMAN NUMERAL TWO, as the program spells it

ENTRY_COUNT = 218
PRINTABLE_FIRST, PRINTABLE_LAST = 33, 126

# The input box of type "C" takes at most 8 characters, so a longer text could never be searched for.
MAX_CHARS = 8
MAX_COLUMNS = 2 * MAX_CHARS

# Codes the Help window names as not offered (unprintable or empty); every other code of 0..255 is.
NOT_OFFERED = {
    1, 2, 8, 16, 17, 18, 22, 23, 127, 128, 135, 155, 168, 176, 177, 178, 183, 184, 185, 187, 188, 189,
    190, 202, 203, 204, 206, 208, 211, 212, 213, 214, 216, 220, 221, 222, 223, 232,
}


def spans(*items):
    """Expands ints and (first, last) pairs into a flat list of indexes."""
    out = []
    for item in items:
        out.extend(range(item[0], item[1] + 1) if isinstance(item, tuple) else [item])
    return out


# Display columns of the character column, by entry index. The box-drawing result tables put fixed
# blanks around the character text, chosen per index; a text of exactly this width closes the row's
# right-hand bar under the header's. Chinese and English tables agree on every width.
REQUIRED_WIDTH = {}
for _width, _indexes in (
    (2, spans((0, 93), 106, 126, 186, 216, 144, 145, 147)),
    (4, spans(94, 146, (148, 151), (156, 176), (178, 185), (187, 194), (196, 215))),
    (10, spans((95, 98), 102, 105, (114, 117), 217, 121, 129, 133, 136, 139, (152, 155))),
    (6, spans((99, 101), 103, 104, 118, (107, 113))),
    (1, spans(119, 120, 123, 125, 127, 130, 138, 140)),
    (11, spans(122, 124, 128, 131, 132, 137, (141, 143))),
    (14, spans(134, 135)),
    (12, spans(195)),
    (21, spans(177)),
):
    for _index in _indexes:
        REQUIRED_WIDTH[_index] = _width

# Entries 94..217: the offered codes outside 33..126, in ascending code order (the order the result
# tables' widths were laid out for), with three kinds of exception:
#   * a one-column row can only hold one ASCII character, so the eight codes whose text is a single
#     ASCII look-alike (ascending) take the eight one-column rows, and the accented letters that would
#     have sat there (ascending) take the rows those codes left;
#   * two texts use full-width parentheses to reach a row width that 8 characters allow no other way;
#   * 219, 244 and 245 would otherwise repeat the texts of 254 and 159; they get their own shapes.
# Texts are unpadded here; build_entries() centres them in the row's width.
ROWS = [
    # index, code, text
    (94, 0, "(空)"),
    (95, 3, "(红桃符号)"),
    (96, 4, "(方块符号)"),
    (97, 5, "(梅花符号)"),
    (98, 6, "(黑桃符号)"),
    (99, 7, "(嘟声)"),
    (100, 9, "(记忆)"),
    (101, 10, "(换行)"),
    (102, 11, "(起始位置)"),
    (103, 12, "(换页)"),
    (104, 13, "(回车)"),
    (105, 14, "(音乐符号)"),
    (106, 15, "¤"),
    (107, 19, "!!"),
    (108, 20, "л"),
    (109, 21, "§"),
    (110, 24, "↑"),
    (111, 25, "↓"),
    (112, 26, "→"),
    (113, 27, "←"),
    (114, 28, "(光标向左)"),
    (115, 29, "(光标向右)"),
    (116, 30, "(光标向上)"),
    (117, 31, "(光标向下)"),
    (118, 32, "(空格)"),
    (119, 156, "E"),  # one-column row; the glyph is a capital epsilon, drawn like E
    (120, 173, "i"),  # one-column row
    (121, 131, "(a在^下面)"),
    (122, 132, "(a上面两点)"),
    (123, 179, "|"),  # one-column row
    (124, 134, "(a上面一。)"),
    (125, 196, "-"),  # one-column row; a single horizontal line
    (126, 137, "ё"),
    (127, 205, "="),  # one-column row; a double horizontal line
    (128, 139, "(i上面两点)"),
    (129, 140, "(i在^下面)"),
    (130, 250, "."),  # one-column row
    (131, 142, "(A上面两点)"),
    (132, 143, "(A上面一。)"),
    (133, 144, "(E上面一`)"),
    (134, 145, "（ae连在一起）"),  # full-width parentheses: 14 columns in 8 characters
    (135, 146, "（AE连在一起）"),  # full-width parentheses: 14 columns in 8 characters
    (136, 147, "(o在^下面)"),
    (137, 148, "(o上面两点)"),
    (138, 252, "n"),  # one-column row
    (139, 150, "(u在^下面)"),
    (140, 253, "2"),  # one-column row
    (141, 152, "(y上面两点)"),
    (142, 153, "(O上面两点)"),
    (143, 154, "(U上面两点)"),
    (144, 129, "ü"),  # moved out of a one-column row
    (145, 157, "￥"),
    (146, 158, "Pt"),
    (147, 159, "∫"),
    (148, 160, "ǎ"),
    (149, 161, "í"),
    (150, 162, "ó"),
    (151, 163, "ú"),
    (152, 164, "(n在~下面)"),
    (153, 165, "(N在~下面)"),
    (154, 166, "(a在_上面)"),
    (155, 167, "(o在_上面)"),
    (156, 169, "┌"),
    (157, 170, "┐"),
    (158, 171, "1/2"),
    (159, 172, "1/4"),
    (160, 130, "é"),  # moved out of a one-column row
    (161, 174, "《"),
    (162, 175, "》"),
    (163, 133, "à"),  # moved out of a one-column row
    (164, 180, "┬"),
    (165, 181, "╡"),
    (166, 182, "╢"),
    (167, 186, "║"),
    (168, 191, "┑"),
    (169, 192, "┖"),
    (170, 193, "┴"),
    (171, 194, "┰"),
    (172, 195, "├"),
    (173, 136, "ê"),  # moved out of a one-column row
    (174, 197, "╉"),
    (175, 198, "╞"),
    (176, 199, "╟"),
    # The row wants 21 columns, more than 8 characters can fill; the glyph alone keeps it searchable.
    (177, 200, "』"),
    (178, 201, "『"),
    (179, 138, "è"),  # moved out of a one-column row
    (180, 207, "╧"),
    (181, 209, "╤"),
    (182, 210, "╥"),
    (183, 215, "╫"),
    (184, 217, "┚"),
    (185, 218, "┎"),
    (186, 219, "█"),  # a full block; the small square belongs to 254
    (187, 224, "α"),
    (188, 225, "β"),
    (189, 226, "γ"),
    (190, 227, "π"),
    (191, 228, "Σ"),
    (192, 229, "σ"),
    (193, 230, "μ"),
    (194, 231, "τ"),
    (195, 233, "Ф(应90°转)"),
    (196, 234, "Ω"),
    (197, 235, "δ"),
    (198, 236, "∞"),
    (199, 237, "Ф"),
    (200, 238, "∈"),
    (201, 239, "∩"),
    (202, 240, "≡"),
    (203, 241, "±"),
    (204, 242, "≥"),
    (205, 243, "≤"),
    # The top and bottom halves of the integral sign; the whole sign belongs to 159. Their own glyphs
    # are missing from the CJK font and from code page 936, so the halves are named instead.
    (206, 244, "∫上"),
    (207, 245, "∫下"),
    (208, 246, "÷"),
    (209, 247, "≈"),
    (210, 248, "。"),
    (211, 249, "·"),
    (212, 141, "ì"),  # moved out of a one-column row
    (213, 251, "√"),
    (214, 149, "ò"),  # moved out of a one-column row
    (215, 151, "ù"),  # moved out of a one-column row
    (216, 254, "■"),
    (217, 255, "(空格'FF')"),
]


def columns(text):
    """Display columns as the result tables count them: ASCII one column, anything else two."""
    return sum(1 if ord(ch) < 0x80 else 2 for ch in text)


def centre(text, width):
    """Pads with blanks to the width, the odd blank after, so the glyph sits mid-column."""
    spare = max(width - columns(text), 0)
    before = spare // 2
    return " " * before + text + " " * (spare - before)


def build_entries():
    """Returns the 218 (code, stored character text) pairs in line order."""
    entries = []
    # The printable codes keep a leading blank: their rows are two columns wide, and the lookup trims
    # blanks before comparing, so the blank never gets in the way of a search.
    for code in range(PRINTABLE_FIRST, PRINTABLE_LAST + 1):
        entries.append((code, " " + chr(code)))
    for index, code, text in ROWS:
        required = REQUIRED_WIDTH.get(index, 0)
        if required > MAX_COLUMNS:
            # Too wide to reach: use the whole 8 characters, so the bar comes as close as it can.
            spare = MAX_CHARS - len(text)
            entries.append((code, " " * (spare // 2) + text + " " * (spare - spare // 2)))
        else:
            entries.append((code, centre(text, required)))
    return entries


def check(entries):
    """Returns (errors, notes); an empty error list means the files may be written."""
    errors, notes = [], []

    row_indexes = [index for index, _, _ in ROWS]
    first_free = PRINTABLE_LAST - PRINTABLE_FIRST + 1
    if row_indexes != list(range(first_free, ENTRY_COUNT)):
        errors.append(f"rows must number {first_free}..{ENTRY_COUNT - 1} in order, one each")
    if sorted(REQUIRED_WIDTH) != list(range(ENTRY_COUNT)):
        errors.append("the width table must name every index 0..217 exactly once")
    if len(entries) != ENTRY_COUNT:
        errors.append(f"{len(entries)} entries, want {ENTRY_COUNT}")

    for index, _, text in ROWS:
        if text != text.strip(" "):
            errors.append(f"index {index}: write the text unpadded, the script centres it")

    codes = [code for code, _ in entries]
    offered = [code for code in range(256) if code not in NOT_OFFERED]
    if sorted(codes) != offered:
        missing = sorted(set(offered) - set(codes))
        extra = sorted(set(codes) - set(offered))
        repeated = sorted({code for code in codes if codes.count(code) > 1})
        errors.append(f"codes differ from the offered set: missing {missing}, not offered {extra}, "
                      f"repeated {repeated}")
    for index, code in enumerate(codes[:first_free]):
        if code != PRINTABLE_FIRST + index:
            errors.append(f"index {index}: the short table must hold code {PRINTABLE_FIRST + index}")

    first_holder = {}
    for index, (code, stored) in enumerate(entries):
        trimmed = stored.strip(" ")
        required = REQUIRED_WIDTH.get(index, 0)
        where = f"index {index} (code {code:03d}, {stored!r})"
        if len(stored) > MAX_CHARS:
            errors.append(f"{where}: {len(stored)} characters, at most {MAX_CHARS}")
        if any(ord(ch) > 0xFFFF or 0xD800 <= ord(ch) <= 0xDFFF for ch in stored):
            errors.append(f"{where}: outside the Basic Multilingual Plane")
        # The program also reads these files saved in code page 936; keep them convertible.
        try:
            stored.encode("cp936")
        except UnicodeEncodeError:
            errors.append(f"{where}: cannot be saved in code page 936")
        # A tab or line break would split the entry or shift every following line.
        if any(ord(ch) < 0x20 or ord(ch) == 0x7F for ch in stored):
            errors.append(f"{where}: holds a control character")
        if not trimmed:
            errors.append(f"{where}: blank once trimmed, so it can never be found")
        if required <= MAX_COLUMNS and columns(stored) != required:
            errors.append(f"{where}: {columns(stored)} columns, the row needs {required}")
        elif required > MAX_COLUMNS:
            notes.append(f"{where}: {columns(stored)} columns, the row needs {required}; "
                         f"it cannot line up")
        if trimmed in first_holder:
            # The search stops at the first equal text, so this entry is only reachable by value. A
            # one-column row can only hold a printable ASCII character, which the short table owns.
            earlier = first_holder[trimmed]
            if required == 1:
                notes.append(f"{where}: same text as index {earlier}; one-column row, unavoidable")
            else:
                errors.append(f"{where}: same text as index {earlier}, so a search never reaches it")
        else:
            first_holder[trimmed] = index
    return errors, notes


def encode(lines):
    # UTF-8 without a byte-order mark, every line closed by CR LF, the last one too.
    return "".join(line + "\r\n" for line in lines).encode("utf-8")


def main(argv):
    verify_only = argv[1:] == ["--check"]
    if argv[1:] and not verify_only:
        print("usage: python3 tools/make_data.py [--check]", file=sys.stderr)
        return 2

    entries = build_entries()
    errors, notes = check(entries)
    for note in notes:
        print("note:", note)
    if errors:
        for error in errors:
            print("error:", error, file=sys.stderr)
        return 1

    contents = {
        CHARACTER_FILE: encode(text for _, text in entries),
        VALUE_FILE: encode(f"{code:03d}" for code, _ in entries),
    }
    if verify_only:
        stale = [str(path) for path, data in contents.items()
                 if not path.is_file() or path.read_bytes() != data]
        for path in stale:
            print(f"error: {path} differs from the table; run python3 tools/make_data.py",
                  file=sys.stderr)
        return 1 if stale else 0

    if not Path("data").is_dir():
        print("error: no data/ folder here; run from the repository root", file=sys.stderr)
        return 1
    for path, data in contents.items():
        path.write_bytes(data)
        print(f"wrote {path} ({ENTRY_COUNT} lines)")
    return 0


if __name__ == "__main__":
    sys.exit(main(sys.argv))
