// SPDX-FileCopyrightText: 2026 gli autori di ZIFRANO
// SPDX-License-Identifier: MIT

// A bare Qt window built like ZIFRANO's, as the yardstick for its start time and memory.
#include <QApplication>
#include <QMainWindow>
#include <QWidget>

#include "zifrano_product.h"

int main(int argc, char* argv[]) {
    QApplication app(argc, argv);
    QMainWindow window;
    window.setWindowTitle(QStringLiteral("bare window"));
    auto* client = new QWidget(&window);
    client->setFixedSize(zifrano::product::kClientWidth, zifrano::product::kClientHeight);
    window.setCentralWidget(client);
    window.show();
    window.activateWindow();
    return QApplication::exec();
}
