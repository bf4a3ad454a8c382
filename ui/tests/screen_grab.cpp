// Saves a PNG of the whole X display, or of the part given as x y width height:
//   screen_grab FILE [X Y WIDTH HEIGHT]
#include <QGuiApplication>
#include <QPixmap>
#include <QScreen>
#include <QStringList>

int main(int argc, char* argv[]) {
    QGuiApplication app(argc, argv);
    const QStringList args = QGuiApplication::arguments();
    if (args.size() != 2 && args.size() != 6) {
        return 2;
    }
    QRect area(0, 0, -1, -1);
    if (args.size() == 6) {
        area = QRect(args[2].toInt(), args[3].toInt(), args[4].toInt(), args[5].toInt());
    }
    const QPixmap shot = QGuiApplication::primaryScreen()->grabWindow(0, area.x(), area.y(),
                                                                      area.width(), area.height());
    return shot.save(args[1], "PNG") ? 0 : 1;
}
