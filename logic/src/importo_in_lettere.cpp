// SPDX-FileCopyrightText: 2026 gli autori di ZIFRANO
// SPDX-License-Identifier: MIT

#include "zifrano/importo_in_lettere.h"

#include "wording.h"

#include <cstdint>

namespace zifrano {

void writeImportoInLettere(Amount amount, Wording& wording) {
    const Amount whole = amount.wholePart();
    // Cents from the fraction, half a cent going to the even neighbour: 0 to 100.
    const std::int64_t fraction = amount.fraction();
    std::int64_t cents = fraction / 100;
    if (fraction % 100 > 50 || (fraction % 100 == 50 && cents % 2 != 0)) {
        ++cents;
    }
    // 100 cents show as "00": the whole part is never carried into.
    const char centsText[] = {static_cast<char>('0' + cents % 100 / 10),
                              static_cast<char>('0' + cents % 10)};
    writeNumeroInLettere(whole, wording);
    wording.append(" / ");
    wording.append({centsText, sizeof centsText});
}

std::string ImportoInLettere(Amount amount) {
    Wording wording;
    writeImportoInLettere(amount, wording);
    return std::string(wording.view());
}

void writeImportoInLettere(Amount amount, std::string& wording) {
    Wording written;
    writeImportoInLettere(amount, written);
    wording.assign(written.view());
}

} // namespace zifrano
