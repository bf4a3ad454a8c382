#pragma once

#include "platform.h"

#include <QString>
#include <QStringList>

namespace zifrano::testing {

// Stands in for the desktop: remembers every request, answers at once, never blocks.
class RecordingPlatform final : public ui::Platform {
public:
    void clearClipboard() override {
        calls << QStringLiteral("clearClipboard");
        clipboard.clear();
    }
    void setClipboardText(const QString& text) override {
        calls << QStringLiteral("setClipboardText");
        clipboard = text;
    }
    void showMessage(const QString& prompt) override {
        calls << QStringLiteral("showMessage");
        messages << prompt;
    }
    void beep() override {
        calls << QStringLiteral("beep");
        ++beeps;
    }
    void launch(const QString& commandLine) override {
        calls << QStringLiteral("launch");
        launched << commandLine;
    }
    void endProgram() override {
        calls << QStringLiteral("endProgram");
        ++ends;
    }

    QStringList calls;
    QString clipboard;
    QStringList messages;
    QStringList launched;
    int beeps = 0;
    int ends = 0;
};

} // namespace zifrano::testing
