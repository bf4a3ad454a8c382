#include "zifrano/importo_in_lettere.h"

#include "whole_words.h"

#include <cstdint>

namespace zifrano {
namespace {

// Cents from the fraction in ten-thousandths, half a cent going to the even neighbour: 0 to 100.
std::int64_t centsHalfToEven(std::int64_t fraction) {
    std::int64_t cents = fraction / 100;
    const std::int64_t rest = fraction % 100;
    if (rest > 50 || (rest == 50 && cents % 2 != 0)) {
        ++cents;
    }
    return cents;
}

} // namespace

void appendCents(WordingBuffer& out, Amount amount) {
    // 100 cents show as "00": the whole part is never carried into.
    const auto shown = static_cast<char>(centsHalfToEven(amount.fraction()) % 100);
    const char text[] = {' ', '/', ' ', static_cast<char>('0' + shown / 10),
                         static_cast<char>('0' + shown % 10)};
    out.append(std::string_view(text, sizeof text));
}

std::string ImportoInLettere(Amount amount) {
    WordingBuffer wording;
    appendWholeUnits(wording, amount.wholeUnits());
    appendCents(wording, amount);
    return wording.str();
}

} // namespace zifrano
