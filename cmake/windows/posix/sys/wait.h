// SPDX-FileCopyrightText: 2026 gli autori di ZIFRANO
// SPDX-License-Identifier: MIT

#pragma once

// The exit status macros of POSIX, for Windows, where std::system() returns the command's exit
// code itself, or -1 when the command could not be run.
#define WIFEXITED(status) ((status) != -1)
#define WEXITSTATUS(status) (status)
