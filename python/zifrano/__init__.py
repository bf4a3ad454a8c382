# SPDX-FileCopyrightText: 2026 gli autori di ZIFRANO
# SPDX-License-Identifier: MIT

"""Italian amounts in words, as a cheque, a delivery note or an invoice writes them.

    >>> import zifrano
    >>> zifrano.euro("123.45")
    'centoventitre / 45'
    >>> zifrano.lire(2500000000)
    'duemiliardicinquecentomilioni'
    >>> zifrano.wordings("€ 1.234,56", migliaia=True)
    Wordings(euro='milleduecentotrentaquattro / 56', lire='milleduecentotrentaquattro')

The words come from libzifrano.so.1, the engine of the ZIFRANO window and of zifrano-lettere,
found through the environment variable ZIFRANO_LIBRARY (the library's path) when it is set,
otherwise by the system's loader.

An amount is a str, read strictly as zifrano-lettere reads a line; an int or a Decimal, exactly;
or a float, as the 15 significant digits a spreadsheet shows of it. `migliaia=True` reads a str
in the Italian notation ("1.234.567,89"); a number has no notation, and is read the same either
way. What cannot be worded raises Refused, with the tool's message.
"""
from __future__ import annotations

from typing import NamedTuple

from . import _library
from ._texts import Amount, Text, quoted, text_of

__all__ = ["Amount", "Refused", "Wordings", "euro", "lire", "wordings", "__version__"]

__version__: str = _library.version()


class Refused(ValueError):
    """An amount that has no wording. `str()` is zifrano-lettere's message, "più di due
    decimali: '99,999'"; `status` is the library's zifrano_status (7 there)."""

    def __init__(self, status: int, text: Text) -> None:
        super().__init__(f"{_library.message(status)}: {quoted(text.shown)}")
        self.status = status


class Wordings(NamedTuple):
    """Both wordings of one amount, as the ZIFRANO window shows them."""

    euro: str  #: "centoventitre / 45"
    lire: str  #: "centoventitre": the whole part, the cents left out


def _worded(amount: Amount, options: int) -> str:
    text = text_of(amount)
    status, words = _library.wording(text.read, options)
    if status != _library.OK:
        raise Refused(status, text)
    return words


def _options(migliaia: bool, form: int = 0) -> int:
    return form | (_library.MIGLIAIA if migliaia else 0)


def euro(amount: Amount, *, migliaia: bool = False) -> str:
    """The euro wording, the whole part in words and the cents in figures: "centoventitre / 45".
    Refused for more than two decimals, a negative amount, a text that is not one amount."""
    return _worded(amount, _options(migliaia))


def lire(amount: Amount, *, migliaia: bool = False) -> str:
    """The whole-amount wording, "centoventitre", which refuses decimals other than zeros."""
    return _worded(amount, _options(migliaia, _library.LIRE))


def wordings(amount: Amount, *, migliaia: bool = False) -> Wordings:
    """Both wordings, the ZIFRANO window's two lines: for 123.45, "centoventitre / 45" and
    "centoventitre". The amount is read in the euro form, so it may have cents; the second
    wording is then its whole part, the cents dropped as the euro wording drops them from its
    words (never rounded into them). Refused where euro() refuses."""
    words = euro(amount, migliaia=migliaia)
    whole, _, _ = words.rpartition(" / ")
    return Wordings(words, whole)

