#include "zifrano/wordings.h"

#include "zifrano/importo_in_lettere.h"
#include "zifrano/numero_in_lettere.h"

#include <algorithm>

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
    if (typed.find(',') == std::string_view::npos) {
        return wordingsFromFieldText(typed);
    }
    std::string asTyped(typed);
    std::replace(asTyped.begin(), asTyped.end(), ',', '.');
    return wordingsFromFieldText(asTyped);
}

} // namespace zifrano
