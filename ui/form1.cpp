#include "form1.h"

#include "images.h"
#include "platform.h"

#include <QAction>
#include <QKeyEvent>
#include <QLabel>
#include <QLayout>
#include <QLineEdit>
#include <QMouseEvent>
#include <QPalette>
#include <QPushButton>
#include <QWidget>

namespace zifrano::ui {
namespace {

constexpr char kTitle[] = "ZIFRANO - Numeri in lettere per Assegni/Fatture";

// Condensed, so that every caption fits the control the layout gives it.
QFont clientFont() {
    QFont font(QStringLiteral("DejaVu Sans Condensed"));
    font.setPointSizeF(7.5);
    return font;
}

QWidget* createClientArea(QWidget* parent) {
    auto* client = new QWidget(parent);
    client->setObjectName(QStringLiteral("Form1Client"));
    client->setFixedSize(Form1::kClientSize);
    client->setFont(clientFont());
    QPalette palette = client->palette();
    palette.setColor(QPalette::Window, QColor(192, 192, 192));
    client->setPalette(palette);
    client->setAutoFillBackground(true);
    return client;
}

// A click: the left button let go over the widget.
bool isClickRelease(const QObject* watched, const QEvent* event) {
    if (event->type() != QEvent::MouseButtonRelease) {
        return false;
    }
    const auto* mouse = static_cast<const QMouseEvent*>(event);
    const auto* widget = static_cast<const QWidget*>(watched);
    return mouse->button() == Qt::LeftButton &&
           widget->rect().contains(mouse->position().toPoint());
}

} // namespace

Form1::Form1(Platform& platform, QWidget* parent)
    : QMainWindow(parent)
    , m_platform(platform) {
    setObjectName(QStringLiteral("Form1"));
    setWindowTitle(QString::fromUtf8(kTitle));
    setWindowIcon(applicationIcon());
    QWidget* client = createClientArea(this);
    setCentralWidget(client);
    createControls(client);
    createMenus();
    // The window keeps its size and offers no maximise button.
    setWindowFlags(windowFlags() & ~Qt::WindowMaximizeButtonHint);
    layout()->setSizeConstraint(QLayout::SetFixedSize);
    Text1->setFocus();
    connectHandlers();
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
    // Keys and clicks that Qt's widgets have no signal for.
    Text1->installEventFilter(this);
    centralWidget()->installEventFilter(this);
    Picture1->installEventFilter(this);
}

bool Form1::eventFilter(QObject* watched, QEvent* event) {
    if (watched == Text1 && event->type() == QEvent::KeyPress) {
        return handleText1Key(*static_cast<QKeyEvent*>(event));
    }
    if (isClickRelease(watched, event)) {
        if (watched == Text1) {
            Text1_Click();
        } else if (watched == Picture1) {
            Picture1_Click();
        } else if (watched == centralWidget() &&
                   !centralWidget()->childAt(
                       static_cast<QMouseEvent*>(event)->position().toPoint())) {
            Form_Click();
        }
    }
    return QMainWindow::eventFilter(watched, event);
}

void Form1::showEvent(QShowEvent* event) {
    QMainWindow::showEvent(event);
    // Activation is handled once, when the window first shows: coming back to the window from
    // another program or from a message box leaves it where the user put it.
    if (!m_shownOnce) {
        m_shownOnce = true;
        Form_Activate();
    }
}

} // namespace zifrano::ui
