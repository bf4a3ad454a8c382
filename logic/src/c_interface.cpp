// SPDX-FileCopyrightText: 2026 gli autori di ZIFRANO
// SPDX-License-Identifier: MIT

// The C interface: the engine's readings and wordings, written into the caller's memory.
#include "zifrano/zifrano.h"

#include "wording.h"
#include "zifrano/strict_reading.h"
#include "zifrano/typed_reading.h"
#include "zifrano/wordings.h"

#include <cstring>
#include <string_view>
#include <variant>

namespace zifrano {
namespace {

constexpr unsigned kKnownOptions = ZIFRANO_LIRE | ZIFRANO_MIGLIAIA | ZIFRANO_AS_TYPED;

zifrano_status statusOf(Refusal refusal) {
    switch (refusal) {
    case Refusal::Empty:
        return ZIFRANO_EMPTY;
    case Refusal::NotAnAmount:
        return ZIFRANO_NOT_AN_AMOUNT;
    case Refusal::Negative:
        return ZIFRANO_NEGATIVE;
    case Refusal::DashForCents:
        return ZIFRANO_DASH_FOR_CENTS;
    case Refusal::Ambiguous:
        return ZIFRANO_AMBIGUOUS;
    case Refusal::NeedsThousands:
        return ZIFRANO_NEEDS_THOUSANDS;
    case Refusal::BadGrouping:
        return ZIFRANO_BAD_GROUPING;
    case Refusal::TooManyDecimals:
        return ZIFRANO_TOO_MANY_DECIMALS;
    case Refusal::DecimalsInLire:
        return ZIFRANO_DECIMALS_IN_LIRE;
    case Refusal::TooLong:
        return ZIFRANO_TOO_LONG;
    case Refusal::OutOfRange:
        break;
    }
    return ZIFRANO_OUT_OF_RANGE;
}

// The amount `text` holds, read as `options` ask.
std::variant<Amount, zifrano_status> readOption(std::string_view text, unsigned options) {
    const Currency currency = (options & ZIFRANO_LIRE) != 0 ? Currency::Lire : Currency::Euro;
    if ((options & ZIFRANO_AS_TYPED) == 0) {
        const Notation notation =
            (options & ZIFRANO_MIGLIAIA) != 0 ? Notation::ItalianThousands : Notation::Plain;
        const auto read = readAmount(text, notation, currency);
        if (const auto* refusal = std::get_if<Refusal>(&read)) {
            return statusOf(*refusal);
        }
        return std::get<Amount>(read);
    }
    // A field never holds a NUL: a text with one is not what the caller meant.
    if (text.find('\0') != std::string_view::npos) {
        return ZIFRANO_NOT_AN_AMOUNT;
    }
    const std::optional<Amount> amount = typedToAmount(text);
    if (!amount) {
        return ZIFRANO_OUT_OF_RANGE;
    }
    return isWordable(*amount) ? std::variant<Amount, zifrano_status>(*amount) : ZIFRANO_NEGATIVE;
}

bool validArguments(const char* text, std::size_t length, unsigned options, const char* out,
                    std::size_t size) {
    const bool bothReadings =
        (options & ZIFRANO_AS_TYPED) != 0 && (options & ZIFRANO_MIGLIAIA) != 0;
    return (text != nullptr || length == 0) && (out != nullptr || size == 0) &&
           (options & ~kKnownOptions) == 0 && !bothReadings;
}

} // namespace
} // namespace zifrano

extern "C" {

const char* zifrano_version(void) noexcept {
    return ZIFRANO_VERSION_TEXT;
}

int zifrano_wording(const char* text, size_t length, unsigned options, char* out, size_t size,
                    size_t* needed) noexcept {
    using namespace zifrano;
    if (needed != nullptr) {
        *needed = 0;
    }
    // Whatever happens, the caller's buffer holds a string, and never part of a wording.
    if (size > 0 && out != nullptr) {
        out[0] = '\0';
    }
    if (!validArguments(text, length, options, out, size)) {
        return ZIFRANO_INVALID_ARGUMENT;
    }
    const auto read =
        readOption(length == 0 ? std::string_view() : std::string_view(text, length), options);
    if (const auto* status = std::get_if<zifrano_status>(&read)) {
        return *status;
    }
    Wording wording;
    if ((options & ZIFRANO_LIRE) != 0) {
        writeNumeroInLettere(std::get<Amount>(read), wording);
    } else {
        writeImportoInLettere(std::get<Amount>(read), wording);
    }
    const std::string_view words = wording.view();
    if (needed != nullptr) {
        *needed = words.size();
    }
    if (words.size() >= size) {
        return ZIFRANO_BUFFER_TOO_SMALL;
    }
    std::memcpy(out, words.data(), words.size());
    out[words.size()] = '\0';
    return ZIFRANO_OK;
}

const char* zifrano_message(int status) noexcept {
    using namespace zifrano;
    switch (status) {
    case ZIFRANO_OK:
        return "nessun errore";
    case ZIFRANO_BUFFER_TOO_SMALL:
        return "la dicitura non entra nello spazio dato";
    case ZIFRANO_INVALID_ARGUMENT:
        return "argomenti non validi";
    default:
        break;
    }
    // Every refusal has a status, and each status its refusal's reason.
    for (int refusal = 0; refusal <= static_cast<int>(Refusal::OutOfRange); ++refusal) {
        if (statusOf(static_cast<Refusal>(refusal)) == status) {
            // The reasons are literals, each ended with a NUL.
            return refusalReason(static_cast<Refusal>(refusal)).data();
        }
    }
    return "stato sconosciuto";
}

} // extern "C"
