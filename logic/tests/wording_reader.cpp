#include "wording_reader.h"

#include <array>
#include <string>

namespace zifrano::testing {
namespace {

using std::string_view;

constexpr std::array<string_view, 20> kSmall{"",        "uno",         "due",         "tre",
                                             "quattro", "cinque",      "sei",         "sette",
                                             "otto",    "nove",        "dieci",       "undici",
                                             "dodici",  "tredici",     "quattordici", "quindici",
                                             "sedici",  "diciassette", "diciotto",    "diciannove"};
constexpr std::array<string_view, 10> kTens{"",         "",          "venti",    "trenta",
                                            "quaranta", "cinquanta", "sessanta", "settanta",
                                            "ottanta",  "novanta"};

bool consume(string_view& s, string_view prefix) {
    const bool found = s.starts_with(prefix);
    if (found) {
        s.remove_prefix(prefix.size());
    }
    return found;
}

// 1 to 99, in the one accepted spelling: the tens word loses its vowel before uno and otto only.
std::optional<std::int64_t> readBelowHundred(string_view s) {
    for (std::int64_t n = 1; n < 20; ++n) {
        if (s == kSmall[n]) {
            return n;
        }
    }
    for (std::int64_t t = 2; t <= 9; ++t) {
        const string_view tens = kTens[t];
        for (std::int64_t u = 0; u <= 9; ++u) {
            const bool elided = u == 1 || u == 8;
            if (s == std::string(tens.substr(0, tens.size() - elided)) + std::string(kSmall[u])) {
                return 10 * t + u;
            }
        }
    }
    return std::nullopt;
}

// 1 to 999: an optional hundreds part ("cento", "duecento" ...), then 1 to 99 or nothing.
std::optional<std::int64_t> readGroup(string_view s) {
    std::int64_t hundreds = consume(s, "cento") ? 1 : 0;
    for (std::int64_t h = 2; h <= 9 && hundreds == 0; ++h) {
        hundreds = consume(s, std::string(kSmall[h]) + "cento") ? h : 0;
    }
    if (s.empty()) {
        return hundreds > 0 ? std::optional<std::int64_t>(100 * hundreds) : std::nullopt;
    }
    const auto rest = readBelowHundred(s);
    return rest ? std::optional<std::int64_t>(100 * hundreds + *rest) : std::nullopt;
}

// One scale: its word for exactly one, or a count of at least two followed by its plural.
// Returns 0 when the scale is absent, nothing when it is misspelt.
template <typename ReadCount>
std::optional<std::int64_t> readScale(string_view& s, string_view one, string_view many,
                                      ReadCount readCount) {
    if (consume(s, one)) {
        return 1;
    }
    const auto at = s.find(many);
    if (at == string_view::npos) {
        return 0;
    }
    const auto count = readCount(s.substr(0, at));
    s.remove_prefix(at + many.size());
    return count && *count >= 2 ? count : std::nullopt;
}

std::optional<std::int64_t> readPositive(string_view s) {
    const auto milliards = readScale(s, "unmiliardo", "miliardi", readPositive);
    const auto millions = readScale(s, "unmilione", "milioni", readGroup);
    const auto thousands = readScale(s, "mille", "mila", readGroup);
    const auto units = s.empty() ? std::optional<std::int64_t>(0) : readGroup(s);
    if (!milliards || !millions || !thousands || !units) {
        return std::nullopt;
    }
    const std::int64_t total =
        *milliards * 1'000'000'000 + *millions * 1'000'000 + *thousands * 1'000 + *units;
    return total > 0 ? std::optional<std::int64_t>(total) : std::nullopt;
}

} // namespace

std::optional<std::int64_t> readWording(string_view wording) {
    return wording == "Zero" ? std::optional<std::int64_t>(0) : readPositive(wording);
}

} // namespace zifrano::testing
