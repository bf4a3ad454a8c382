// SPDX-FileCopyrightText: 2026 gli autori di ZIFRANO
// SPDX-License-Identifier: MIT

#pragma once

#include "platform.h"

#include <QStringList>

namespace zifrano::test_support {

// Stands in for the desktop: records each request as "what" or "what: text", answers at once.
class RecordingPlatform final : public ui::Platform {
public:
    void clearClipboard() override { calls << QStringLiteral("clearClipboard"); }
    void setClipboardText(const QString& text) override { record("setClipboardText", text); }
    QString clipboardText() override { return clipboard; }
    QString selectionText() override { return selection; }
    void showMessage(const QString& prompt) override { record("showMessage", prompt); }
    void beep() override { calls << QStringLiteral("beep"); }
    void launch(const QString& commandLine) override { record("launch", commandLine); }
    void endProgram() override { calls << QStringLiteral("endProgram"); }

    QStringList calls;
    // What a paste finds.
    QString clipboard, selection;

private:
    void record(const char* what, const QString& text) {
        calls << QString::fromLatin1(what) + QStringLiteral(": ") + text;
    }
};

} // namespace zifrano::test_support
