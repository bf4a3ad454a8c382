#include "form1.h"

#include "images.h"
#include "shrinking_label.h"
#include "twips.h"

#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

namespace zifrano::ui {
namespace {

void setColours(QWidget* widget, const QColor& background, const QColor& text) {
    QPalette palette = widget->palette();
    palette.setColor(QPalette::Window, background);
    palette.setColor(QPalette::WindowText, text);
    widget->setPalette(palette);
    widget->setAutoFillBackground(true);
}

// The wordings' labels: one line, a single-line border, shrinking to keep a long wording whole.
ShrinkingLabel* createWordingLabel(QWidget* client, const char* name, const char* caption,
                                   const QRect& geometry) {
    auto* label = new ShrinkingLabel(client);
    label->setObjectName(QString::fromLatin1(name));
    label->setGeometry(geometry);
    label->setFrameStyle(QFrame::Box | QFrame::Plain);
    label->setLineWidth(1);
    label->setAlignment(Qt::AlignLeft | Qt::AlignVCenter);
    // The wording can be selected with the mouse and copied, yet the label takes no focus.
    label->setTextInteractionFlags(Qt::TextSelectableByMouse);
    label->setFocusPolicy(Qt::NoFocus);
    label->showText(QString::fromUtf8(caption));
    return label;
}

} // namespace

QPushButton* Form1::createButton(QWidget* client, const char* name, const char* caption,
                                 const QRect& geometry, const char* hint) {
    auto* button = new QPushButton(QString::fromUtf8(caption), client);
    button->setObjectName(QString::fromLatin1(name));
    button->setGeometry(geometry);
    button->setToolTip(QString::fromUtf8(hint));
    button->setAutoDefault(false);
    return button;
}

QLabel* Form1::createLabel(QWidget* client, const char* name, const QString& caption,
                           const QRect& geometry) {
    auto* label = new QLabel(caption, client);
    label->setObjectName(QString::fromLatin1(name));
    label->setGeometry(geometry);
    label->setTextFormat(Qt::PlainText);
    return label;
}

void Form1::createControls(QWidget* client) {
    // Created in the order the window's description stores them.
    Picture3 = createLabel(client, "Picture3", QString(), fromTwips(1080, 2970, 540, 540));
    Picture3->setPixmap(pointerPixmap());
    QFont bold(QStringLiteral("DejaVu Sans"));
    bold.setPointSizeF(8.25);
    bold.setBold(true);
    Picture3->setFont(bold);

    Command4 = createButton(client, "Command4", "Copia", fromTwips(6870, 1080, 600, 270),
                            "Copia nella clipboard in Lire (intero)");

    Picture1 = createLabel(client, "Picture1", QString(), fromTwips(5670, 210, 1800, 435));
    Picture1->setPixmap(logoPixmap());
    Picture1->setFixedSize(Picture1->pixmap().deviceIndependentSize().toSize());
    Picture1->setCursor(pointerCursor());
    Picture1->setToolTip(QStringLiteral("visita pagina dell'autore ..."));

    Command3 = createButton(client, "Command3", "&Informazioni", fromTwips(3675, 300, 1020, 336),
                            "Informazioni sul programma");
    Command2 = createButton(client, "Command2", "&Fine", fromTwips(4740, 300, 870, 336),
                            "Uscita dal programma");
    Command1 = createButton(client, "Command1", "&Copia nella clipboard in €",
                            fromTwips(1470, 300, 2160, 336),
                            "Ctrl+C spostarsi dove si vuole e premere Ctrl+V");

    Text1 = new QLineEdit(QStringLiteral("123"), client);
    Text1->setObjectName(QStringLiteral("Text1"));
    Text1->setGeometry(fromTwips(72, 270, 1308, 336));
    Text1->setAccessibleName(QStringLiteral("Importo"));
    Text1->setAccessibleDescription(
        QStringLiteral("L'importo da scrivere in lettere, per esempio 123,45"));

    Label5 = createLabel(client, "Label5", QStringLiteral("L."), fromTwips(60, 1080, 225, 255));
    Label4 = createLabel(client, "Label4", QStringLiteral("€"), fromTwips(60, 750, 225, 255));

    Label3 = createWordingLabel(client, "Label3", "centoventitre", fromTwips(300, 1080, 6510, 270));
    setColours(Label3, QColor(224, 224, 224), palette().color(QPalette::Text));
    Label3->setAccessibleRole(QStringLiteral("Importo intero in lettere"));
    Label3->setAccessibleDescription(
        QStringLiteral("La parte intera dell'importo in lettere, per gli importi in lire"));

    Label2 = createLabel(
        client, "Label2",
        QStringLiteral("Inserire un numero da 1 a 999.999.999.999 per convertirlo in lettere"),
        fromTwips(108, 36, 4980, 228));
    setColours(Label2, QColor(192, 192, 192), QColor(0, 0, 255));

    Label1 =
        createWordingLabel(client, "Label1", "centoventitre / 00", fromTwips(300, 750, 7155, 270));
    setColours(Label1, palette().color(QPalette::Base), palette().color(QPalette::Text));
    Label1->setAccessibleRole(QStringLiteral("Importo in lettere in euro"));
    Label1->setAccessibleDescription(QStringLiteral(
        "L'importo in lettere con i centesimi in cifre, come si scrive sugli assegni in euro"));

    // Tab order, over the controls that take the focus; labels and pictures never do.
    setTabOrder(Text1, Command1);
    setTabOrder(Command1, Command2);
    setTabOrder(Command2, Command3);
    setTabOrder(Command3, Command4);
}

} // namespace zifrano::ui
