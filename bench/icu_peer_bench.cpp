// SPDX-FileCopyrightText: 2026 gli autori di ZIFRANO
// SPDX-License-Identifier: MIT

// The same random whole amounts below 10^12 worded by our engine and by ICU's Italian spellout,
// in one run: both throughputs (each the best of three passes) and their ratio.
//   build/bin/zifrano_icu_peer_bench [COUNT]
#include "zifrano/numero_in_lettere.h"

#include <unicode/locid.h>
#include <unicode/rbnf.h>
#include <unicode/unistr.h>

#include <algorithm>
#include <chrono>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <random>
#include <vector>

namespace {

using Clock = std::chrono::steady_clock;

template <typename WordOne>
double onePass(const std::vector<std::int64_t>& amounts, std::size_t& sink, WordOne wordOne) {
    const auto start = Clock::now();
    for (const std::int64_t amount : amounts) {
        sink += wordOne(amount);
    }
    const std::chrono::duration<double> elapsed = Clock::now() - start;
    return static_cast<double>(amounts.size()) / elapsed.count();
}

// The best of three passes over all the amounts, after a pass that warms caches and clocks.
template <typename WordOne>
double amountsPerSecond(const std::vector<std::int64_t>& amounts, std::size_t& sink,
                        WordOne wordOne) {
    onePass(amounts, sink, wordOne);
    double best = 0.0;
    for (int pass = 0; pass < 3; ++pass) {
        best = std::max(best, onePass(amounts, sink, wordOne));
    }
    return best;
}

} // namespace

int main(int argc, char* argv[]) {
    const std::size_t count = argc > 1 ? std::strtoull(argv[1], nullptr, 10) : 1'000'000;
    std::mt19937_64 random(20261206);
    std::uniform_int_distribution<std::int64_t> pick(0, 999'999'999'999);
    std::vector<std::int64_t> amounts(count);
    for (std::int64_t& amount : amounts) {
        amount = pick(random);
    }

    UErrorCode status = U_ZERO_ERROR;
    icu::RuleBasedNumberFormat spellout(icu::URBNF_SPELLOUT, icu::Locale("it"), status);
    if (U_FAILURE(status)) {
        std::fprintf(stderr, "ICU: no Italian spellout (%s)\n", u_errorName(status));
        return 1;
    }

    std::size_t sink = 0;
    const double ours = amountsPerSecond(amounts, sink, [](std::int64_t amount) {
        return zifrano::NumeroInLettere(zifrano::Amount::fromUnits(amount)).size();
    });
    const double icu = amountsPerSecond(amounts, sink, [&spellout](std::int64_t amount) {
        icu::UnicodeString words;
        spellout.format(static_cast<int64_t>(amount), words);
        return static_cast<std::size_t>(words.length());
    });

    std::printf("%zu random whole amounts below 10^12 (checksum %zu)\n", count, sink);
    std::printf("ZIFRANO NumeroInLettere: %12.0f amounts/s\n", ours);
    std::printf("ICU spellout, \"it\":     %12.0f amounts/s\n", icu);
    std::printf("ratio: ZIFRANO is %.1f times ICU's throughput\n", ours / icu);
    return 0;
}
