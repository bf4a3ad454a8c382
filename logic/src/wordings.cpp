// SPDX-FileCopyrightText: 2026 gli autori di ZIFRANO
// SPDX-License-Identifier: MIT

#include "zifrano/wordings.h"

#include "zifrano/importo_in_lettere.h"
#include "zifrano/numero_in_lettere.h"
#include "zifrano/typed_reading.h"

namespace zifrano {

std::optional<Wordings> wordingsOf(Amount amount) {
    if (!isWordable(amount)) {
        return std::nullopt;
    }
    return Wordings{ImportoInLettere(amount), NumeroInLettere(amount)};
}

std::optional<Wordings> wordingsFromFieldText(std::string_view fieldText) {
    const std::optional<Amount> amount = textToAmount(fieldText);
    return amount ? wordingsOf(*amount) : std::nullopt;
}

std::optional<Wordings> wordingsFromText(std::string_view typed) {
    const std::optional<Amount> amount = typedToAmount(typed);
    return amount ? wordingsOf(*amount) : std::nullopt;
}

} // namespace zifrano
