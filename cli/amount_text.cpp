#include "amount_text.h"

#include "zifrano/number_reader.h"
#include "zifrano/wordings.h"

#include <algorithm>
#include <cstdio>

namespace zifrano::cli {
namespace {

bool isBlank(char c) {
    return c == ' ' || c == '\t' || c == '\n';
}

// "1.234.567,89" becomes "1234567.89". False when a full stop does not separate groups of three
// digits in the whole part.
bool ungroupThousands(std::string& text) {
    const std::size_t start = text.starts_with('+') || text.starts_with('-') ? 1 : 0;
    const std::size_t wholeEnd = std::min(text.find_first_of(",eE", start), text.size());
    if (text.find('.', wholeEnd) != std::string::npos) {
        return false;
    }
    bool grouped = false; // a full stop came before
    std::size_t digits = 0;
    for (std::size_t i = start; i < wholeEnd; ++i) {
        if (text[i] == '.') {
            if (digits == 0 || digits > 3 || (grouped && digits != 3)) {
                return false;
            }
            grouped = true;
            digits = 0;
        } else {
            ++digits;
        }
    }
    if (grouped && digits != 3) {
        return false;
    }
    text.erase(std::remove(text.begin() + start, text.begin() + wholeEnd, '.'),
               text.begin() + wholeEnd);
    std::replace(text.begin(), text.end(), ',', '.');
    return true;
}

// The length of the UTF-8 sequence at the start of `text` that stands for one printable
// character, or 0 when its first byte must be escaped.
std::size_t printableSequence(std::string_view text) {
    const auto lead = static_cast<unsigned char>(text[0]);
    if (lead < 0x80) {
        return lead >= 0x20 && lead != 0x7f ? 1 : 0;
    }
    const std::size_t size = lead >= 0xf0 ? 4 : lead >= 0xe0 ? 3 : lead >= 0xc2 ? 2 : 0;
    if (size == 0 || lead > 0xf4 || text.size() < size) {
        return 0;
    }
    for (std::size_t i = 1; i < size; ++i) {
        if ((static_cast<unsigned char>(text[i]) & 0xc0) != 0x80) {
            return 0;
        }
    }
    // C1 controls, U+0080 to U+009F, act on terminals too.
    return lead == 0xc2 && static_cast<unsigned char>(text[1]) < 0xa0 ? 0 : size;
}

// Why a text is refused, before the text itself is quoted.
std::string_view reason(Refusal refusal) {
    switch (refusal) {
    case Refusal::Empty:
        return "manca l'importo";
    case Refusal::NotAnAmount:
        return "non è un importo";
    case Refusal::BadGrouping:
        return "punto delle migliaia fuori posto";
    case Refusal::TooLong:
        return "troppo lungo per essere un importo";
    case Refusal::OutOfRange:
        break;
    }
    return kFuoriLimite;
}

} // namespace

std::variant<Amount, Refusal> readAmount(std::string_view text, Figures figures) {
    std::string plain;
    std::copy_if(text.begin(), text.end(), std::back_inserter(plain),
                 [](char c) { return !isBlank(c); });
    if (plain.empty()) {
        return Refusal::Empty;
    }
    if (plain.size() > kLongestAmount) {
        return Refusal::TooLong;
    }
    if (figures == Figures::ItalianThousands) {
        if (!ungroupThousands(plain)) {
            return Refusal::BadGrouping;
        }
    } else {
        std::replace(plain.begin(), plain.end(), ',', '.');
    }
    const LeadingNumber read = readLeadingNumber(plain);
    if (!read.found || read.end != plain.size()) {
        return Refusal::NotAnAmount;
    }
    const std::optional<Amount> amount = amountFromNumber(read.number);
    if (!amount || !isWordable(*amount)) {
        return Refusal::OutOfRange;
    }
    return *amount;
}

std::string describe(Refusal refusal, std::string_view shown) {
    return std::string(reason(refusal)) + ": " + quoteForTerminal(shown);
}

std::string quoteForTerminal(std::string_view raw) {
    constexpr std::size_t kShown = 40;
    std::string quoted = "'";
    std::size_t shown = 0;
    while (!raw.empty() && shown < kShown) {
        const std::size_t size = printableSequence(raw);
        if (size == 0) {
            char escaped[5];
            std::snprintf(escaped, sizeof escaped, "\\x%02x", static_cast<unsigned char>(raw[0]));
            quoted += escaped;
        } else {
            quoted.append(raw.substr(0, size));
        }
        raw.remove_prefix(std::max<std::size_t>(size, 1));
        ++shown;
    }
    quoted += raw.empty() ? "'" : "'…";
    return quoted;
}

} // namespace zifrano::cli
