// SPDX-FileCopyrightText: 2026 gli autori di ZIFRANO
// SPDX-License-Identifier: MIT

// Writes an amount as a cheque carries it, in the euro form, and a whole amount also in the
// whole-amount form, from libzifrano's C interface.
#include <zifrano/zifrano.h>

#include <cstdio>
#include <string>
#include <string_view>

namespace {

// The wording of `amount` in the form `options` ask for, or the status that refuses it.
int word(std::string_view amount, unsigned options, std::string& wording) {
    std::size_t needed = 0;
    int status = zifrano_wording(amount.data(), amount.size(), options, nullptr, 0, &needed);
    if (status == ZIFRANO_BUFFER_TOO_SMALL) {
        wording.resize(needed + 1);
        status = zifrano_wording(amount.data(), amount.size(), options, wording.data(),
                                 wording.size(), &needed);
        wording.resize(needed);
    }
    return status;
}

} // namespace

int main(int argc, char** argv) {
    if (argc != 2) {
        std::fprintf(stderr, "usage: cheque AMOUNT   (zifrano %s)\n", zifrano_version());
        return 2;
    }
    std::string euro, lire;
    if (const int status = word(argv[1], 0, euro); status != ZIFRANO_OK) {
        std::fprintf(stderr, "cheque: %s: %s\n", argv[1], zifrano_message(status));
        return 1;
    }
    std::printf("euro: %s\n", euro.c_str());
    // The whole-amount form has no cents to write: an amount with cents has none.
    if (word(argv[1], ZIFRANO_LIRE, lire) == ZIFRANO_OK) {
        std::printf("lire: %s\n", lire.c_str());
    }
    return 0;
}
