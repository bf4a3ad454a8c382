// SPDX-FileCopyrightText: 2026 gli autori di ZIFRANO
// SPDX-License-Identifier: MIT

/* Writes the euro wording of each amount given as an argument, one a line, through the C
 * interface of libzifrano:
 *     cc wording.c $(pkg-config --cflags --libs zifrano) -o wording
 *     ./wording '€ 1.234,56' 12,50        (with -m: the Italian notation, 1.234,56)
 * A refused amount gets the library's reason on standard error, and the status 1 at the end. */
#include <zifrano/zifrano.h>

#include <stdio.h>
#include <stdlib.h>
#include <string.h>

/* Words one amount into a buffer that grows when the wording needs it. */
static int print_wording(const char *amount, unsigned options) {
    char small[16];
    char *out = small;
    size_t needed = 0;
    int status = zifrano_wording(amount, strlen(amount), options, out, sizeof small, &needed);
    if (status == ZIFRANO_BUFFER_TOO_SMALL) {
        out = malloc(needed + 1);
        if (out == NULL) {
            return ZIFRANO_BUFFER_TOO_SMALL;
        }
        status = zifrano_wording(amount, strlen(amount), options, out, needed + 1, &needed);
    }
    if (status == ZIFRANO_OK) {
        printf("%s\n", out);
    } else {
        fprintf(stderr, "wording: %s: %s\n", amount, zifrano_message(status));
    }
    if (out != small) {
        free(out);
    }
    return status;
}

int main(int argc, char **argv) {
    unsigned options = 0;
    int first = 1;
    int failed = 0;
    if (argc > 1 && strcmp(argv[1], "-m") == 0) {
        options |= ZIFRANO_MIGLIAIA;
        first = 2;
    }
    for (int i = first; i < argc; ++i) {
        failed |= print_wording(argv[i], options) != ZIFRANO_OK;
    }
    return failed;
}
