#include "form1.h"

#include <QMenu>
#include <QMenuBar>

namespace zifrano::ui {
namespace {

QMenu* addMenu(QMenuBar* bar, const char* name, const char* caption) {
    QMenu* menu = bar->addMenu(QString::fromUtf8(caption));
    menu->setObjectName(QString::fromLatin1(name));
    menu->menuAction()->setObjectName(QString::fromLatin1(name));
    return menu;
}

QAction* addEntry(QMenu* menu, const char* name, const char* caption) {
    QAction* action = menu->addAction(QString::fromUtf8(caption));
    action->setObjectName(QString::fromLatin1(name));
    return action;
}

} // namespace

void Form1::createMenus() {
    MenuFile = addMenu(menuBar(), "MenuFile", "&File");
    MenuEsci = addEntry(MenuFile, "MenuEsci", "&Esci");

    MenuPI = addMenu(menuBar(), "MenuPI", "&?");
    MenuMail = addEntry(MenuPI, "MenuMail", "&Scrivi all'autore ...");
    MenuPHP = addEntry(MenuPI, "MenuPHP", "&Visita la pagina dell'autore ...");
    menuMeno = MenuPI->addSeparator();
    menuMeno->setObjectName(QStringLiteral("menuMeno"));
    MenuInfo = addEntry(MenuPI, "MenuInfo", "&Info su ZIFRANO ...");
}

} // namespace zifrano::ui
