#include "form1.h"

#include "images.h"
#include "platform.h"

#include <QLayout>
#include <QLineEdit>
#include <QPalette>
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
}

} // namespace zifrano::ui
