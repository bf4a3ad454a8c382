// SPDX-FileCopyrightText: 2026 gli autori di ZIFRANO
// SPDX-License-Identifier: MIT

// Calls the C interface as a careless or hostile caller would, with any options and any room,
// and checks what must hold for every call: nothing is written past the room given; what is
// written ends with a NUL; the length told is the wording's own, so that a retry with that room
// succeeds; a wording is never cut; and each text is worded or refused exactly as zifrano-lettere
// words or refuses the same text given as an argument. The engine's shortcut for common amounts
// reads each text as its full reading does.
//
// The first byte of an input picks the options (its low three bits, and now and then one that is
// not an option), the second the room; the rest is the text.
#include "common_amount.h"
#include "tool.h"

#include "zifrano/zifrano.h"

#include <cstdint>
#include <cstdlib>
#include <cstring>
#include <sstream>
#include <string>
#include <string_view>
#include <vector>

namespace {

void check(bool holds) {
    if (!holds) {
        std::abort();
    }
}

constexpr char kUntouched = '\x5a';
constexpr std::size_t kGuard = 64;

// One call with `size` bytes of room, which must be all that it writes.
int call(std::string_view text, unsigned options, std::size_t size, std::string& wording,
         std::size_t& needed) {
    std::vector<char> room(size + kGuard, kUntouched);
    const int status = zifrano_wording(text.data(), text.size(), options,
                                       size == 0 ? nullptr : room.data(), size, &needed);
    for (std::size_t i = size; i < room.size(); ++i) {
        check(room[i] == kUntouched);
    }
    if (size > 0) {
        const void* end = std::memchr(room.data(), '\0', size);
        check(end != nullptr);
        wording.assign(room.data(),
                       static_cast<std::size_t>(static_cast<const char*>(end) - room.data()));
    } else {
        wording.clear();
    }
    return status;
}

// What zifrano-lettere makes of the same text, given as its one argument.
void checkAgainstTool(std::string_view text, unsigned options, int status,
                      const std::string& wording) {
    if ((options & ZIFRANO_AS_TYPED) != 0 || text.find('\0') != std::string_view::npos) {
        return; // the tool reads strictly, and an argument cannot hold a NUL
    }
    const std::string argument(text);
    std::vector<const char*> arguments;
    if ((options & ZIFRANO_LIRE) != 0) {
        arguments.push_back("--lire");
    }
    if ((options & ZIFRANO_MIGLIAIA) != 0) {
        arguments.push_back("--migliaia");
    }
    arguments.insert(arguments.end(), {"--", argument.c_str()});
    std::istringstream in;
    std::ostringstream out, err;
    const int toolStatus = zifrano::cli::runTool(arguments, in, out, err);
    if (status == ZIFRANO_OK) {
        check(toolStatus == 0 && out.str() == wording + "\n" && err.str().empty());
        return;
    }
    const std::string told =
        "zifrano-lettere: argomento 1: " + std::string(zifrano_message(status));
    check(toolStatus == 1 && out.str() == "\n" && err.str().starts_with(told + ": "));
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    if (size < 2) {
        return 0;
    }
    unsigned options = data[0] & 7u;
    if ((data[0] & 0xf0u) == 0xf0u) {
        options |= 1u << (data[0] & 0x0fu); // sometimes a bit that is no option
    }
    const std::size_t room = data[1];
    const std::string_view text(reinterpret_cast<const char*>(data + 2), size - 2);

    std::string wording;
    std::size_t needed = 777;
    const int status = call(text, options, room, wording, needed);
    if (status == ZIFRANO_BUFFER_TOO_SMALL) {
        check(needed >= room && wording.empty());
        std::size_t again = 777;
        check(call(text, options, needed + 1, wording, again) == ZIFRANO_OK && again == needed);
    } else if (status == ZIFRANO_OK) {
        check(needed == wording.size() && needed < room);
    } else {
        check(needed == 0 && wording.empty());
    }
    const unsigned known = ZIFRANO_LIRE | ZIFRANO_MIGLIAIA | ZIFRANO_AS_TYPED;
    const bool invalid = (options & ~known) != 0 ||
                         ((options & ZIFRANO_AS_TYPED) != 0 && (options & ZIFRANO_MIGLIAIA) != 0);
    check(invalid == (status == ZIFRANO_INVALID_ARGUMENT));
    if (!invalid && (options & ZIFRANO_AS_TYPED) == 0) {
        const zifrano::AmountText amount(text);
        const auto currency =
            (options & ZIFRANO_LIRE) != 0 ? zifrano::Currency::Lire : zifrano::Currency::Euro;
        const auto notation = (options & ZIFRANO_MIGLIAIA) != 0
                                  ? zifrano::Notation::ItalianThousands
                                  : zifrano::Notation::Plain;
        const auto inFull = zifrano::readAmountInFull(amount, notation, currency);
        check(zifrano::readAmount(amount, notation, currency) == inFull);
        check(zifrano::readAmount(text, notation, currency) == inFull);
    }
    if (!invalid) {
        checkAgainstTool(text, options, status == ZIFRANO_BUFFER_TOO_SMALL ? ZIFRANO_OK : status,
                         wording);
    }
    return 0;
}
