# SPDX-FileCopyrightText: 2026 gli autori di ZIFRANO
# SPDX-License-Identifier: MIT

"""IMPORTOINLETTERE and NUMEROINLETTERE, Calc's add-in functions over the zifrano module.

A cell that cannot be worded gets an error value (Err:502), never a text, which could pass for
a wording.
"""
import os
import sys

import unohelper
from com.sun.star.lang import IllegalArgumentException

from example.zifrano import XCalcFunctions

# The extension carries the module and the library; an installed copy of the extension made by
# a distribution carries neither, and the system's are used.
_HERE = os.path.dirname(os.path.abspath(__file__))
if os.path.isdir(os.path.join(_HERE, "pythonpath")):
    sys.path.insert(0, os.path.join(_HERE, "pythonpath"))
    os.environ["ZIFRANO_LIBRARY"] = os.path.join(_HERE, "lib", "libzifrano.so.1")

import zifrano  # noqa: E402  (found through the path set above)

IMPLEMENTATION = "example.zifrano.CalcFunctions"


def _importo(importo):
    """What the one cell of the Importo argument holds: a float, a str, or None when it is
    empty or a formula's "", which stands for no value in a spreadsheet."""
    values = importo.getDataArray()
    if len(values) != 1 or len(values[0]) != 1:
        raise ValueError("Importo: una cella sola")
    # Calc gives a cell with an error value as void, an empty one as "".
    if values[0][0] is None:
        raise ValueError("Importo: la cella ha un errore")
    return values[0][0] if values[0][0] != "" else None


def _migliaia(migliaia):
    """VERO or FALSO, which Calc passes as numbers; FALSO when left out or empty."""
    if migliaia is None:
        return False
    if isinstance(migliaia, (bool, int, float)):
        return bool(migliaia)
    raise ValueError("Migliaia: VERO o FALSO")


class CalcFunctions(unohelper.Base, XCalcFunctions):
    def __init__(self, context):
        self.context = context

    def importoInLettere(self, importo, migliaia):
        return self._worded(zifrano.euro, importo, migliaia)

    def numeroInLettere(self, importo, migliaia):
        return self._worded(zifrano.lire, importo, migliaia)

    def _worded(self, form, importo, migliaia):
        try:
            amount = _importo(importo)
            return "" if amount is None else form(amount, migliaia=_migliaia(migliaia))
        except ValueError as error:
            raise IllegalArgumentException(str(error), self, 0) from None


g_ImplementationHelper = unohelper.ImplementationHelper()
g_ImplementationHelper.addImplementation(
    CalcFunctions, IMPLEMENTATION, ("com.sun.star.sheet.AddIn", IMPLEMENTATION))
