// SPDX-FileCopyrightText: 2026 gli autori di ZIFRANO
// SPDX-License-Identifier: MIT

#pragma once

#include "zifrano_product.h"

#include <QString>

namespace zifrano::ui {

/// The title of every message box.
inline constexpr auto& kApplicationTitle = product::kName;

/// The one-time notice after a copy, quoting the copied text, which may be broken after a scale
/// word where it is too long for a line.
QString copyNotice(const QString& copied);

/// The about box's text: title, credit, what the program does, and how to reach the author.
QString aboutText();

/// The command line that opens a new mail message to the author.
QString mailCommandLine();

/// The command line that opens the author's web page.
QString webPageCommandLine();

} // namespace zifrano::ui
