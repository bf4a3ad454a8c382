// SPDX-FileCopyrightText: 2026 gli autori di ZIFRANO
// SPDX-License-Identifier: MIT

#pragma once

#include "platform.h"

#include <QPointer>
#include <QWidget>

namespace zifrano::ui {

/// Puts Qt's own texts (context menus, standard buttons) into the default locale's language, the
/// program's Italian, where the translations are installed; elsewhere they stay English.
void loadQtTranslations();

/// Adds the fonts in the `fonts` folder beside the program, where there is one: the Windows build
/// brings the faces the window is laid out for, which Windows lacks, that way.
void loadBundledFonts();

/// The desktop as Qt reaches it. A failure it reports (no clipboard, no handler for an address)
/// is ignored: nothing here ends the program but endProgram().
class QtPlatform final : public Platform {
public:
    /// Message boxes are centred on `owner` while it exists.
    void setOwner(QWidget* owner) { m_owner = owner; }

    void clearClipboard() override;
    void setClipboardText(const QString& text) override;
    QString clipboardText() override;
    QString selectionText() override;
    void showMessage(const QString& prompt) override;
    void beep() override;
    void launch(const QString& commandLine) override;
    void endProgram() override;

private:
    QPointer<QWidget> m_owner;
};

} // namespace zifrano::ui
