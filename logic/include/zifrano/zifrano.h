// SPDX-FileCopyrightText: 2026 gli autori di ZIFRANO
// SPDX-License-Identifier: MIT

/// @file
/// Italian amounts in words, as a cheque, a delivery note or an invoice writes them: the euro
/// form "centoventitre / 45" and the whole-amount form "centoventitre".
///
/// Every function may be called from several threads at once: none keeps state between calls,
/// and none allocates memory that the caller must free.
#ifndef ZIFRANO_H
#define ZIFRANO_H

#include <stddef.h>

#include "zifrano/zifrano_version.h"

#if defined(_WIN32)
#if defined(ZIFRANO_BUILDING_LIBRARY)
#define ZIFRANO_API __declspec(dllexport)
#else
#define ZIFRANO_API __declspec(dllimport)
#endif
#else
#define ZIFRANO_API __attribute__((visibility("default")))
#endif

#ifdef __cplusplus
/* None of them throws. */
#define ZIFRANO_NOEXCEPT noexcept
extern "C" {
#else
#define ZIFRANO_NOEXCEPT
#endif

/// What a call came to: ZIFRANO_OK, or why the text has no wording, or why the call could not be
/// answered. zifrano_message() tells each in Italian.
enum zifrano_status {
    ZIFRANO_OK = 0,                ///< the wording was written
    ZIFRANO_EMPTY = 1,             ///< no amount: the text is empty, or blanks alone
    ZIFRANO_NOT_AN_AMOUNT = 2,     ///< the text is not an amount ("12abc", an embedded NUL)
    ZIFRANO_NEGATIVE = 3,          ///< a negative amount, which a cheque cannot state
    ZIFRANO_AMBIGUOUS = 4,         ///< "12.500" read plainly: thousands or decimals?
    ZIFRANO_NEEDS_THOUSANDS = 5,   ///< "1.234,56" read plainly: it needs ZIFRANO_MIGLIAIA
    ZIFRANO_BAD_GROUPING = 6,      ///< a thousands separator out of place ("12 50", "1.23,4")
    ZIFRANO_TOO_MANY_DECIMALS = 7, ///< more than two decimals, in the euro form
    ZIFRANO_TOO_LONG = 8,          ///< more than 256 characters, blanks and leading zeros aside
    ZIFRANO_OUT_OF_RANGE = 9,      ///< beyond the largest amount that can be worded
    ZIFRANO_DECIMALS_IN_LIRE = 10, ///< decimals other than zeros, with ZIFRANO_LIRE
    ZIFRANO_DASH_FOR_CENTS = 11,   ///< "12,-": a dash for the cents, which some read as minus
    ZIFRANO_BUFFER_TOO_SMALL = 12, ///< the wording does not fit `size` bytes with its NUL
    ZIFRANO_INVALID_ARGUMENT = 13, ///< a null pointer where there must be bytes, unknown options
};

/// Options of zifrano_wording(), to be combined with `|`.
enum zifrano_options {
    /// The whole-amount form, "centoventitre", which refuses decimals; the euro form otherwise.
    ZIFRANO_LIRE = 1u << 0,
    /// The Italian notation: full stops group thousands, a comma comes before the decimals
    /// ("1.234.567,89"). Otherwise one full stop or one comma comes before the decimals.
    ZIFRANO_MIGLIAIA = 1u << 1,
    /// The reading of a live amount field, as the window reads what is typed into it: the number
    /// at the start of the text is taken, a comma is a full stop, anything after the number is
    /// passed over, a text without a number is 0, and decimals past the cents are rounded half to
    /// even. Only a negative amount, or one too large to word, is refused. Not with
    /// ZIFRANO_MIGLIAIA.
    ZIFRANO_AS_TYPED = 1u << 2,
};

/// The library's version, as the programs show it: the same as ZIFRANO_VERSION_TEXT, unless
/// the program runs with another copy of the library than it was built with.
ZIFRANO_API const char* zifrano_version(void) ZIFRANO_NOEXCEPT;

/// Writes the wording of the amount that `text` holds.
///
/// Reads `length` bytes of `text`, in UTF-8 (or with the euro sign and the no-break space as
/// Windows-1252 writes them, as spreadsheets export them); a NUL among them is not an end, and
/// is refused. Unless ZIFRANO_AS_TYPED is given, the text is read strictly as exactly one amount:
/// blanks around it and between groups of three digits, a currency sign ("€", "EUR") before or
/// after it, and never a digit more than the form can write, nor a grouping that could be read
/// two ways. "€ 1.234,56" with ZIFRANO_MIGLIAIA gives "milleduecentotrentaquattro / 56".
///
/// When the wording and its NUL fit `size` bytes, they are written to `out` and ZIFRANO_OK is
/// returned. A wording that does not fit is never cut, since a cut wording states a smaller
/// amount: then only an empty string is written (when `size` > 0) and ZIFRANO_BUFFER_TOO_SMALL is
/// returned. A refusal also writes an empty string (when `size` > 0) and returns its status.
///
/// @param text     the amount's bytes; may be NULL only when `length` is 0
/// @param length   how many bytes of `text` to read
/// @param options  ZIFRANO_LIRE, ZIFRANO_MIGLIAIA, ZIFRANO_AS_TYPED, or 0 for the euro form
/// @param out      where the wording goes; may be NULL only when `size` is 0
/// @param size     the bytes `out` has room for
/// @param needed   when not NULL, gets the wording's length without its NUL (so `*needed` + 1
///                 bytes hold it), also when it did not fit; 0 after a refusal
/// @return         a zifrano_status
ZIFRANO_API int zifrano_wording(const char* text, size_t length, unsigned options, char* out,
                                size_t size, size_t* needed) ZIFRANO_NOEXCEPT;

/// Why a call ended with `status`, in Italian, as zifrano-lettere says it: "più di due
/// decimali". Never NULL; a status that is not a zifrano_status gets a text that says so. The
/// text is static and is never to be freed.
ZIFRANO_API const char* zifrano_message(int status) ZIFRANO_NOEXCEPT;

#ifdef __cplusplus
}
#endif

#endif
