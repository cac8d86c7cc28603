#!/usr/bin/env python3
"""Checks `orvane print` against a model of the textual value form.

The model below is written from the description of the form alone: the
character classes, the tokenizer and its scanners, the reader, the error
offsets and the printed forms. The script generates many thousands of
inputs, some printed from random values, most cut from fragments chosen to
hit the tricky cases (quotes, radix numbers, character constants, reals,
words, operator runs, braces, bad bytes), feeds them all to one
`orvane print -` process and compares every output line with the model's.

usage: value_text_model.py ORVANE [COUNT] [SEED]
"""

import math
import random
import re
import subprocess
import sys

# Character classes.
IDENT, EXPONENT, LOWER, UPPER, DIGIT = 0x0008, 0x0010, 0x0020, 0x0040, 0x0080
SPECIAL, RESERVED, RADIX, SIGN = 0x0100, 0x0200, 0x0400, 0x0800
STRING_QUOTE, CHAR_QUOTE, POINT, SPACE = 0x1000, 0x2000, 0x4000, 0x8000


def class_table():
    table = [0] * 256

    def put(codes, mask):
        for c in codes:
            table[c] = mask

    put(range(0x00, 0x21), SPACE)
    put([0x7F, 0xCA], SPACE)
    put(range(0xD9, 0xFF), SPACE)
    put(b"0123456789", DIGIT)
    put(b"abcdfghijklmnopqrstuvwxyz", 0x0028)
    put(range(0x87, 0xA0), 0x0028)
    put([0xBE, 0xCF, 0xD8], 0x0028)
    put(b"e", 0x0038)
    put(b"ABCDFGHIJKLMNOPQRSTUVWXYZ", 0x0048)
    put(range(0x80, 0x87), 0x0048)
    put([0xAE, 0xAF], 0x0048)
    put(range(0xCB, 0xCF), 0x0048)
    put(b"E", 0x0058)
    put(b"_", 0x0008)
    put(b"()[]{}", 0x0200)
    put(b"+-", 0x0900)
    put(b".", 0x4100)
    put(b"#", 0x0500)
    put(b'"', 0x1000)
    put(b"'", 0x2000)
    put(b"!$%&*,/:;<=>?@\\^`|~", 0x0100)
    put(range(0xA0, 0xAE), 0x0100)
    put(range(0xB0, 0xBE), 0x0100)
    put(range(0xBF, 0xCA), 0x0100)
    put(range(0xD0, 0xD8), 0x0100)
    table[0xFF] = 0
    return table


CLASS = class_table()

# Token kinds.
T_ERROR, T_RESERVED, T_STRING, T_WORD, T_INTEGER, T_REAL = range(6)

# Values: None for null, or tuples tagged by kind.
TRUE, FALSE, NONE, UNDEFINED = ("bool", 1), ("bool", 0), ("none",), ("undefined",)


class ParseError(Exception):
    def __init__(self, offset):
        super().__init__(offset)
        self.offset = offset


def to_int32(n):
    n &= 0xFFFFFFFF
    return n - (1 << 32) if n >= 1 << 31 else n


def run_of(src, i, mask):
    j = i
    while j < len(src) and CLASS[src[j]] & mask:
        j += 1
    return j - i


def quoted(src, i):
    """Length and contents of the quoted run opened at src[i], or None."""
    quote = src[i]
    out = bytearray()
    j = i + 1
    while j < len(src):
        c = src[j]
        if CLASS[c] == 0:
            return None
        if c == quote:
            if j + 1 < len(src) and src[j + 1] == quote:
                out.append(c)
                j += 2
                continue
            return j + 1 - i, bytes(out)
        out.append(c)
        j += 1
    return None


def digit_of(c):
    if 0x30 <= c <= 0x39:
        return c - 0x30
    if 0x41 <= c <= 0x5A:
        return c - 0x41 + 10
    if 0x61 <= c <= 0x7A:
        return c - 0x61 + 10
    return 99


def digits_in_base(src, i, base):
    """(characters taken, value, digit count) of ovParseNumber."""
    j, value, count = i, 0, 0
    while j < len(src) and CLASS[src[j]] & (IDENT | DIGIT):
        if src[j] != ord("_"):
            d = digit_of(src[j])
            if d >= base:
                break
            value = value * base + d
            count += 1
        j += 1
    return j - i, value, count


def scan_integer(src, i):
    j = i
    negative = False
    if CLASS[src[j]] & SIGN:
        negative = src[j] == ord("-")
        j += 1
    taken, value, count = digits_in_base(src, j, 10)
    if count == 0:
        return None
    end = j + taken
    if end < len(src) and CLASS[src[end]] & (POINT | EXPONENT):
        return None
    if value <= 32 and end < len(src) and src[end] == ord("#"):
        rtaken, rvalue, rcount = digits_in_base(src, end + 1, value)
        if rcount:
            return end + 1 + rtaken - i, T_INTEGER, ("int", to_int32(-rvalue if negative else rvalue))
    signed = -value if negative else value
    if -(1 << 31) <= signed < (1 << 31):
        return end - i, T_INTEGER, ("int", signed)
    text = src[j:end].replace(b"_", b"").decode()
    return end - i, T_REAL, ("real", float(("-" if negative else "") + text))


REAL_PATTERN = re.compile(rb"[+-]?(?:[0-9]+\.?[0-9]*|\.[0-9]+)(?:[eE][+-]?[0-9]+)?")


def scan_real(src, i):
    m = REAL_PATTERN.match(src[i : i + 255])
    if not m:
        return None
    return m.end(), T_REAL, ("real", float(m.group().decode()))


def scan_token(src, i):
    c = src[i]
    m = CLASS[c]
    left = len(src) - i
    if m & STRING_QUOTE:
        q = quoted(src, i)
        if q:
            return q[0], T_STRING, ("text", q[1])
    if m & CHAR_QUOTE:
        q = quoted(src, i)
        if q:
            n = 0
            for b in q[1]:
                n = ((n << 8) + b) & 0xFFFFFFFF
            return q[0], T_INTEGER, ("int", to_int32(n))
    if m & IDENT:
        n = run_of(src, i, IDENT | DIGIT)
        return n, T_WORD, ("text", src[i : i + n])
    if m & RESERVED:
        return 1, T_RESERVED, chr(c)
    if m & DIGIT or (left >= 2 and m & SIGN and CLASS[src[i + 1]] & DIGIT):
        r = scan_integer(src, i)
        if r:
            return r
    if m & (SIGN | IDENT | DIGIT | POINT):
        r = scan_real(src, i)
        if r:
            return r
    if m & SPECIAL:
        n = run_of(src, i, SPECIAL)
        return n, T_WORD, ("text", src[i : i + n])
    return None


def tokenize(src):
    tokens = []
    i = 0
    while True:
        i += run_of(src, i, SPACE)
        if i == len(src):
            return tokens
        scanned = scan_token(src, i)
        if scanned is None:
            tokens.append((i, T_ERROR, None))
            return tokens
        length, kind, value = scanned
        tokens.append((i, kind, value))
        i += length


WORDS = {b"TRUE": TRUE, b"FALSE": FALSE, b"UNDEFINED": UNDEFINED, b"NULL": None, b"NONE": NONE}


def is_reserved(token, char):
    return token[1] == T_RESERVED and token[2] == char


def read_braces(tokens, pos):
    for k in (2, 3, 4):
        parts = tokens[pos + 1 : pos + 1 + k]
        closer = pos + 1 + k
        if len(parts) == k and all(t[1] == T_INTEGER for t in parts) and closer < len(tokens) \
                and is_reserved(tokens[closer], "}"):
            n = [t[2][1] for t in parts]
            if k == 2:
                return ("point", n[0], n[1]), closer + 1
            if k == 3:
                return ("rgb", n[0] & 0xFFFF, n[1] & 0xFFFF, n[2] & 0xFFFF), closer + 1
            return ("rect", n[0], n[1], n[2], n[3]), closer + 1
    raise ParseError(tokens[pos][0])


def read_value(tokens, pos):
    offset, kind, value = tokens[pos]
    if is_reserved(tokens[pos], "("):
        items = []
        p = pos + 1
        while True:
            if p >= len(tokens):
                raise ParseError(offset if pos == len(tokens) - 1 else 0)
            if is_reserved(tokens[p], ")"):
                return ("list", items), p + 1
            item, p = read_value(tokens, p)
            items.append(item)
    if is_reserved(tokens[pos], "{"):
        return read_braces(tokens, pos)
    if kind in (T_ERROR, T_RESERVED):
        raise ParseError(offset)
    if kind == T_WORD and value[1] in WORDS:
        return WORDS[value[1]], pos + 1
    return value, pos + 1


def from_string(src):
    tokens = tokenize(src)
    if not tokens:
        raise ParseError(0)
    value, end = read_value(tokens, 0)
    if end < len(tokens):
        raise ParseError(tokens[1][0])
    return value


def print_real(x):
    text = "%.12g" % x
    whole = math.isinf(x) or x.is_integer()
    return text + ".0" if whole else text


def print_value(v):
    if v is None:
        return b"NULL"
    kind = v[0]
    if kind == "bool":
        return b"TRUE" if v[1] else b"FALSE"
    if kind == "none":
        return b"NONE"
    if kind == "undefined":
        return b"UNDEFINED"
    if kind == "int":
        return str(v[1]).encode()
    if kind == "real":
        return print_real(v[1]).encode()
    if kind == "text":
        return b'"' + v[1].split(b"\0")[0].replace(b'"', b'""') + b'"'
    if kind == "list":
        return b"(" + b"".join(b" " + print_value(e) for e in v[1]) + b" )"
    return b"{ " + b" ".join(str(n).encode() for n in v[1:]) + b" }"


def expected_line(src):
    try:
        return print_value(from_string(src))
    except ParseError as e:
        return b"error at offset %d" % e.offset


# Input generation.
OPERATORS = b"!$%&*,/:;<=>?@\\^`|~#.+-" + bytes(range(0xA0, 0xAE)) + bytes([0xB5, 0xC5, 0xD0, 0xD7])
LETTERS = b"abcxyzABCXYZeE_" + bytes([0x80, 0x86, 0x87, 0x9F, 0xAE, 0xBE, 0xCB, 0xCF, 0xD8])
SPACES = [b" ", b" ", b" ", b"\t", b"\r", b"\0", b"\xca", b"\xda", b"\x7f", b""]
ANY_BYTE_BUT_NEWLINE = bytes(b for b in range(256) if b != 0x0A)
DIGITS36 = "0123456789abcdefghijklmnopqrstuvwxyzABCDEFGHIJKLMNOPQRSTUVWXYZ"


class Generator:
    def __init__(self, seed):
        self.r = random.Random(seed)

    def pick(self, options):
        return self.r.choice(options)

    def some(self, alphabet, low, high):
        return bytes(self.r.choice(alphabet) for _ in range(self.r.randint(low, high)))

    def decimal(self):
        r = self.r
        choice = r.randrange(6)
        if choice == 0:
            text = str(r.randint(0, 40))
        elif choice == 1:
            text = str(r.randint(0, 2**31 + 10))
        elif choice == 2:
            text = "".join(r.choice("0123456789") for _ in range(r.randint(10, 25)))
        elif choice == 3:
            text = self.pick(["2147483647", "2147483648", "4294967295", "4294967296", "3000000000"])
        elif choice == 4:
            text = "_".join(str(r.randint(0, 999)) for _ in range(r.randint(1, 4)))
        else:
            text = str(r.randint(0, 999)) + "_" * r.randint(1, 2)
        return (self.pick(["", "", "-", "+"]) + text).encode()

    def radix(self):
        r = self.r
        base = r.choice([r.randint(0, 40), 2, 8, 16, 16, 32])
        alphabet = DIGITS36[: max(base, 1) + 1] + "_" + ("G" if base <= 16 else "")
        digits = "".join(r.choice(alphabet) for _ in range(r.randint(0, 12)))
        return (self.pick(["", "", "-", "+"]) + "%d#%s" % (base, digits)).encode()

    def real(self):
        r = self.r
        forms = [
            lambda: "%d.%d" % (r.randint(0, 999), r.randint(0, 999)),
            lambda: ".%d" % r.randint(0, 999),
            lambda: "%d." % r.randint(0, 999),
            lambda: "%de%s%d" % (r.randint(0, 99), r.choice(["", "+", "-"]), r.randint(0, 400)),
            lambda: "%d.%dE%d" % (r.randint(0, 9), r.randint(0, 99), r.randint(-20, 20)),
            lambda: r.choice(["1e", "1e+", "1.5.5", ".", "..", "-.", "+.", "1e400", "-1e-400", "5.e3"]),
            lambda: repr(r.uniform(-1e6, 1e6)),
            lambda: "0." + "7" * r.randint(250, 260),
        ]
        return (self.pick(["", "", "-", "+"]) + self.pick(forms)()).encode()

    def quoted(self, quote):
        body = bytearray()
        for _ in range(self.r.randint(0, 6)):
            choice = self.r.randrange(8)
            if choice == 0:
                body += quote * 2
            elif choice == 1:
                body.append(self.r.choice(ANY_BYTE_BUT_NEWLINE))
            else:
                body.append(self.r.choice(b"abc XYZ09\"'()\0"))
        closing = quote if self.r.randrange(12) else b""
        if quote == b'"':
            body = body.replace(b'"', b'""').replace(b'""""', b'""')
        return quote + bytes(body) + closing

    def word(self):
        if self.r.randrange(3) == 0:
            return self.pick([b"TRUE", b"FALSE", b"NONE", b"NULL", b"UNDEFINED", b"true", b"Null", b"TRUEX",
                              b"abc123", b"12abc", b"_x", b"e", b"E5"])
        return self.some(LETTERS, 1, 1) + self.some(LETTERS + b"0123456789", 0, 6)

    def braces(self):
        parts = [self.pick([self.decimal, self.radix, lambda: self.quoted(b"'"), self.real, self.word])()
                 for _ in range(self.r.randint(0, 5))]
        closing = self.pick([b"}", b"}", b"}", b")", b""])
        return b"{ " + b" ".join(parts) + b" " + closing

    def fragment(self):
        makers = [self.decimal, self.radix, self.real, lambda: self.quoted(b'"'), lambda: self.quoted(b"'"),
                  self.word, lambda: self.some(OPERATORS, 1, 4), lambda: self.some(b"()[]{}", 1, 1),
                  self.braces, lambda: b"\xff"]
        weights = [5, 4, 5, 4, 3, 4, 3, 3, 3, 1]
        return self.r.choices(makers, weights)[0]()

    def soup(self):
        parts = [self.fragment() for _ in range(self.r.randint(1, 8))]
        out = b""
        for part in parts:
            out += self.pick(SPACES) + part
        return out + self.pick(SPACES)

    def nested(self, depth):
        if depth == 0 or self.r.randrange(3) == 0:
            return self.fragment()
        items = [self.nested(depth - 1) for _ in range(self.r.randint(0, 4))]
        closing = b")" if self.r.randrange(10) else b""
        return b"(" + b" ".join(items) + b" " + closing

    def value(self, depth):
        r = self.r
        choice = r.randrange(13 if depth else 12)
        if choice == 0:
            return None
        if choice == 1:
            return r.choice([TRUE, FALSE, NONE, UNDEFINED])
        if choice in (2, 3):
            return ("int", r.choice([r.randint(-100, 100), r.randint(-2**31, 2**31 - 1)]))
        if choice == 4:
            x = float("%.12g" % r.uniform(-1e9, 1e9))
            return ("real", x if not (x.is_integer() and abs(x) >= 1e12) else 0.5)
        if choice == 5:
            return ("real", float(r.randint(-999999, 999999)))
        if choice in (6, 7):
            body = bytes(r.choice(ANY_BYTE_BUT_NEWLINE[:-1]) for _ in range(r.randint(0, 8)))
            return ("text", body)
        if choice == 8:
            return ("point", r.randint(-2**31, 2**31 - 1), r.randint(-99, 99))
        if choice == 9:
            return ("rgb", r.randint(0, 65535), r.randint(0, 65535), r.randint(0, 255))
        if choice in (10, 11):
            return ("rect",) + tuple(r.randint(-2**31, 2**31 - 1) for _ in range(4))
        return ("list", [self.value(depth - 1) for _ in range(r.randint(0, 5))])

    def input(self):
        kind = self.r.randrange(10)
        if kind < 3:
            return print_value(self.value(3))
        if kind < 7:
            return self.soup()
        if kind < 9:
            return self.nested(4)
        return self.some(ANY_BYTE_BUT_NEWLINE, 0, 16)


FIXED_INPUTS = [
    b"42", b"-7", b"+7", b"16#1F", b"1_000", b"3.25", b"1e3", b".5", b"5.", b"TRUE", b"true", b"NULL",
    b'"a""b"', b'(1 (2 3) "x")', b"{ 10 20 }", b"{ 1 2 3 }", b"{ 1 2 3 4 }", b"{ 1 2.5 }", b"1 2", b"",
    b"   ", b"(", b"( 1 2", b"abc123", b"12abc", b"'TEXT'", b"3000000000", b"-2147483648", b"2147483648",
    b"16#FFFFFFFF", b"<=", b'"abc', b"(1 2) 3", b")", b"( ( ", b"((1)", b"\xff", b"1 \xff",
]


def check_cli(orvane):
    failures = []
    result = subprocess.run([orvane, "print", "42", "(", '"a b"'], capture_output=True)
    if result.stdout != b'42\nerror at offset 0\n"a b"\n' or result.returncode != 1:
        failures.append("print with arguments: %r, exit %d" % (result.stdout, result.returncode))
    result = subprocess.run([orvane, "print", "(1 2)"], capture_output=True)
    if result.stdout != b"( 1 2 )\n" or result.returncode != 0:
        failures.append("print of a good value: %r, exit %d" % (result.stdout, result.returncode))
    result = subprocess.run([orvane, "--help"], capture_output=True)
    if result.returncode != 0 or b"print" not in result.stdout:
        failures.append("--help: exit %d" % result.returncode)
    result = subprocess.run([orvane, "no-such-command"], capture_output=True)
    if result.returncode != 2 or not result.stderr:
        failures.append("an unknown command: exit %d" % result.returncode)
    return failures


def main():
    orvane = sys.argv[1]
    count = int(sys.argv[2]) if len(sys.argv) > 2 else 30000
    seed = int(sys.argv[3]) if len(sys.argv) > 3 else 1206
    generator = Generator(seed)
    inputs = FIXED_INPUTS + [generator.input() for _ in range(count)]
    assert all(b"\n" not in line for line in inputs)
    expected = [expected_line(line) for line in inputs]

    result = subprocess.run([orvane, "print", "-"], input=b"\n".join(inputs) + b"\n", capture_output=True)
    actual = result.stdout.split(b"\n")
    if actual and actual[-1] == b"":
        actual.pop()

    failures = check_cli(orvane)
    if len(actual) != len(inputs):
        failures.append("%d output lines for %d inputs" % (len(actual), len(inputs)))
    for line, want, got in zip(inputs, expected, actual):
        if want != got:
            failures.append("input %r\n  model:  %r\n  orvane: %r" % (line, want, got))
    any_failed = any(line.startswith(b"error") for line in expected)
    if result.returncode != (1 if any_failed else 0):
        failures.append("exit status %d" % result.returncode)

    for failure in failures[:20]:
        print(failure)
    errors = sum(line.startswith(b"error") for line in expected)
    print("%d inputs (%d that do not read), %d mismatches" % (len(inputs), errors, len(failures)))
    return 1 if failures else 0


if __name__ == "__main__":
    sys.exit(main())
