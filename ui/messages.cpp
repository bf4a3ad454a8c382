#include "messages.h"

#include "author.h"

namespace zifrano::ui {

QString copyNotice(const QString& copied) {
    return QStringLiteral("Il testo ' ") + copied +
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
