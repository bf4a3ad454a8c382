#include "zifrano/wordings.h"

#include "zifrano/amount.h"
#include "zifrano/importo_in_lettere.h"
#include "zifrano/numero_in_lettere.h"

#include <algorithm>

namespace zifrano {

std::optional<Wordings> wordingsFromFieldText(std::string_view fieldText) {
    const std::optional<Amount> amount = textToAmount(fieldText);
    // A negative amount has no honest cheque wording: its floor would misstate it.
    if (!amount || amount->tenThousandths < 0) {
        return std::nullopt;
    }
    return Wordings{ImportoInLettere(*amount), NumeroInLettere(*amount)};
}

std::optional<Wordings> wordingsFromText(std::string_view typed) {
    std::string asTyped(typed);
    std::replace(asTyped.begin(), asTyped.end(), ',', '.');
    return wordingsFromFieldText(asTyped);
}

} // namespace zifrano
