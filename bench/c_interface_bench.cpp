// SPDX-FileCopyrightText: 2026 gli autori di ZIFRANO
// SPDX-License-Identifier: MIT

// zifrano_wording per amount, through the shared library as other programs call it.
#include "zifrano/zifrano.h"

#include <benchmark/benchmark.h>

#include <cstdint>
#include <random>
#include <string>
#include <vector>

namespace {

// Amounts below 10^12, each with two decimals, written plainly ("123456789012.34") or the
// Italian way ("123.456.789.012,34").
std::vector<std::string> amountsWithCents(std::size_t count, bool italian) {
    std::mt19937_64 random(42);
    std::uniform_int_distribution<std::int64_t> whole(0, 999'999'999'999);
    std::uniform_int_distribution<int> cents(0, 99);
    std::vector<std::string> texts;
    texts.reserve(count);
    for (std::size_t i = 0; i < count; ++i) {
        std::string digits = std::to_string(whole(random));
        if (italian) {
            for (auto at = static_cast<std::ptrdiff_t>(digits.size()) - 3; at > 0; at -= 3) {
                digits.insert(digits.begin() + at, '.');
            }
        }
        const int c = cents(random);
        texts.push_back(digits + (italian ? ',' : '.') + std::to_string(c / 10) +
                        std::to_string(c % 10));
    }
    return texts;
}

void wordEach(benchmark::State& state, unsigned options, bool italian) {
    const std::vector<std::string> texts = amountsWithCents(4096, italian);
    char out[256];
    std::size_t i = 0;
    for (auto _ : state) {
        const std::string& text = texts[i++ % texts.size()];
        const int status =
            zifrano_wording(text.data(), text.size(), options, out, sizeof out, nullptr);
        if (status != ZIFRANO_OK) {
            state.SkipWithError(zifrano_message(status));
            break;
        }
        benchmark::DoNotOptimize(out);
    }
    state.SetItemsProcessed(state.iterations());
}

void EuroForm(benchmark::State& state) {
    wordEach(state, 0, false);
}
BENCHMARK(EuroForm);

void EuroFormItalianNotation(benchmark::State& state) {
    wordEach(state, ZIFRANO_MIGLIAIA, true);
}
BENCHMARK(EuroFormItalianNotation);

// The whole-amount form refuses decimals when read strictly: a field's reading drops them.
void WholeAmountFormAsTyped(benchmark::State& state) {
    wordEach(state, ZIFRANO_LIRE | ZIFRANO_AS_TYPED, false);
}
BENCHMARK(WholeAmountFormAsTyped);

void EuroFormAsTyped(benchmark::State& state) {
    wordEach(state, ZIFRANO_AS_TYPED, false);
}
BENCHMARK(EuroFormAsTyped);

} // namespace
