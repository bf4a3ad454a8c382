#include "zifrano/importo_in_lettere.h"

#include "zifrano/numero_in_lettere.h"

#include <cstdint>

namespace zifrano {

std::string ImportoInLettere(Amount amount) {
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
    std::string s = NumeroInLettere(whole);
    s += " / ";
    s.append(centsText, sizeof centsText);
    return s;
}

} // namespace zifrano
