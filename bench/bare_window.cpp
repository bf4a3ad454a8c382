// A bare Qt window built like ZIFRANO's, as the yardstick for its start time and memory.
#include <QApplication>
#include <QMainWindow>
#include <QWidget>

int main(int argc, char* argv[]) {
    QApplication app(argc, argv);
    QMainWindow window;
    window.setWindowTitle(QStringLiteral("bare window"));
    auto* client = new QWidget(&window);
    client->setFixedSize(508, 107);
    window.setCentralWidget(client);
    window.show();
    window.activateWindow();
    return QApplication::exec();
}
