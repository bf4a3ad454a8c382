// SPDX-FileCopyrightText: 2026 gli autori di ZIFRANO
// SPDX-License-Identifier: MIT

#include "zifrano/numero_in_lettere.h"
#include "zifrano/wordings.h"

#include <benchmark/benchmark.h>

#include <cstdint>
#include <random>
#include <string>
#include <vector>

namespace {

// Amounts as a user types them: a whole part up to twelve nines and, for most, two decimals.
std::vector<std::string> typedAmounts(std::size_t count) {
    std::mt19937_64 random(42);
    std::uniform_int_distribution<std::int64_t> whole(1, 999'999'999'999);
    std::uniform_int_distribution<int> cents(0, 99);
    std::vector<std::string> texts;
    texts.reserve(count);
    for (std::size_t i = 0; i < count; ++i) {
        std::string text = std::to_string(whole(random));
        if (i % 4 != 0) {
            const int c = cents(random);
            text += (i % 2 == 0 ? ',' : '.') + std::to_string(c / 10) + std::to_string(c % 10);
        }
        texts.push_back(std::move(text));
    }
    return texts;
}

void TextToBothWordings(benchmark::State& state) {
    const std::vector<std::string> texts = typedAmounts(4096);
    std::size_t i = 0;
    for (auto _ : state) {
        benchmark::DoNotOptimize(zifrano::wordingsFromText(texts[i++ % texts.size()]));
    }
    state.SetItemsProcessed(state.iterations());
}
BENCHMARK(TextToBothWordings);

void WholeAmountWords(benchmark::State& state) {
    std::mt19937_64 random(7);
    std::uniform_int_distribution<std::int64_t> whole(1, 999'999'999'999);
    std::vector<zifrano::Amount> amounts;
    for (int i = 0; i < 4096; ++i) {
        amounts.push_back(zifrano::Amount::fromUnits(whole(random)));
    }
    std::size_t i = 0;
    for (auto _ : state) {
        benchmark::DoNotOptimize(zifrano::NumeroInLettere(amounts[i++ % amounts.size()]));
    }
    state.SetItemsProcessed(state.iterations());
}
BENCHMARK(WholeAmountWords);

} // namespace
