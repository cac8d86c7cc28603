#!/usr/bin/env python3
"""Checks the data primitives, called through `orvane call -`, against a model.

The model is written from the description of the primitives alone: the
lenient readers of inputs, the comparison of values, double-precision
arithmetic with integral results turned back into integers, 32-bit integer
arithmetic, rounding with ties to the even neighbour (the scaled value kept
in the machine's 64-bit-mantissa extended precision), the two-pass template
filling of munge-string, list and text positions counted from 1, and the
predicates with and without an output. The script generates many thousands
of calls with random inputs, out-of-range positions and inputs of the wrong
kind, runs them all through one `orvane call -` process and compares every
output line with the model's.

Inputs of the wrong kind follow the rules the run-time states for them: a
value that is not a list reads as the empty list, one that is not a text as
the empty text, anything but TRUE as not true, a wrong kind of point, rect
or colour as zeros; "idiv" by zero fails and outputs nothing.

usage: primitives_model.py ORVANE [COUNT] [SEED]
"""

import math
import random
import subprocess
import sys
from fractions import Fraction

INT_MIN, INT_MAX = -(2**31), 2**31 - 1
NOT_COMPARABLE, UNORDERED = "not comparable", "unordered"


# Values. NULL is Python's None.
class Int:
    def __init__(self, v):
        self.v = wrap(v)


class Real:
    def __init__(self, v):
        self.v = float(v)


class Bool:
    def __init__(self, v):
        self.v = bool(v)


class Text:
    def __init__(self, b):
        self.b = bytes(b)


class List:
    def __init__(self, items):
        self.items = list(items)


class NoneV:
    pass


class Undef:
    pass


class Point:
    def __init__(self, h, v):
        self.h, self.v = wrap(h), wrap(v)


class Rect:
    def __init__(self, top, left, bottom, right):
        self.top, self.left, self.bottom, self.right = top, left, bottom, right


class RGB:
    def __init__(self, r, g, b):
        self.r, self.g, self.b = r, g, b


def wrap(n):
    return (n + 2**31) % 2**32 - 2**31


# The printed form.
def fmt_real(x):
    s = "%.12g" % x
    return s + ".0" if math.trunc(x) == x else s


def quoted(b):
    """Quoted, each quote doubled; the characters end at the first NUL."""
    return b'"' + b.split(b"\0")[0].replace(b'"', b'""') + b'"'


def printed(v):
    if v is None:
        return b"NULL"
    if isinstance(v, Bool):
        return b"TRUE" if v.v else b"FALSE"
    if isinstance(v, Int):
        return str(v.v).encode()
    if isinstance(v, Real):
        return fmt_real(v.v).encode()
    if isinstance(v, Text):
        return quoted(v.b)
    if isinstance(v, List):
        return b"(" + b"".join(b" " + printed(x) for x in v.items) + b" )"
    if isinstance(v, NoneV):
        return b"NONE"
    if isinstance(v, Undef):
        return b"UNDEFINED"
    if isinstance(v, Point):
        return b"{ %d %d }" % (v.v, v.h)
    if isinstance(v, Rect):
        return b"{ %d %d %d %d }" % (v.top, v.left, v.bottom, v.right)
    if isinstance(v, RGB):
        return b"{ %d %d %d }" % (v.r, v.g, v.b)
    raise TypeError(v)


def type_name(v):
    if v is None:
        return b"null"
    return {Bool: b"boolean", Int: b"integer", Real: b"real", Text: b"string", List: b"list",
            NoneV: b"none", Undef: b"undefined", Point: b"external", Rect: b"external",
            RGB: b"external"}[type(v)]


# Lenient readers.
def get_integer(v):
    if isinstance(v, Int):
        return v.v
    if isinstance(v, Real):
        t = math.trunc(v.v)
        return t if INT_MIN <= t <= INT_MAX else INT_MIN
    return 0


def get_real(v):
    if isinstance(v, (Int, Real)):
        return float(v.v)
    return 0.0


def reduce_result(d):
    if math.isfinite(d) and math.trunc(d) == d and INT_MIN <= d <= INT_MAX:
        return Int(int(d))
    return Real(d)


def is_true(v):
    return isinstance(v, Bool) and v.v


def items(v):
    return v.items if isinstance(v, List) else []


def chars(v):
    return v.b if isinstance(v, Text) else b""


def at(v, position):
    xs = items(v)
    return xs[position - 1] if 1 <= position <= len(xs) else None


# Comparison.
def signed_byte(c):
    return c - 256 if c >= 128 else c


def compare_texts(a, b):
    for i, c in enumerate(a):
        if i >= len(b):
            return 1
        if c != b[i]:
            return -1 if signed_byte(c) < signed_byte(b[i]) else 1
    return -1 if len(b) > len(a) else 0


def compare(a, b):
    if a is None and b is None:
        return 0
    if a is None or b is None:
        return NOT_COMPARABLE
    numbers = (Int, Real)
    if isinstance(a, numbers):
        if not isinstance(b, numbers):
            return NOT_COMPARABLE
        if isinstance(a, Int) and isinstance(b, Int):
            return (a.v > b.v) - (a.v < b.v)
        x, y = float(a.v), float(b.v)
        return 0 if x == y else (-1 if x < y else 1)
    if type(a) is not type(b):
        return NOT_COMPARABLE
    if isinstance(a, Bool):
        return 0 if a.v == b.v else (-1 if not a.v else 1)
    if isinstance(a, Text):
        return compare_texts(a.b, b.b)
    if isinstance(a, List):
        same = len(a.items) == len(b.items) and all(compare(x, y) == 0 for x, y in zip(a.items, b.items))
        return 0 if same else UNORDERED
    if isinstance(a, (NoneV, Undef)):
        return 0
    return 0 if vars(a) == vars(b) else UNORDERED


# The model of each primitive: (inputs, output count) -> (status, outputs).
def ok(*outputs):
    return 0, list(outputs)


def predicate(holds, nout):
    if nout == 0:
        return (0 if holds else 1), []
    return 0, [Bool(holds)]


def p_kind(kind):
    return lambda a, n: predicate(isinstance(a[0], kind) if a else False, n)


def p_type(a, n):
    return ok(Text(type_name(a[0] if a else None)))


def arg(a, i):
    return a[i] if i < len(a) else None


def p_pack(a, n):
    return ok(List(a))


def p_unpack(a, n):
    xs = items(arg(a, 0))
    return 0, [xs[i] if i < len(xs) else None for i in range(n)]


def p_attach_r(a, n):
    return ok(List(items(arg(a, 0)) + a[1:]))


def p_join_lists(a, n):
    out = list(items(arg(a, 0)))
    for x in a[1:]:
        out += items(x)
    return ok(List(out))


def p_list_length(a, n):
    return ok(Int(len(items(arg(a, 0)))))


def p_list_in(a, n):
    start = get_integer(a[2]) if len(a) > 2 else 1
    xs = items(arg(a, 0))
    if start >= 1:
        for i in range(start - 1, len(xs)):
            if compare(xs[i], arg(a, 1)) == 0:
                return ok(Int(i + 1))
    return ok(Int(0))


def p_get_nth(a, n):
    v = arg(a, 0)
    for index in a[1:]:
        if v is None:
            break
        v = at(v, get_integer(index))
    return ok(v)


def p_detach_l(a, n):
    xs = items(arg(a, 0))
    if n == 0:
        return ok()
    outs = [xs[i] if i < len(xs) else None for i in range(n - 1)]
    return 0, outs + [List(xs[n - 1:])]


def p_detach_r(a, n):
    xs = items(arg(a, 0))
    if n == 0:
        return ok()
    tail = n - 1
    before = List(xs[:len(xs) - tail]) if len(xs) >= n else List([])
    outs = [xs[i] if 0 <= i < len(xs) else None for i in range(len(xs) - tail, len(xs))]
    return 0, [before] + outs


def p_detach_nth(a, n):
    xs = items(arg(a, 0))
    k = get_integer(arg(a, 1))
    if 1 <= k <= len(xs):
        return ok(List(xs[:k - 1] + xs[k:]), xs[k - 1])
    return ok(List(xs), None)


def p_split_nth(a, n):
    k = get_integer(arg(a, 1))
    if k < 1:
        return ok(List([]), arg(a, 0))
    xs = items(arg(a, 0))
    k = min(k, len(xs))
    return ok(List(xs[:k]), List(xs[k:]))


def p_reverse(a, n):
    return ok(List(list(reversed(items(arg(a, 0))))))


def p_equal(a, n):
    return predicate(compare(arg(a, 0), arg(a, 1)) == 0, n)


def p_not_equal(a, n):
    return predicate(compare(arg(a, 0), arg(a, 1)) != 0, n)


def p_greater(a, n):
    return predicate(compare(arg(a, 0), arg(a, 1)) == 1, n)


def p_less_or_equal(a, n):
    return predicate(compare(arg(a, 0), arg(a, 1)) in (-1, 0), n)


def p_and(a, n):
    return predicate(all(is_true(x) for x in a), n)


def p_or(a, n):
    return predicate(any(is_true(x) for x in a), n)


def p_not(a, n):
    return ok(Bool(not is_true(arg(a, 0))))


def p_choose(a, n):
    return ok(arg(a, 1) if is_true(arg(a, 0)) else arg(a, 2))


def p_add(a, n):
    total = 0.0
    for x in a:
        total += get_real(x)
    return ok(reduce_result(total))


def p_subtract(a, n):
    if len(a) < 2:
        return ok(reduce_result(-get_real(arg(a, 0))))
    return ok(reduce_result(get_real(a[0]) - get_real(a[1])))


def p_multiply(a, n):
    product = 1.0
    for x in a:
        product *= get_real(x)
    return ok(reduce_result(product))


def p_add_integers(a, n):
    return ok(Int(sum(get_integer(x) for x in a)))


def p_subtract_integers(a, n):
    if len(a) < 2:
        return ok(Int(-get_integer(arg(a, 0))))
    return ok(Int(get_integer(a[0]) - get_integer(a[1])))


def p_multiply_integers(a, n):
    product = 1
    for x in a:
        product = wrap(product * get_integer(x))
    return ok(Int(product))


def p_idiv(a, n):
    if len(a) < 2:
        dividend, divisor = 1, get_integer(arg(a, 0))
    else:
        dividend, divisor = get_integer(a[0]), get_integer(a[1])
    if divisor == 0:
        return 1, []
    quotient = abs(dividend) // abs(divisor) * (1 if (dividend < 0) == (divisor < 0) else -1)
    return ok(Int(quotient), Int(dividend - quotient * divisor))


def p_step(step):
    def model(a, n):
        x = arg(a, 0)
        if isinstance(x, Real):
            return ok(Real(x.v + step))
        return ok(Int(get_integer(x) + step))
    return model


def p_extreme(order):
    def model(a, n):
        candidate = arg(a, 0) if compare(arg(a, 0), arg(a, 1)) == order else arg(a, 1)
        for x in a[2:]:
            if compare(candidate, x) == -order:
                candidate = x
        return ok(reduce_result(get_real(candidate)))
    return model


def extended(value):
    """An exact value rounded to a 64-bit significand, ties to even."""
    if value == 0:
        return value
    sign = -1 if value < 0 else 1
    value = abs(value)
    exponent = value.numerator.bit_length() - value.denominator.bit_length()
    while Fraction(2) ** exponent > value:
        exponent -= 1
    while Fraction(2) ** (exponent + 1) <= value:
        exponent += 1
    unit = Fraction(2) ** (exponent - 63)
    scaled = value / unit
    whole = scaled.numerator // scaled.denominator
    rest = scaled - whole
    if rest > Fraction(1, 2) or (rest == Fraction(1, 2) and whole % 2 == 1):
        whole += 1
    return sign * whole * unit


def round_half_even(x):
    whole = math.trunc(x)
    fraction = x - whole
    half = Fraction(1, 2)
    if fraction > half:
        return whole + 1
    if fraction == half:
        return whole + 1 if whole > 0 and whole % 2 == 1 else whole
    if fraction < -half:
        return whole - 1
    if fraction == -half:
        return whole - 1 if whole < 0 and whole % 2 == 1 else whole
    return whole


def p_round(a, n):
    x = get_real(arg(a, 0))
    if len(a) < 2:
        return ok(reduce_result(float(round_half_even(Fraction(x)))))
    scale = math.pow(10.0, get_integer(a[1]))
    rounded = float(round_half_even(extended(Fraction(x) * Fraction(scale))))
    return ok(reduce_result(rounded / scale))


def p_bit_and(a, n):
    return ok(Int(get_integer(arg(a, 0)) & get_integer(arg(a, 1))))


def p_bit_or(a, n):
    return ok(Int(get_integer(arg(a, 0)) | get_integer(arg(a, 1))))


def p_shift_left(a, n):
    count = get_integer(arg(a, 1))
    if count < 0:
        return ok(Int(0))
    return ok(Int(get_integer(arg(a, 0)) << (count % 32)))


def p_shift_right(a, n):
    return ok(Int(get_integer(arg(a, 0)) >> (get_integer(arg(a, 1)) % 32)))


def p_text_length(a, n):
    return ok(Int(len(chars(arg(a, 0)))))


def p_text_join(a, n):
    return ok(Text(b"".join(chars(x) for x in a)))


def p_text_in(a, n):
    start = get_integer(a[2]) if len(a) > 2 else 1
    t, pattern = chars(arg(a, 0)), chars(arg(a, 1))
    if start < 1 or len(t) < len(pattern) + start - 1:
        return ok(Int(0))
    if not pattern:
        return ok(Int(start if start - 1 < len(t) else 0))
    return ok(Int(t.find(pattern, start - 1) + 1))


def p_prefix(a, n):
    t = chars(arg(a, 0))
    k = max(0, min(get_integer(arg(a, 1)), len(t)))
    return ok(Text(t[:k]), Text(t[k:]))


def p_to_ascii(a, n):
    return ok(List([Int(c) for c in chars(arg(a, 0))]))


def p_from_ascii(a, n):
    x = arg(a, 0)
    codes = [get_integer(e) for e in x.items] if isinstance(x, List) else [get_integer(x)]
    return ok(Text(bytes(c & 0xFF for c in codes)))


def p_munge(a, n):
    """The two passes as described: sizes first, then filling in place."""
    template = bytearray(chars(arg(a, 0)))
    arguments = a[1:]

    def placeholder(buffer, i, length):
        if buffer[i] != ord("^") or i + 1 >= length:
            return None
        d = buffer[i + 1] - ord("0")
        return d if 0 <= d <= 9 and d < len(arguments) else None

    def next_caret(buffer, start, length):
        for i in range(start, length):
            if buffer[i] == ord("^"):
                return i
            if buffer[i] == 0:
                return -1
        return -1

    final = working = len(template)
    i = next_caret(template, 0, len(template))
    while i >= 0:
        d = placeholder(template, i, len(template))
        if d is not None:
            grow = len(chars(arguments[d])) - 2
            final += grow
            working += max(grow, 0)
        i = next_caret(template, i + 1, len(template))
    buffer = template + b"z" * (working - len(template))
    length = len(template)
    i = next_caret(buffer, 0, length)
    while i >= 0:
        d = placeholder(buffer, i, length)
        if d is None:
            i = next_caret(buffer, i + 1, length)
            continue
        piece = chars(arguments[d])
        moved = len(piece) - 2
        buffer[i + 2 + moved:length + moved] = buffer[i + 2:length]
        buffer[i:i + len(piece)] = piece
        length += moved
        i = next_caret(buffer, i + len(piece), length)
    return ok(Text(bytes(buffer[:final])))


def p_to_string(a, n):
    return ok(Text(printed(arg(a, 0))))


def p_from_string(a, n):
    """Inputs are made as the printed form of a known value (carried along
    as .denotes) or as a text that does not read."""
    x = arg(a, 0)
    return ok(getattr(x, "denotes", x))


def point_of(v):
    return (v.h, v.v) if isinstance(v, Point) else (0, 0)


def rect_of(v):
    return (v.top, v.left, v.bottom, v.right) if isinstance(v, Rect) else (0, 0, 0, 0)


def p_ints_to_point(a, n):
    return ok(Point(get_integer(arg(a, 1)), get_integer(arg(a, 0))))


def p_point_to_ints(a, n):
    h, v = point_of(arg(a, 0))
    return ok(Int(v), Int(h))


def p_ints_to_rect(a, n):
    return ok(Rect(*[get_integer(arg(a, i)) for i in range(4)]))


def p_rect_to_ints(a, n):
    return ok(*[Int(x) for x in rect_of(arg(a, 0))])


def p_points_to_rect(a, n):
    (h1, v1), (h2, v2) = point_of(arg(a, 0)), point_of(arg(a, 1))
    return ok(Rect(v1, h1, v2, h2))


def p_rect_to_points(a, n):
    top, left, bottom, right = rect_of(arg(a, 0))
    return ok(Point(left, top), Point(right, bottom))


def p_rgb_to_ints(a, n):
    c = arg(a, 0)
    return ok(*[Int(x) for x in ((c.r, c.g, c.b) if isinstance(c, RGB) else (0, 0, 0))])


MODELS = {
    "boolean?": p_kind(Bool), "integer?": p_kind(Int), "list?": p_kind(List), "string?": p_kind(Text),
    "type": p_type,
    "pack": p_pack, "unpack": p_unpack, "attach-r": p_attach_r, "(join)": p_join_lists,
    "(length)": p_list_length, "(in)": p_list_in, "get-nth": p_get_nth, "detach-l": p_detach_l,
    "detach-r": p_detach_r, "detach-nth": p_detach_nth, "split-nth": p_split_nth, "reverse": p_reverse,
    "=": p_equal, "~=": p_not_equal, ">": p_greater, "<=": p_less_or_equal, "and": p_and, "or": p_or,
    "not": p_not, "choose": p_choose,
    "+": p_add, "-": p_subtract, "*": p_multiply, "++": p_add_integers, "--": p_subtract_integers,
    "**": p_multiply_integers, "idiv": p_idiv, "+1": p_step(1), "-1": p_step(-1),
    "max": p_extreme(1), "min": p_extreme(-1), "round": p_round,
    "bit-and": p_bit_and, "bit-or": p_bit_or, "bit-shift-l": p_shift_left, "bit-shift-r": p_shift_right,
    '"length"': p_text_length, "string-length": p_text_length, '"join"': p_text_join, '"in"': p_text_in,
    "prefix": p_prefix, "to-ascii": p_to_ascii, "from-ascii": p_from_ascii, "munge-string": p_munge,
    "to-string": p_to_string, "from-string": p_from_string,
    "ints-to-point": p_ints_to_point, "point-to-ints": p_point_to_ints, "ints-to-rect": p_ints_to_rect,
    "rect-to-ints": p_rect_to_ints, "points-to-rect": p_points_to_rect, "rect-to-points": p_rect_to_points,
    "rgb-to-ints": p_rgb_to_ints,
}


# Generating inputs: each is a value and the text that reads as it.
class Generator:
    TEXT_BYTES = b"abcxyzABC 019^^^\"\"-_.()!?\xe9\x80"
    WORDS = [b"hello", b"world", b"^0 and ^1", b"^9", b"^", b"x^0y", b"l", b"lo", b""]

    def __init__(self, rng):
        self.rng = rng

    def integer(self, small=False):
        r = self.rng
        if small or r.random() < 0.6:
            return Int(r.randint(-12, 12))
        return Int(r.choice([INT_MIN, INT_MAX, INT_MIN + 1, INT_MAX - 1, r.randint(INT_MIN, INT_MAX),
                             r.randint(-100000, 100000)]))

    def real(self):
        r = self.rng
        choice = r.random()
        if choice < 0.4:
            return Real(r.randint(-4000, 4000) / 8)
        if choice < 0.6:
            return Real(float(r.randint(-20, 20)))
        if choice < 0.8:
            return Real(r.choice([2.675, 1.005, 0.1, 0.5, -0.5, 1.5, 2.5, -2.5, 3.5, 1.234, 1e3, 2147483647.0,
                                  2147483648.0, -2147483648.0, -2147483649.0, 4294967296.0, 1e15, 0.035]))
        return Real(r.uniform(-1e6, 1e6))

    def text(self):
        r = self.rng
        if r.random() < 0.5:
            return Text(r.choice(self.WORDS))
        return Text(bytes(r.choice(self.TEXT_BYTES) for _ in range(r.randint(0, 8))))

    def scalar(self):
        r = self.rng
        kind = r.random()
        if kind < 0.3:
            return self.integer()
        if kind < 0.45:
            return self.real()
        if kind < 0.65:
            return self.text()
        if kind < 0.75:
            return Bool(r.random() < 0.5)
        if kind < 0.8:
            return None
        if kind < 0.84:
            return NoneV()
        if kind < 0.88:
            return Undef()
        if kind < 0.93:
            return Point(r.randint(-9, 9), r.randint(-9, 9))
        if kind < 0.97:
            return Rect(*[r.randint(-9, 9) for _ in range(4)])
        return RGB(*[r.randint(0, 255) for _ in range(3)])

    def value(self, depth=0):
        if depth < 2 and self.rng.random() < 0.25:
            return self.list(depth + 1)
        return self.scalar()

    def list(self, depth=0):
        return List([self.value(depth) for _ in range(self.rng.randint(0, 5))])

    def number(self):
        return self.integer() if self.rng.random() < 0.6 else self.real()

    def position(self, length):
        return Int(self.rng.randint(-2, length + 2))


def source(v):
    """The text that reads as v: its printed form (reals printed exactly)."""
    if isinstance(v, Real):
        return repr(v.v).encode()
    if isinstance(v, List):
        return b"(" + b"".join(b" " + source(x) for x in v.items) + b" )"
    return printed(v)


def wrong_kind(g):
    return g.scalar() if g.rng.random() < 0.5 else g.list()


def cases_for(name, g):
    """(inputs, output count) for one call of name."""
    r = g.rng
    maybe_wrong = lambda make: wrong_kind(g) if r.random() < 0.1 else make()
    predicate_outputs = r.choice([0, 1])
    if name in ("boolean?", "integer?", "list?", "string?"):
        return [g.value()], predicate_outputs
    if name in ("=", "~=", ">", "<="):
        a = g.value()
        b = a if r.random() < 0.2 else (g.number() if isinstance(a, (Int, Real)) and r.random() < 0.6 else g.value())
        return [a, b], predicate_outputs
    if name in ("and", "or"):
        return [Bool(r.random() < 0.7) if r.random() < 0.85 else g.scalar() for _ in range(r.randint(0, 4))], \
            predicate_outputs
    if name == "type" or name == "not" or name == "to-string" or name == "reverse":
        return [g.value()], 1
    if name == "choose":
        return [Bool(r.random() < 0.5) if r.random() < 0.8 else g.scalar(), g.value(), g.value()], 1
    if name in ("pack",):
        return [g.value() for _ in range(r.randint(0, 4))], 1
    if name == "unpack":
        return [maybe_wrong(g.list)], r.randint(0, 6)
    if name in ("attach-r",):
        return [maybe_wrong(g.list)] + [g.value() for _ in range(r.randint(0, 3))], 1
    if name == "(join)":
        return [maybe_wrong(g.list) for _ in range(r.randint(1, 4))], 1
    if name == "(length)":
        return [maybe_wrong(g.list)], 1
    if name == "(in)":
        lst = g.list()
        x = r.choice(lst.items) if lst.items and r.random() < 0.6 else g.value()
        extra = [g.position(len(lst.items))] if r.random() < 0.5 else []
        return [maybe_wrong(lambda: lst), x] + extra, 1
    if name == "get-nth":
        lst = g.list()
        return [maybe_wrong(lambda: lst)] + [g.position(4) for _ in range(r.randint(0, 3))], 1
    if name in ("detach-l", "detach-r"):
        return [maybe_wrong(g.list)], r.randint(0, 6)
    if name in ("detach-nth", "split-nth"):
        lst = g.list()
        return [maybe_wrong(lambda: lst), g.position(len(lst.items))], 2
    if name in ("+", "*", "++", "**"):
        return [maybe_wrong(g.number) for _ in range(r.randint(0, 4))], 1
    if name in ("-", "--"):
        return [maybe_wrong(g.number) for _ in range(r.randint(1, 2))], 1
    if name == "idiv":
        dividend = g.integer() if r.random() < 0.8 else g.number()
        divisor = Int(0) if r.random() < 0.15 else (g.integer(small=True) if r.random() < 0.7 else g.number())
        if r.random() < 0.1:
            dividend, divisor = Int(INT_MIN), Int(-1)
        return ([dividend, divisor] if r.random() < 0.8 else [divisor]), r.randint(0, 2)
    if name in ("+1", "-1"):
        return [maybe_wrong(g.number)], 1
    if name in ("max", "min"):
        if r.random() < 0.15:
            return [g.text() for _ in range(r.randint(2, 4))], 1
        return [maybe_wrong(g.number) for _ in range(r.randint(2, 5))], 1
    if name == "round":
        x = g.real() if r.random() < 0.8 else maybe_wrong(g.number)
        digits = [Int(r.randint(-3, 6))] if r.random() < 0.6 else []
        return [x] + digits, 1
    if name in ("bit-and", "bit-or"):
        return [g.integer(), g.integer()], 1
    if name in ("bit-shift-l", "bit-shift-r"):
        return [g.integer(), Int(r.randint(-40, 70))], 1
    if name in ('"length"', "string-length", "to-ascii"):
        return [maybe_wrong(g.text)], 1
    if name == '"join"':
        return [maybe_wrong(g.text) for _ in range(r.randint(1, 4))], 1
    if name == '"in"':
        t = g.text()
        pattern = Text(t.b[r.randint(0, len(t.b)):][:r.randint(0, 3)]) if r.random() < 0.6 else g.text()
        extra = [g.position(len(t.b))] if r.random() < 0.5 else []
        return [maybe_wrong(lambda: t), maybe_wrong(lambda: pattern)] + extra, 1
    if name == "prefix":
        t = g.text()
        return [maybe_wrong(lambda: t), g.position(len(t.b))], 2
    if name == "from-ascii":
        # Codes whose low byte is a tab or a line end would split the output line.
        code = lambda: r.choice([c for c in range(-300, 300) if c & 0xFF not in (9, 10, 13)])
        if r.random() < 0.7:
            return [List([Int(code()) for _ in range(r.randint(0, 6))])], 1
        x = g.scalar()
        return [Int(code()) if get_integer(x) & 0xFF in (9, 10, 13) else x], 1
    if name == "munge-string":
        template = Text(bytes(r.choice(b"ab ^0123459xz") for _ in range(r.randint(0, 12))))
        return [maybe_wrong(lambda: template)] + [g.text() if r.random() < 0.85 else g.scalar()
                                                  for _ in range(r.randint(0, 4))], 1
    if name == "from-string":
        if r.random() < 0.7:
            denoted = g.value()
            holder = Text(source(denoted))
            holder.denotes = denoted
            return [holder], 1
        return [Text(r.choice([b"(1 2", b"1 2", b"{ 1 2.5 }", b")", b"", b"   "]))], 1
    if name in ("ints-to-point",):
        return [g.integer(), g.integer()], 1
    if name == "ints-to-rect":
        return [g.integer() for _ in range(4)], 1
    if name == "point-to-ints":
        return [Point(r.randint(-99, 99), r.randint(-99, 99)) if r.random() < 0.8 else g.scalar()], 2
    if name == "rect-to-ints":
        return [Rect(*[r.randint(-99, 99) for _ in range(4)]) if r.random() < 0.8 else g.scalar()], 4
    if name == "points-to-rect":
        return [Point(r.randint(-99, 99), r.randint(-99, 99)) if r.random() < 0.9 else g.scalar()
                for _ in range(2)], 1
    if name == "rect-to-points":
        return [Rect(*[r.randint(-99, 99) for _ in range(4)]) if r.random() < 0.9 else g.scalar()], 2
    if name == "rgb-to-ints":
        return [RGB(*[r.randint(0, 65535) for _ in range(3)]) if r.random() < 0.8 else g.scalar()], 3
    raise KeyError(name)


# Known calls with their documented answers, checked first.
EXAMPLES = [
    ("integer?", 0, [Real(2.0)], b"1"),
    ("type", 1, [Real(2.0)], b'0\t"real"'),
    ("type", 1, [Point(1, 2)], b'0\t"external"'),
    ("+", 1, [Int(1), Int(2)], b"0\t3"),
    ("+", 1, [Real(0.5), Real(0.5)], b"0\t1"),
    ("+", 1, [Int(INT_MAX), Int(1)], b"0\t2147483648.0"),
    ("++", 1, [Int(INT_MAX), Int(1)], b"0\t-2147483648"),
    ("idiv", 2, [Int(-7), Int(2)], b"0\t-3\t-1"),
    ("idiv", 1, [Int(4)], b"0\t0"),
    ("idiv", 2, [Int(5), Int(0)], b"1\tNULL\tNULL"),
    ("+1", 1, [Real(2.0)], b"0\t3.0"),
    ("-1", 1, [Text(b"5")], b"0\t-1"),
    ("detach-r", 5, [List([Text(b"a"), Text(b"b"), Text(b"c")])], b'0\t( )\tNULL\t"a"\t"b"\t"c"'),
    ("split-nth", 2, [List([Text(b"a")]), Int(0)], b'0\t( )\t( "a" )'),
    ('"in"', 1, [Text(b"hello"), Text(b"l"), Int(4)], b"0\t4"),
    ("prefix", 2, [Text(b"hello"), Int(9)], b'0\t"hello"\t""'),
    ("munge-string", 1, [Text(b"^0 world"), Text(b"hello")], b'0\t"hello world"'),
    ("munge-string", 1, [Text(b"^5"), Text(b"hello")], b'0\t"^5"'),
    ("bit-shift-l", 1, [Int(1), Int(31)], b"0\t-2147483648"),
    ("bit-shift-r", 1, [Int(-8), Int(1)], b"0\t-4"),
    ("round", 1, [Real(2.5)], b"0\t2"),
    ("round", 1, [Real(-2.7)], b"0\t-3"),
    ("round", 1, [Real(2.675), Int(2)], b"0\t2.67"),
    ("max", 1, [Int(2), Real(3.0)], b"0\t3"),
    (">", 0, [List([Int(1)]), List([Int(2)])], b"1"),
    ("<=", 0, [List([Int(1)]), List([Int(1)])], b"0"),
]


def line_of(name, nout, inputs):
    return b"\t".join([name.encode(), str(nout).encode()] + [source(v) for v in inputs])


def expected_line(name, nout, inputs):
    status, outputs = MODELS[name](inputs, nout)
    outputs = (outputs + [None] * nout)[:nout]
    return b"\t".join([str(status).encode()] + [printed(v) for v in outputs])


def main():
    if len(sys.argv) < 2:
        sys.exit(__doc__)
    orvane = sys.argv[1]
    count = int(sys.argv[2]) if len(sys.argv) > 2 else 20000
    rng = random.Random(int(sys.argv[3]) if len(sys.argv) > 3 else 6)
    g = Generator(rng)
    names = sorted(MODELS)
    calls = [(name, nout, inputs) for name, nout, inputs, _ in EXAMPLES]
    for i in range(count):
        name = names[i % len(names)]
        inputs, nout = cases_for(name, g)
        calls.append((name, nout, inputs))
    lines = [line_of(name, nout, inputs) for name, nout, inputs in calls]
    result = subprocess.run([orvane, "call", "-"], input=b"\n".join(lines) + b"\n", stdout=subprocess.PIPE,
                            check=False)
    actual = result.stdout.split(b"\n")[:-1]
    if len(actual) != len(lines):
        sys.exit(f"orvane call printed {len(actual)} lines for {len(lines)} calls (exit {result.returncode})")
    wanted = [e for *_, e in EXAMPLES] + [expected_line(*c) for c in calls[len(EXAMPLES):]]
    failures = [(line, want, got) for line, want, got in zip(lines, wanted, actual) if want != got]
    for line, want, got in failures[:20]:
        print(f"call:     {line!r}\nexpected: {want!r}\nactual:   {got!r}\n")
    model_examples = [expected_line(n, o, i) for n, o, i, _ in EXAMPLES]
    disagreements = [(n, want, model) for (n, _, _, want), model in zip(EXAMPLES, model_examples) if want != model]
    for n, want, model in disagreements:
        print(f"the model disagrees with the example of {n}: {want!r} against {model!r}")
    print(f"{len(lines)} calls, {len(failures)} mismatches, {len(disagreements)} model disagreements")
    sys.exit(1 if failures or disagreements else 0)


if __name__ == "__main__":
    main()
