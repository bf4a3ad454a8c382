# SPDX-FileCopyrightText: 2026 gli autori di ZIFRANO
# SPDX-License-Identifier: MIT

"""The module's readings and refusals, each case run with the usual room for a wording and with
room for nothing, which makes the module ask the library again."""
from __future__ import annotations

from decimal import Decimal
from typing import NamedTuple

import pytest

import zifrano
from zifrano import _library


class Refusal(NamedTuple):
    status: int
    message: str


class Raises(NamedTuple):
    error: type
    match: str


A_THIRD_DECIMAL = 123.45 * 1.22  # 150.609 to 15 digits: a real third decimal
VAT_ON_100_50 = 100.5 * 1.22  # 122.61000000000001: float noise past the cents
GRINNING = "\U0001F600"
E, L, W = zifrano.euro, zifrano.lire, zifrano.wordings

CASES = [
    # what is called, the amount, migliaia, what comes of it
    (E, "123.45", False, "centoventitre / 45"),
    (E, " € 1.234,56 ", True, "milleduecentotrentaquattro / 56"),
    (E, "€ 1.234,56", False,
     Refusal(5, "più di un separatore: con --migliaia il punto separa le migliaia: "
                "'€ 1.234,56'")),
    (E, "12.500", False,
     Refusal(4, "migliaia o decimali? Con --migliaia il punto separa le migliaia: '12.500'")),
    (E, "12.500", True, "dodicimilacinquecento / 00"),
    (E, "99,999", True, Refusal(7, "più di due decimali: '99,999'")),
    (L, "12,50", False, Refusal(10, "decimali in un importo in lire: '12,50'")),
    (L, "2500000000", False, "duemiliardicinquecentomilioni"),
    (E, "-12", False, Refusal(3, "importo negativo: '-12'")),
    (E, "   ", False, Refusal(1, "manca l'importo: '   '")),
    (E, "a\tb\x85c\xa0", False, Refusal(2, r"non è un importo: 'a\x09b\xc2\x85c\u00A0'")),
    (E, "\ud800x", False, Refusal(2, r"non è un importo: '\xed\xa0\x80x'")),
    (E, "12\x00\x7f", False, Refusal(2, r"non è un importo: '12\x00\x7f'")),
    (E, GRINNING * 41, False, Refusal(2, f"non è un importo: '{GRINNING * 40}'…")),
    (E, 0, False, "Zero / 00"),
    (L, 2_500_000_000, False, "duemiliardicinquecentomilioni"),
    (E, 922_337_203_685_477, False,
     "novecentoventiduemilatrecentotrentasettemiliardiduecentotremilioni"
     "seicentoottantacinquemilaquattrocentosettantasette / 00"),
    (E, 922_337_203_685_478, False, Refusal(9, "importo fuori limite: '922337203685478'")),
    (E, -5, False, Refusal(3, "importo negativo: '-5'")),
    (E, 10**5000, False, Refusal(9, "importo fuori limite: '1E+5000'")),
    (E, Decimal("1.000"), False, "uno / 00"),
    (E, Decimal("1E+3"), False, "mille / 00"),
    (E, Decimal("12.5"), True, "dodici / 50"),
    (E, Decimal("150.061"), False, Refusal(7, "più di due decimali: '150.061'")),
    (L, Decimal("1.230"), False, Refusal(10, "decimali in un importo in lire: '1.23'")),
    (L, Decimal("150.061"), True, Refusal(10, "decimali in un importo in lire: '150.061'")),
    (E, Decimal("NaN"), False, Refusal(2, "non è un importo: 'NaN'")),
    (E, 0.1 + 0.2, False, "Zero / 30"),
    (E, 150.061, False, Refusal(7, "più di due decimali: '150.061'")),
    (E, A_THIRD_DECIMAL, False, Refusal(7, "più di due decimali: '150.609'")),
    (E, VAT_ON_100_50, False, "centoventidue / 61"),
    (E, 1234.5, True, "milleduecentotrentaquattro / 50"),
    (L, 2.5e9, False, "duemiliardicinquecentomilioni"),
    (E, -0.0, False, "Zero / 00"),
    (E, 1e-20, False, Refusal(7, "più di due decimali: '0.00000000000000000001'")),
    (E, 999_999_999_999.99, False,
     "novecentonovantanovemiliardinovecentonovantanovemilioni"
     "novecentonovantanovemilanovecentonovantanove / 99"),
    (E, 12_345_678_901_234.5, False,
     "dodicimilatrecentoquarantacinquemiliardiseicentosettantottomilioni"
     "novecentounomiladuecentotrentaquattro / 50"),
    (E, 99_999_999_999_999.99, False, Raises(ValueError, "as a str or a Decimal")),
    (E, 1e15, False, Refusal(9, "importo fuori limite: '1000000000000000'")),
    (E, float("nan"), False, Refusal(2, "non è un importo: 'NaN'")),
    (E, float("-inf"), False, Refusal(2, "non è un importo: '-Infinity'")),
    (W, "123.45", False, ("centoventitre / 45", "centoventitre")),
    (W, 0.5, False, ("Zero / 50", "Zero")),
    (W, "1.000.001", True, ("unmilioneuno / 00", "unmilioneuno")),
    (W, "99,999", True, Refusal(7, "più di due decimali: '99,999'")),
    (E, True, False, Raises(TypeError, "not bool")),
    (L, b"12", False, Raises(TypeError, "not bytes")),
    (W, None, False, Raises(TypeError, "not NoneType")),
]


def case_name(case: tuple) -> str:
    call, amount, migliaia, _ = case
    if isinstance(amount, int) and amount.bit_length() > 64:
        shown = f"<int of {amount.bit_length()} bits>"
    else:
        shown = repr(amount) if len(repr(amount)) < 30 else repr(amount)[:27] + "..."
    return f"{call.__name__}({shown}{', migliaia' if migliaia else ''})"


@pytest.mark.parametrize("room", [_library.ROOM, 1], ids=["room", "no-room"])
@pytest.mark.parametrize("call, amount, migliaia, expected", CASES,
                         ids=[case_name(case) for case in CASES])
def test_amount(call, amount, migliaia, expected, room, monkeypatch):
    monkeypatch.setattr(_library, "ROOM", room)
    if isinstance(expected, Refusal):
        with pytest.raises(zifrano.Refused) as refused:
            call(amount, migliaia=migliaia)
        assert (refused.value.status, str(refused.value)) == expected
    elif isinstance(expected, Raises):
        with pytest.raises(expected.error, match=expected.match) as raised:
            call(amount, migliaia=migliaia)
        assert not isinstance(raised.value, zifrano.Refused)
    else:
        assert call(amount, migliaia=migliaia) == expected
