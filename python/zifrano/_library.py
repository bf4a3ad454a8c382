# SPDX-FileCopyrightText: 2026 gli autori di ZIFRANO
# SPDX-License-Identifier: MIT

"""The C interface of libzifrano.so.1, through ctypes."""
from __future__ import annotations

import ctypes
import os

OK = 0
BUFFER_TOO_SMALL = 12
LIRE = 1 << 0
MIGLIAIA = 1 << 1

# Room for any wording (the longest is 192 bytes) and its NUL, so that one call is the rule.
ROOM = 256


def _load() -> ctypes.CDLL:
    """The library named by ZIFRANO_LIBRARY, a path, or else the one the system loader finds."""
    name = os.environ.get("ZIFRANO_LIBRARY") or "libzifrano.so.1"
    try:
        library = ctypes.CDLL(name)
    except OSError as error:
        raise ImportError(f"zifrano: cannot load {name} ({error}); install libzifrano1 "
                          "or set ZIFRANO_LIBRARY to the library's path") from error
    library.zifrano_version.argtypes = []
    library.zifrano_version.restype = ctypes.c_char_p
    library.zifrano_message.argtypes = [ctypes.c_int]
    library.zifrano_message.restype = ctypes.c_char_p
    library.zifrano_wording.argtypes = [ctypes.c_char_p, ctypes.c_size_t, ctypes.c_uint,
                                        ctypes.c_char_p, ctypes.c_size_t,
                                        ctypes.POINTER(ctypes.c_size_t)]
    library.zifrano_wording.restype = ctypes.c_int
    return library


_library = _load()


def version() -> str:
    """The version of the library loaded, as the programs show it."""
    return _library.zifrano_version().decode()


def message(status: int) -> str:
    """Why a call ended with `status`, in Italian, as zifrano-lettere says it."""
    return _library.zifrano_message(status).decode()


def wording(text: bytes, options: int) -> tuple[int, str]:
    """The status of wording `text` with `options`, and the wording ("" after a refusal). A
    wording that does not fit the room is asked for once more, with the room it needs."""
    status, words, needed = _call(text, options, ROOM)
    if status == BUFFER_TOO_SMALL:
        status, words, _ = _call(text, options, needed + 1)
    return status, words


def _call(text: bytes, options: int, room: int) -> tuple[int, str, int]:
    out = ctypes.create_string_buffer(room)
    needed = ctypes.c_size_t(0)
    status = _library.zifrano_wording(text, len(text), options, out, room, ctypes.byref(needed))
    return status, out.value.decode(), needed.value
