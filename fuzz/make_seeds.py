#!/usr/bin/env python3
"""Writes the seed corpora of the fuzz targets, fuzz/corpus/<target>/<name>.

The seeds are a handful of meaningful inputs in each harness's byte layout, so the fuzzers
start from real key sequences and real records rather than from nothing. The layouts are
described at each harness's reads (FuzzInput reads front to back, zeros past the end); run
this again after changing one.
"""
import math
import os
import struct
import sys

HERE = os.path.dirname(os.path.abspath(__file__))


def write(target, name, data):
    folder = os.path.join(HERE, "corpus", target)
    os.makedirs(folder, exist_ok=True)
    with open(os.path.join(folder, name), "wb") as f:
        f.write(bytes(data))


def word(value):
    return struct.pack("<I", value & 0xFFFFFFFF)


def double(value):
    return struct.pack("<d", value)


# ---- engine_events -------------------------------------------------------------------------
# Header bits: 0 Styled, 1 restored state follows, 2 In Memory, 3 Comma Point,
# 4 Exit by Escape, 5 Clear by Escape, 6 basic view, 7 After Point.
CLASSIC, STYLED, RESTORED, IN_MEMORY, COMMA, EXIT_ESC, CLEAR_ESC, BASIC, AFTER = (
    0, 1, 2, 4, 8, 16, 32, 64, 128)
SHIFT, CTRL = 1, 2

# Index of each key in the harness's table of button ids.
BUTTONS = {name: i for i, name in enumerate(
    ["MC", "MR", "MS", "M+"]
    + [str(d) for d in range(10)] + list("ABCDEF")
    + ["/", "*", "-", "+", "%", "=", "sqrt", "1/x"]
    + ["+/-", ".", "Back", "Delete", "ClearBoth", "Clear", "Acc", "Mem", "View"]
    + ["ln", "log", "exp", "10^x", "x^y", "x^3", "x^2", "sin", "cos", "tan", "asin", "acos", "atan"]
    + ["Tips", "e", "pi", "swap"]
    + ["XUp", "XDown", "Degrees", "Radians", "Dec", "Hex", "Oct", "Bin", "IntegerInput"])}


def chars(text, mods=0):
    out = []
    for c in text:
        out += [0, ord(c), mods]
    return out


def buttons(*names):
    out = []
    for n in names:
        out += [5, BUTTONS[n]]
    return out


def press(key, mods=0):
    return [2, key, mods]


def release(key, mods=0):
    return [3, key, mods]


def tap(key, mods=0):
    return [4, key, mods]


def paste(text):
    return [7, len(text)] + list(text.encode("latin-1"))


def long_paste(pattern, repeats_byte, full):
    # 0xFF asks for the whole paste; anything else cuts it short. No seed asks: every input
    # the fuzzer derived from one would carry its 4096 keys.
    return [8, 0xFF if full else 0, repeats_byte, len(pattern) - 1] + list(pattern.encode("latin-1"))


def precision_edit(value):
    return [11, value + 2]


def radio_base(n):
    return [13, (n << 2) | 0]


def integer_input():
    return [13, 3]


def restored(values, context, last_op, scale, after):
    out = b"".join(double(v) for v in values)
    out += bytes(c & 0xFF for c in context) + word(last_op) + bytes([scale & 0xFF, after & 0xFF])
    return list(out)


VK_BACK, VK_RETURN, VK_ESCAPE, VK_SPACE = 0x08, 0x0D, 0x1B, 0x20
VK_LEFT, VK_UP, VK_RIGHT, VK_DOWN, VK_DELETE = 0x25, 0x26, 0x27, 0x28, 0x2E


def engine_events():
    t = "engine_events"
    write(t, "typed-chain", [CLASSIC] + chars("12+34*2=") + chars("-5=") + chars("%"))
    write(t, "keys-power-and-functions",
          [STYLED] + buttons("2", "x^y", "1", "0", "=", "sqrt", "ln", "sin", "asin", "1/x", "+/-", "x^3"))
    write(t, "hex-integer-input",
          [CLASSIC] + radio_base(1) + integer_input() + chars("FF") + buttons("A", "B", "Back")
          + tap(VK_LEFT) + tap(VK_RIGHT) + radio_base(3) + chars("101") + [21, 1])
    write(t, "paste-and-copy",
          [CLASSIC | COMMA] + paste("1 234,5*2=") + [10] + paste("abc+def") + [9, 3] + list(b"0.5")
          + long_paste("9", 0x40, full=False) + long_paste("12+", 0x10, full=False))
    write(t, "restored-odd-numbers",
          [STYLED | RESTORED | IN_MEMORY]
          + restored([float("nan"), float("inf"), 1e300, -0.5], [5, -1, 9, 2], 0x7FFFFFFF, 99, -3)
          + chars("=") + buttons("Mem", "M+", "MR", "=") + radio_base(1) + integer_input() + chars("7"))
    write(t, "precision-models",
          [CLASSIC | AFTER] + chars("2") + buttons("sqrt") + precision_edit(12) + [12, 0]
          + precision_edit(3) + precision_edit(-1) + [16] + [12, 1] + [19])
    write(t, "keyboard-views-and-escape",
          [CLASSIC | EXIT_ESC | BASIC] + press(VK_RIGHT, CTRL) + release(VK_SPACE) + release(VK_SPACE, CTRL)
          + tap(VK_UP) + tap(ord("W")) + tap(VK_LEFT, SHIFT) + tap(VK_DELETE, SHIFT) + chars("3")
          + press(ord("D"), CTRL) + press(VK_ESCAPE) + release(VK_ESCAPE))
    write(t, "memory-keys",
          [STYLED | CLEAR_ESC] + chars("42") + tap(ord("M"), CTRL) + tap(ord("R"), CTRL) + tap(0x6B, CTRL)
          + release(VK_RETURN, CTRL) + release(VK_RETURN, SHIFT) + tap(VK_BACK, SHIFT) + [17]
          + press(VK_ESCAPE) + release(VK_ESCAPE) + [14, 0, 0, 0, 0, 0] + chars("1"))


# ---- settings_load -------------------------------------------------------------------------
CALC_VALUES = ["Basic Colors", "Extended Colors", "Custom Colors", "Extended View", "System Backgrounds",
               "Exit by Escape", "Clear by Escape", "Show Tips", "Soft Btns", "In Memory", "Show Precision",
               "Run Multiple", "Big Font", "Bold Result", "Bold Button", "Comma Point", "bAfter", "On Top",
               "x,y", "Last Values", "Context", "Run Q-ty", "nScale", "nAfter"]
LOAN_VALUES = ["Colors", "System Backgrounds", "Exit by Escape", "Clear by Escape", "Show Tips", "Soft Btns",
               "Run Multiple", "Big Font", "Bold Result", "Bold Button", "Comma Point", "On Top", "x,y",
               "Amount", "Months", "Percent"]
REG_SZ, REG_BINARY, REG_DWORD = 0, 1, 2  # the harness's type picks


def value(type_pick, data):
    # Present (bit 0), the type in bits 2-3, an explicit length byte (bit 7).
    return [0x80 | (type_pick << 2) | 1, len(data)] + list(data)


def record(names, values):
    out = []
    for name in names:
        out += values[name] if name in values else [0]
    return out


def words(*values):
    return b"".join(word(v) for v in values)


def calc_record(flag=1, **changes):
    v = {
        "Basic Colors": value(REG_BINARY, words(*range(0x10101, 0x10101 + 15))),
        "Extended Colors": value(REG_BINARY, words(*range(0x20202, 0x20202 + 5))),
        "Custom Colors": value(REG_BINARY, words(*([0xFFFFFF] * 16))),
        "x,y": value(REG_BINARY, words(100, 0xFFFFFFEC)),
        "Last Values": value(REG_BINARY, double(1.5) + double(-2.25) + double(1e300) + double(0.1)),
        "Context": value(REG_BINARY, words(1, 1, 3, 1, 2204)),
        "Run Q-ty": value(REG_DWORD, words(41)),
        "nScale": value(REG_DWORD, words(12)),
        "nAfter": value(REG_DWORD, words(5)),
    }
    for name in CALC_VALUES:
        v.setdefault(name, value(REG_BINARY, [flag]))
    v.update(changes)
    return record(CALC_VALUES, v)


def loan_record(**changes):
    v = {
        "Colors": value(REG_BINARY, words(*range(0x0A0B0C, 0x0A0B0C + 9))),
        "x,y": value(REG_BINARY, words(12, 0xFFFFFFFD)),
        "Amount": value(REG_SZ, b"250000,5\0"),
        "Months": value(REG_SZ, b"360\0"),
        "Percent": value(REG_SZ, b"7,5%\0"),
    }
    for name in LOAN_VALUES:
        v.setdefault(name, value(REG_BINARY, [1]))
    v.update(changes)
    return record(LOAN_VALUES, v)


def settings_load():
    t = "settings_load"
    write(t, "empty-registry", [0])
    write(t, "classic-saved-records", [0] + calc_record() + loan_record())
    write(t, "styled-saved-records", [1] + calc_record(flag=0) + loan_record(**{"Percent": value(REG_SZ, b"%\0")}))
    write(t, "out-of-range-and-odd-values",
          [0] + calc_record(flag=0xFF, **{
              "Context": value(REG_BINARY, words(7, 0xFFFFFFFF, 4, 2, 0x80000000)),
              "Last Values": value(REG_BINARY, double(float("nan")) + double(float("-inf")) + double(5e-324)),
              "nScale": value(REG_DWORD, words(99)),
              "nAfter": value(REG_DWORD, words(0xFFFFFFFF)),
              "Basic Colors": value(REG_BINARY, b"\x01\x02\x03\x04\x05\x06\x07"),
              "x,y": value(REG_SZ, b"12"),
          })
          + loan_record(**{
              "Amount": value(REG_BINARY, b"12\x00" + b"3\x00"),
              "Months": value(REG_SZ, b"1" * 62 + b"\0"),
              "Percent": value(REG_DWORD, b"7.5"),
          }))
    write(t, "too-long-values",
          [1] + calc_record(**{
              "Context": value(REG_BINARY, bytes(21)),
              "Last Values": value(REG_BINARY, bytes(33)),
              "Show Tips": value(REG_BINARY, b"\x01\x01"),
          })
          + loan_record(**{"Amount": value(REG_SZ, b"9" * 63 + b"\0")}))
    # Header bit 1: the rest of the input is a portable program's settings file.
    write(t, "file-empty", [SETTINGS_FILE])
    write(t, "file-classic-records", [SETTINGS_FILE] + list(settings_file(CLASSIC_FILE).encode("latin-1")))
    write(t, "file-styled-hostile", [SETTINGS_FILE | 1] + list(settings_file(HOSTILE_FILE).encode("latin-1")))


SETTINGS_FILE = 2


def settings_file(sections):
    out = "; a seed\r\n"
    for key, lines in sections:
        out += "\r\n[Software\\Brimwold\\" + key + "]\r\n" + "".join(line + "\r\n" for line in lines)
    return out


def hex_words(*values):
    return words(*values).hex()


CLASSIC_FILE = [
    ("Tallyra\\Classic", [
        "Basic Colors=binary:" + hex_words(*range(0x10101, 0x10101 + 15)),
        "Extended Colors=binary:" + hex_words(*range(0x20202, 0x20202 + 5)),
        "Custom Colors=binary:" + hex_words(*([0xFFFFFF] * 16)),
        "Extended View=binary:01", "System Backgrounds=binary:00", "Show Tips=binary:01", "Soft Btns=binary:00",
        "Big Font=binary:01", "Comma Point=binary:01", "bAfter=binary:01",
        "x,y=binary:" + hex_words(100, 0xFFFFFFEC),
        "Last Values=binary:" + (double(1.5) + double(-2.25) + double(1e300) + double(0.1)).hex(),
        "Context=binary:" + hex_words(1, 1, 3, 1, 2204),
        "Run Q-ty=dword:41", "nScale=dword:12", "nAfter=dword:5",
        "Show Tape=binary:01", "Tape Place=binary:" + hex_words(10, 20, 300, 400),
        "Tape=string:12 + 5 = 17\\r\\nMC",
    ]),
    ("Loan Calculator\\Classic", [
        "Colors=binary:" + hex_words(*range(0x0A0B0C, 0x0A0B0C + 9)),
        "Exit by Escape=binary:00", "x,y=binary:" + hex_words(12, 0xFFFFFFFD),
        "Amount=string:250000,5", "Months=string:360", "Percent=string:7,5%",
    ]),
]

HOSTILE_FILE = [
    ("Tallyra\\Styled", [
        "Basic Colors=binary:0102030", "Show Tips=binary:zz", "Big Font=dword:1", "nScale=dword:4294967296",
        "nAfter=hex(4):0900000000", "On Top=string:\\x01", "Context=binary:" + hex_words(7, 0xFFFFFFFF, 4, 2, 0),
        "x,y=binary:01", "x,y=binary:" + hex_words(5, 6), "Tape=string:a\\x00b\\tc\\\\", "Unknown=text:1",
        "no value", "=binary:01", "Comma Point=hex(3):01",
    ]),
    ("Loan Calculator\\Styled", [
        "Amount=string:\\x20" + "9" * 62, "Percent=string:7.5", "Months=hex(1):3132", "Amount=string:12\\q",
    ]),
    ("bad]", ["Big Font=binary:01"]),
]


# ---- loan_entry ----------------------------------------------------------------------------
# Header bits: 0 Comma Point, 1 three restored texts follow (length byte % 64, bytes).
DIGIT, SEP, DEL, CLEAR_FIELD, CLEAR_ALL, SELECT, RADIO, NEXT, PREV, TOGGLE_COMMA = range(10)
PASTE, COPY, CLIPBOARD, SCRATCH = 11, 13, 14, 15


def keys(text):
    out = []
    for c in text:
        out += [SEP] if c in ".," else [DIGIT, ord(c) - ord("0")]
    return out


def text_bytes(text):
    return [len(text)] + list(text.encode("latin-1"))


def loan_paste(text):
    return [PASTE, 0] + text_bytes(text)


def loan_entry():
    t = "loan_entry"
    write(t, "typed-loan",
          [0] + [CLEAR_ALL] + keys("250000.5") + [NEXT] + keys("7.5") + [NEXT] + keys("360") + [SCRATCH, 0]
          + text_bytes("") * 3 + [COPY] + [DEL, PREV, DEL, PREV, CLEAR_FIELD])
    write(t, "comma-paste-and-toggle",
          [1] + loan_paste("1 500,75") + [SCRATCH, 0] + text_bytes("") * 3 + [COPY, TOGGLE_COMMA]
          + loan_paste("87.92 - 1 054.99") + [TOGGLE_COMMA, SELECT, 1, SEP] + keys("5"))
    write(t, "restored-texts",
          [2] + text_bytes("1000") + text_bytes("10") + text_bytes("12") + [DEL, DEL, RADIO, 2, DEL, RADIO, 0xFF]
          + keys("0") + [CLEAR_ALL, SEP] + keys("05"))
    write(t, "formula-extremes",
          [0] + [SCRATCH, 1] + text_bytes("1e308") + text_bytes("99") + text_bytes("99999999")
          + [SCRATCH, 0] + text_bytes("1") + text_bytes("1e-300") + text_bytes("1")
          + [SCRATCH, 0] + text_bytes("12E3") + text_bytes(".5") + text_bytes("0.5")
          + [PASTE, 1, 0x20, 2] + list(b"123") + [CLIPBOARD] + loan_paste("5"))


# ---- payment_schedule ----------------------------------------------------------------------
# Header bits: 0 the loan as texts (length byte, bytes; else four doubles, the months a byte
# below 128 or 128 and a double), 1 the extra typed into the box (edit count, then per edit
# from, to, kind: 0 a key and its byte, 1 a paste, its length and bytes; else 8 bytes of a
# signed number), 2 the comma. Then the chart's width / 8 and height / 2.
def schedule_texts(amount, rate, term):
    return text_bytes(amount) + text_bytes(rate) + text_bytes(term)


def box_keys(text):
    out = [len(text) + 1]
    for c in text:
        out += [200, 200, 0, ord(c)]
    return out


def payment_schedule():
    t = "payment_schedule"
    write(t, "refused-payment-below-interest", [1] + schedule_texts("1061.60", "7.5%", "9999") + [0] * 8 + [40, 50])
    write(t, "long-loan-last-payment", [1] + schedule_texts("1000", "20%", "360") + [0] * 8 + [60, 60])
    write(t, "extra-typed-with-comma",
          [7] + schedule_texts("15000", "4,9%", "48") + box_keys("5x0,5") + [0, 0, 1, 5] + list(b"1 2,3")
          + [50, 40])
    write(t, "largest-inputs",
          [0] + list(double(70368744177663.99) + double(999999999.9)) + [128] + list(double(9999.0))
          + list(double(1e300)) + list(struct.pack("<q", 2 ** 63 - 1)) + [255, 255])
    write(t, "payment-one-cent-above-interest",
          [0] + list(double(1000.0) + double(12.0)) + [120] + list(double(10.01)) + list(struct.pack("<q", 1))
          + [3, 3])


# ---- unscramble ----------------------------------------------------------------------------
def scramble(text, key):
    out = bytearray(b"ZM" + bytes(key))
    for i, b in enumerate(text):
        in_block = i % 4
        reversed_block = (i // 4) % 2 == 0
        out.append(b ^ key[3 - in_block if reversed_block else in_block])
    return out


def unscramble():
    t = "unscramble"
    write(t, "scrambled-help", scramble(b"Tallyra help\r\nF1 opens this.\r\n\0", [0x13, 0x57, 0x9B, 0xDF]))
    write(t, "plain-help", b"Plain help\nwith LF and CR\rends\0")
    write(t, "magic-only", b"ZM")
    write(t, "short-header", b"ZM\x01\x02\x03")


# ---- radix_text ----------------------------------------------------------------------------
def radix_value(mantissa, shift, negative=False):
    # how % 4 != 0: a 64-bit mantissa (two words, high first) times 2^(shift byte - 64).
    how = 1 | (0x80 if negative else 0)
    return [how] + list(word(mantissa >> 32)) + list(word(mantissa)) + [shift + 64]


def radix_raw(v):
    return [0] + list(double(v))


RADIX_PICK = {2: 0, 8: 1, 10: 2, 16: 3, 7: 7, 0: 4}


def radix_case(value, radix, separator, text, group):
    return value + [RADIX_PICK[radix], separator] + text_bytes(text) + [group & 0xFF]


def radix_text():
    t = "radix_text"
    write(t, "hex-ff", radix_case(radix_value(255, 0), 16, ord(" "), "FF FF", 4))
    write(t, "binary-2-to-53-less-1", radix_case(radix_value(2 ** 53 - 1, 0), 2, ord(" "), "1 0000 0000", 8))
    write(t, "nan-unknown-radix", radix_case(radix_raw(float("nan")), 7, ord(" "), "", 3))
    write(t, "huge-negative-decimal", radix_case(radix_raw(-1e300), 10, 0, "1234567.5", 3))
    write(t, "negative-fraction-octal", radix_case(radix_value(3, -2, negative=True), 8, ord(","), "12,34", -3))


def main():
    engine_events()
    settings_load()
    loan_entry()
    payment_schedule()
    unscramble()
    radix_text()
    return 0


if __name__ == "__main__":
    sys.exit(main())
