// SPDX-FileCopyrightText: 2026 gli autori di ZIFRANO
// SPDX-License-Identifier: MIT

#include "messages.h"

#include "zifrano_product.h"

#include <QRegularExpression>

namespace zifrano::ui {

namespace {

// A wording has no blank of its own to break a line at: a message box breaks it after a scale
// word, at an invisible break opportunity that only the notice, never the clipboard, gets.
QString breakAfterScaleWords(const QString& wording) {
    static const QRegularExpression kScaleWord(
        QStringLiteral("(miliard[io]|milion[ei]|mila|mille)(?=\\p{L})"));
    QString breakable = wording;
    return breakable.replace(kScaleWord, QStringLiteral("\\1\u200B"));
}

} // namespace

QString copyNotice(const QString& copied) {
    return QStringLiteral("Il testo ' ") + breakAfterScaleWords(copied) +
           QStringLiteral(" ' è stato copiato nella clipboard, aprire o portarsi nell'applicativo "
                          "voluto con Alt + Tab e premere Ctrl + V per incollare la stringa. "
                          "N.B.: questo messaggio non verrà visualizzato le prossime volte.");
}

QString aboutText() {
    return QLatin1Char('\'') + QString::fromLatin1(kApplicationTitle) + QStringLiteral("' ") +
           QString::fromUtf8(author::kCredit) +
           QStringLiteral(", converte i numeri digitati in una stringa di caratteri utilizzabile "
                          "ad esempio per assegni, bolle, fatture ecc.  - ") +
           QString::fromUtf8(author::kEmail) + QStringLiteral(" - ") +
           QString::fromUtf8(author::kWebPage);
}

QString mailCommandLine() {
    return QStringLiteral("start mailto:") + QString::fromUtf8(author::kEmail);
}

QString webPageCommandLine() {
    return QStringLiteral("start ") + QString::fromUtf8(author::kWebPage);
}

} // namespace zifrano::ui
