# SPDX-FileCopyrightText: 2026 gli autori di ZIFRANO
# SPDX-License-Identifier: MIT

"""How an amount given to the module becomes the text the library reads, and how a text is
quoted in a message, as zifrano-lettere quotes it."""
from __future__ import annotations

import decimal
from decimal import Decimal
from typing import NamedTuple, Union

Amount = Union[str, int, Decimal, float]

# The significant digits a spreadsheet shows of a float, and so the float's amount.
FLOAT_DIGITS = 15
# From here on 15 significant digits no longer reach past the cents: float noise and a real
# third decimal can no longer be told apart, so such a float must hold its 15 digits exactly.
FLOAT_EXACT_FROM = Decimal(10) ** 12
# Beyond this many digits either side of the point a number is refused anyway; it is handed over
# in scientific notation, which the library reads too, rather than spelt out in full.
PLAIN_DIGITS = 40
QUOTED_CHARACTERS = 40
# Any exponent, so that such a number's short form never overflows.
_WIDE = decimal.Context(Emax=decimal.MAX_EMAX, Emin=decimal.MIN_EMIN)


class Text(NamedTuple):
    """What the library reads, and what a message quotes of it."""

    read: bytes
    shown: bytes


def text_of(amount: Amount) -> Text:
    """The text of `amount`: a str as it is; a number written so that no notation can misread
    it. TypeError for any other type, bool included."""
    if isinstance(amount, str):
        data = amount.encode("utf-8", "surrogatepass")
        return Text(data, data)
    if isinstance(amount, bool) or not isinstance(amount, (int, Decimal, float)):
        raise TypeError(f"amount must be str, int, Decimal or float, not {type(amount).__name__}")
    if isinstance(amount, float):
        return _number_text(_float_value(amount))
    return _number_text(Decimal(amount))


def _float_value(amount: float) -> Decimal:
    """The amount a float stands for: its 15 significant digits, as a spreadsheet shows it, so
    that 0.1 + 0.2 is 0.3. ValueError where those digits do not say it to the cent."""
    if amount != amount or amount in (float("inf"), float("-inf")):
        return Decimal(repr(amount))
    shown = Decimal(format(amount, f".{FLOAT_DIGITS}g"))
    if abs(shown) >= FLOAT_EXACT_FROM and float(shown) != amount:
        raise ValueError(f"the float {amount!r} needs more than {FLOAT_DIGITS} significant "
                         "digits to be read to the cent: give the amount as a str or a Decimal")
    return shown


def _number_text(value: Decimal) -> Text:
    """A number as the library reads it whatever the notation: a comma before the decimals, no
    grouping, zeros past the cents dropped, and any further decimals written to at least four
    places, which no reading takes for thousands."""
    if not value.is_finite():
        data = str(value).encode()
        return Text(data, data)
    if abs(value.adjusted()) > PLAIN_DIGITS:
        data = str(value.normalize(_WIDE)).encode()
        return Text(data, data)
    whole, _, decimals = format(value, "f").partition(".")
    decimals = decimals.rstrip("0")
    shown = whole + ("." + decimals if decimals else "")
    if len(decimals) > 2:
        decimals = decimals.ljust(4, "0")
    read = whole + ("," + decimals if decimals else "")
    return Text(read.encode(), shown.encode())


# Characters a terminal shows as nothing, or as a plain blank, or that turn the text around.
_INVISIBLE = (
    (0xA0, 0xA0), (0xAD, 0xAD), (0x34F, 0x34F), (0x115F, 0x1160), (0x1680, 0x1680),
    (0x180E, 0x180E), (0x2000, 0x200F), (0x2028, 0x202F), (0x205F, 0x206F), (0x3000, 0x3000),
    (0x3164, 0x3164), (0xFE00, 0xFE0F), (0xFEFF, 0xFEFF), (0xFFA0, 0xFFA0), (0xE0000, 0xE0FFF),
)


def _invisible(point: int) -> bool:
    return any(first <= point <= last for first, last in _INVISIBLE)


def _printable_at(data: bytes, at: int) -> tuple[int, int]:
    """The length of the UTF-8 sequence at `at` that stands for one printable character, or 0
    when its first byte must be escaped; and its code point."""
    lead = data[at]
    size = 1 if lead < 0x80 else 2 if 0xC2 <= lead < 0xE0 else 3 if 0xE0 <= lead < 0xF0 \
        else 4 if 0xF0 <= lead < 0xF5 else 0
    try:
        point = ord(data[at:at + size].decode("utf-8")) if size else 0
    except UnicodeDecodeError:
        return 0, 0
    if size == 1:
        return (1 if 0x20 <= point != 0x7F else 0), point
    # C1 controls, U+0080 to U+009F, act on terminals too.
    return (size if point >= 0xA0 else 0), point


def quoted(data: bytes) -> str:
    """`data` between apostrophes, at most 40 characters of it (then an ellipsis), with controls
    and bytes that are not UTF-8 as \\xNN and invisible blanks and marks as \\uXXXX."""
    parts, at = ["'"], 0
    for _ in range(QUOTED_CHARACTERS):
        if at >= len(data):
            break
        size, point = _printable_at(data, at)
        if size == 0:
            parts.append(f"\\x{data[at]:02x}")
            size = 1
        elif _invisible(point):
            parts.append(f"\\u{point:04X}")
        else:
            parts.append(data[at:at + size].decode("utf-8"))
        at += size
    parts.append("'" if at >= len(data) else "'…")
    return "".join(parts)

