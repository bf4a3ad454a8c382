#include "wording_reader.h"

#include <array>
#include <string>

namespace zifrano::testing {
namespace {

using std::string_view;

constexpr std::array<string_view, 21> kSmall{
    "",         "uno",        "due",         "tre",      "quattro", "cinque",
    "sei",      "sette",      "otto",        "nove",     "dieci",   "undici",
    "dodici",   "tredici",    "quattordici", "quindici", "sedici",  "diciassette",
    "diciotto", "diciannove", "venti"};

constexpr std::array<string_view, 10> kTens{"",         "",          "venti",    "trenta",
                                            "quaranta", "cinquanta", "sessanta", "settanta",
                                            "ottanta",  "novanta"};

bool consume(string_view& s, string_view prefix) {
    if (!s.starts_with(prefix)) {
        return false;
    }
    s.remove_prefix(prefix.size());
    return true;
}

// 1 to 99, in the one accepted spelling.
std::optional<std::int64_t> readBelowHundred(string_view s) {
    for (std::int64_t n = 1; n <= 20; ++n) {
        if (s == kSmall[n]) {
            return n;
        }
    }
    for (std::int64_t t = 2; t <= 9; ++t) {
        const string_view full = kTens[t];
        const string_view elided = full.substr(0, full.size() - 1);
        if (s == full) {
            return 10 * t;
        }
        for (std::int64_t u : {2, 3, 4, 5, 6, 7, 9}) {
            if (s.size() == full.size() + kSmall[u].size() && s.starts_with(full) &&
                s.ends_with(kSmall[u])) {
                return 10 * t + u;
            }
        }
        if (s == std::string(elided) + "uno") {
            return 10 * t + 1;
        }
        if (s == std::string(elided) + "otto") {
            return 10 * t + 8;
        }
    }
    return std::nullopt;
}

// 1 to 999: an optional hundreds part ("cento", "duecento" ...), then 1 to 99 or nothing.
std::optional<std::int64_t> readGroup(string_view s) {
    std::int64_t hundreds = 0;
    if (consume(s, "cento")) {
        hundreds = 1;
    } else {
        for (std::int64_t h = 2; h <= 9 && hundreds == 0; ++h) {
            if (consume(s, std::string(kSmall[h]) + "cento")) {
                hundreds = h;
            }
        }
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
std::optional<std::int64_t> readScale(string_view& s, string_view single, string_view many,
                                      ReadCount readCount) {
    if (consume(s, single)) {
        return 1;
    }
    const auto at = s.find(many);
    if (at == string_view::npos) {
        return 0;
    }
    const auto count = readCount(s.substr(0, at));
    if (!count || *count < 2) {
        return std::nullopt;
    }
    s.remove_prefix(at + many.size());
    return count;
}

std::optional<std::int64_t> readPositive(string_view s) {
    const auto milliards = readScale(s, "unmiliardo", "miliardi", readPositive);
    const auto millions = readScale(s, "unmilione", "milioni", readGroup);
    const auto thousands = readScale(s, "mille", "mila", readGroup);
    if (!milliards || !millions || !thousands) {
        return std::nullopt;
    }
    std::int64_t units = 0;
    if (!s.empty()) {
        const auto group = readGroup(s);
        if (!group) {
            return std::nullopt;
        }
        units = *group;
    }
    const std::int64_t total =
        *milliards * 1'000'000'000 + *millions * 1'000'000 + *thousands * 1'000 + units;
    return total > 0 ? std::optional<std::int64_t>(total) : std::nullopt;
}

} // namespace

std::optional<std::int64_t> readWording(string_view wording) {
    if (wording == "Zero") {
        return 0;
    }
    return readPositive(wording);
}

} // namespace zifrano::testing
