#include "zifrano/wordings.h"

#include "whole_words.h"
#include "zifrano/amount.h"

#include <algorithm>

namespace zifrano {

std::optional<Wordings> wordingsFromFieldText(std::string_view fieldText) {
    const std::optional<Amount> amount = textToAmount(fieldText);
    // A negative amount has no honest cheque wording: its floor would misstate it.
    if (!amount || amount->tenThousandths < 0) {
        return std::nullopt;
    }
    // The same as ImportoInLettere and NumeroInLettere, with the words of the whole part made once.
    WordingBuffer wording;
    appendWholeUnits(wording, amount->wholeUnits());
    std::string lire = isFractionAlone(*amount) ? std::string() : wording.str();
    appendCents(wording, *amount);
    return Wordings{wording.str(), std::move(lire)};
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
