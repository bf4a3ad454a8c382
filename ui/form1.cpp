// SPDX-FileCopyrightText: 2026 gli autori di ZIFRANO
// SPDX-License-Identifier: MIT

#include "form1.h"

#include "images.h"
#include "shrinking_label.h"
#include "twips.h"
#include "wording_announcer.h"

#include <QAction>
#include <QLabel>
#include <QLayout>
#include <QLineEdit>
#include <QMenu>
#include <QMenuBar>
#include <QPushButton>
#include <QShortcut>

#include <QEvent>

#include <algorithm>
#include <array>
#include <cmath>

namespace zifrano::ui {
namespace {

// The fixed backgrounds: the client area and the instruction line, and the lire wording.
const QColor kGrey(192, 192, 192);
const QColor kLightGrey(224, 224, 224);
constexpr double kLeastContrast = 4.5;

// Condensed, so that every caption fits the control the layout gives it.
QFont clientFont() {
    QFont font(QStringLiteral("DejaVu Sans Condensed"));
    font.setPointSizeF(7.5);
    return font;
}

// Relative luminance and contrast ratio as accessibility guidelines define them.
double luminance(const QColor& colour) {
    const auto linear = [](double c) {
        return c <= 0.03928 ? c / 12.92 : std::pow((c + 0.055) / 1.055, 2.4);
    };
    return 0.2126 * linear(colour.redF()) + 0.7152 * linear(colour.greenF()) +
           0.0722 * linear(colour.blueF());
}

// The system's text colour where it can be read on `background`, else black: a dark theme's
// light text would vanish on the light backgrounds the window keeps in every theme.
QColor readableOn(const QColor& background, const QColor& system) {
    const auto [dark, light] = std::minmax({luminance(background), luminance(system)});
    return (light + 0.05) / (dark + 0.05) >= kLeastContrast ? system : QColor(Qt::black);
}

void setColours(QWidget* widget, const QColor& background, const QColor& text) {
    QPalette palette = widget->palette();
    palette.setColor(QPalette::Window, background);
    palette.setColor(QPalette::WindowText, text);
    widget->setPalette(palette);
    widget->setAutoFillBackground(true);
}

QWidget* createClientArea(QWidget* parent) {
    auto* client = new QWidget(parent);
    client->setObjectName(QStringLiteral("Form1Client"));
    client->setFixedSize(Form1::kClientSize);
    client->setFont(clientFont());
    return client;
}

QLabel* createLabel(QWidget* client, const char* name, const QString& caption, const QRect& place) {
    auto* label = new QLabel(caption, client);
    label->setObjectName(QString::fromLatin1(name));
    label->setGeometry(place);
    label->setTextFormat(Qt::PlainText);
    return label;
}

// The wordings' labels: one line, a single-line border, shrinking to keep a long wording whole.
ShrinkingLabel* createWordingLabel(QWidget* client, const char* name, const char* caption,
                                   const QRect& place, const QString& namePrefix) {
    auto* label = new ShrinkingLabel(client);
    label->setObjectName(QString::fromLatin1(name));
    label->setGeometry(place);
    label->setFrameStyle(QFrame::Box | QFrame::Plain);
    label->setLineWidth(1);
    label->setAlignment(Qt::AlignLeft | Qt::AlignVCenter);
    // No selection in the label: the copy buttons and Ctrl+C copy a wording whole, and out of
    // range refuse to copy "Importo fuori limite".
    label->setAccessibleNamePrefix(namePrefix);
    label->showText(QString::fromUtf8(caption));
    return label;
}

struct ButtonEntry {
    QPushButton* Form1::*control;
    const char* name;
    const char* caption;
    QRect place;
    const char* hint;
};

QAction* addEntry(QMenu* menu, const char* name, const char* caption) {
    QAction* action = menu->addAction(QString::fromUtf8(caption));
    action->setObjectName(QString::fromLatin1(name));
    return action;
}

QMenu* addMenu(QMenuBar* bar, const char* name, const char* caption) {
    QMenu* menu = bar->addMenu(QString::fromUtf8(caption));
    menu->setObjectName(QString::fromLatin1(name));
    menu->menuAction()->setObjectName(QString::fromLatin1(name));
    return menu;
}

} // namespace

Form1::Form1(Platform& platform, QWidget* parent)
    : QMainWindow(parent)
    , m_platform(platform) {
    setObjectName(QStringLiteral("Form1"));
    setWindowTitle(QString::fromUtf8(product::kWindowTitle));
    setWindowIcon(applicationIcon());
    QWidget* client = createClientArea(this);
    setCentralWidget(client);
    createControls(client);
    createMenus();
    applyColours();
    // The window keeps its size and offers no maximise button.
    setWindowFlags(windowFlags() & ~Qt::WindowMaximizeButtonHint);
    layout()->setSizeConstraint(QLayout::SetFixedSize);
    Text1->setFocus();
    connectHandlers();
    // Placed before its native window exists: the position then counts the frame, which a
    // window manager keeps at the corner however late it tells the program the frame's size.
    moveToScaleOrigin();
}

void Form1::createControls(QWidget* client) {
    createPictures(client);
    createButtons(client);
    createField(client);
    createLabels(client);
    // Tab order, over the controls that take the focus; labels and pictures never do.
    setTabOrder(Text1, Command1);
    setTabOrder(Command1, Command2);
    setTabOrder(Command2, Command3);
    setTabOrder(Command3, Command4);
}

void Form1::createPictures(QWidget* client) {
    // The pointer image, kept below the client area where it is never seen.
    Picture3 = createLabel(client, "Picture3", QString(), fromTwips(1080, 2970, 540, 540));
    Picture3->setPixmap(pointerPixmap());
    QFont bold(QStringLiteral("DejaVu Sans"));
    bold.setPointSizeF(8.25);
    bold.setBold(true);
    Picture3->setFont(bold);
    // Hidden, so that screen readers do not announce a control nobody can see.
    Picture3->hide();

    Picture1 = createLabel(client, "Picture1", QString(), fromTwips(5670, 210, 1800, 435));
    Picture1->setPixmap(logoPixmap());
    Picture1->setFixedSize(Picture1->pixmap().deviceIndependentSize().toSize());
    Picture1->setCursor(pointerCursor());
    Picture1->setToolTip(QStringLiteral("visita pagina dell'autore ..."));
    Picture1->setAccessibleName(QStringLiteral("Logo dell'autore"));
    Picture1->setAccessibleDescription(
        QStringLiteral("Un clic apre la pagina web dell'autore nel browser"));
}

void Form1::createButtons(QWidget* client) {
    const std::array<ButtonEntry, 4> buttons{{
        {&Form1::Command4, "Command4", "Copia", fromTwips(6870, 1080, 600, 270),
         "Copia nella clipboard in Lire (intero)"},
        {&Form1::Command3, "Command3", "&Informazioni", fromTwips(3675, 300, 1020, 336),
         "Informazioni sul programma"},
        {&Form1::Command2, "Command2", "&Fine", fromTwips(4740, 300, 870, 336),
         "Uscita dal programma"},
        {&Form1::Command1, "Command1", "&Copia nella clipboard in €",
         fromTwips(1470, 300, 2160, 336), "Ctrl+C spostarsi dove si vuole e premere Ctrl+V"},
    }};
    for (const ButtonEntry& entry : buttons) {
        auto* button = new QPushButton(QString::fromUtf8(entry.caption), client);
        button->setObjectName(QString::fromLatin1(entry.name));
        button->setGeometry(entry.place);
        button->setToolTip(QString::fromUtf8(entry.hint));
        button->setAutoDefault(false);
        this->*entry.control = button;
    }
}

void Form1::createField(QWidget* client) {
    Text1 = new QLineEdit(QStringLiteral("123"), client);
    Text1->setObjectName(QStringLiteral("Text1"));
    Text1->setGeometry(fromTwips(72, 270, 1308, 336));
    Text1->setAccessibleName(QStringLiteral("Importo"));
}

void Form1::createLabels(QWidget* client) {
    Label5 = createLabel(client, "Label5", QStringLiteral("L."), fromTwips(60, 1080, 225, 255));
    Label4 = createLabel(client, "Label4", QStringLiteral("€"), fromTwips(60, 750, 225, 255));
    Label3 = createWordingLabel(client, "Label3", "centoventitre", fromTwips(300, 1080, 6510, 270),
                                QStringLiteral("Importo intero in lettere"));
    Label3->setAccessibleDescription(
        QStringLiteral("La parte intera dell'importo in lettere, per gli importi in lire"));
    Label2 = createLabel(
        client, "Label2",
        QStringLiteral("Inserire un numero da 1 a 999.999.999.999 per convertirlo in lettere"),
        fromTwips(108, 36, 4980, 228));
    Label1 =
        createWordingLabel(client, "Label1", "centoventitre / 00", fromTwips(300, 750, 7155, 270),
                           QStringLiteral("Importo in lettere in euro"));
    // The euro wording stands on the system's own window colours, whatever they are.
    Label1->setBackgroundRole(QPalette::Base);
    Label1->setForegroundRole(QPalette::Text);
    Label1->setAutoFillBackground(true);
    Label1->setAccessibleDescription(QStringLiteral(
        "L'importo in lettere con i centesimi in cifre, come si scrive sugli assegni in euro"));
    m_announcer = new WordingAnnouncer(client);
    m_announcer->setObjectName(QStringLiteral("Annuncio"));
    m_announcer->setAccessibleName(QStringLiteral("Importo in lettere in euro"));
    announceWording();
}

void Form1::applyColours() {
    // The window's own palette is never set: it is the system's, and follows it.
    const QPalette system = palette();
    setColours(centralWidget(), kGrey, readableOn(kGrey, system.color(QPalette::WindowText)));
    setColours(Label2, kGrey, QColor(0, 0, 255));
    setColours(Label3, kLightGrey, readableOn(kLightGrey, system.color(QPalette::Text)));
}

void Form1::createMenus() {
    QMenu* MenuFile = addMenu(menuBar(), "MenuFile", "&File");
    MenuEsci = addEntry(MenuFile, "MenuEsci", "&Esci");

    QMenu* MenuPI = addMenu(menuBar(), "MenuPI", "&?");
    MenuMail = addEntry(MenuPI, "MenuMail", "&Scrivi all'autore ...");
    MenuPHP = addEntry(MenuPI, "MenuPHP", "&Visita la pagina dell'autore ...");
    QAction* menuMeno = MenuPI->addSeparator();
    menuMeno->setObjectName(QStringLiteral("menuMeno"));
    MenuInfo = addEntry(MenuPI, "MenuInfo", "&Info su ZIFRANO ...");
}

void Form1::connectHandlers() {
    // Connected after the stored texts are in place: nothing is converted at start.
    connect(Text1, &QLineEdit::textChanged, this, &Form1::Text1_Change);
    connect(Command1, &QPushButton::clicked, this, &Form1::Command1_Click);
    connect(Command4, &QPushButton::clicked, this, &Form1::Command4_Click);
    connect(Command3, &QPushButton::clicked, this, &Form1::Command3_Click);
    connect(Command2, &QPushButton::clicked, this, &Form1::Command2_Click);
    connect(MenuInfo, &QAction::triggered, this, &Form1::MenuInfo_Click);
    connect(MenuEsci, &QAction::triggered, this, &Form1::MenuEsci_Click);
    connect(MenuMail, &QAction::triggered, this, &Form1::MenuMail_Click);
    connect(MenuPHP, &QAction::triggered, this, &Form1::MenuPHP_Click);
    // Ctrl+C copies the euro wording wherever the focus is, as the copy button's hint says.
    auto* copy = new QShortcut(QKeySequence::Copy, this);
    connect(copy, &QShortcut::activated, this, &Form1::Command1_Click);
    // Keys and clicks that Qt's widgets have no signal for.
    Text1->installEventFilter(this);
    centralWidget()->installEventFilter(this);
    Picture1->installEventFilter(this);
    for (QPushButton* button : {Command1, Command2, Command3, Command4}) {
        button->installEventFilter(this);
    }
    for (QMenu* menu : menuBar()->findChildren<QMenu*>()) {
        menu->installEventFilter(this);
    }
}

} // namespace zifrano::ui
