// SPDX-FileCopyrightText: 2026 gli autori di ZIFRANO
// SPDX-License-Identifier: MIT

#pragma once

class QString;

namespace zifrano::ui {

/// What the window asks of the desktop. The window calls only these, so tests can put a
/// recorder in place of the desktop.
class Platform {
public:
    virtual ~Platform() = default;

    virtual void clearClipboard() = 0;
    /// Puts `text` on the clipboard as plain text.
    virtual void setClipboardText(const QString& text) = 0;
    /// The clipboard's plain text, what Ctrl+V would paste.
    virtual QString clipboardText() = 0;
    /// The X primary selection's plain text, what a middle click pastes; empty where there is
    /// none.
    virtual QString selectionText() = 0;
    /// Shows `prompt` with one OK button and no icon, titled with the application's title;
    /// returns once the user has closed it.
    virtual void showMessage(const QString& prompt) = 0;
    virtual void beep() = 0;
    /// Carries out a command line of the form "start <address>": the desktop opens the address.
    virtual void launch(const QString& commandLine) = 0;
    /// Ends the program: no further handler runs.
    virtual void endProgram() = 0;
};

} // namespace zifrano::ui
