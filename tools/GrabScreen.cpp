// vellumark_grab_screen FILE.png: saves the whole screen of $DISPLAY as a picture,
// for documentation screenshots taken under a virtual X server.
#include <QGuiApplication>
#include <QPixmap>
#include <QScreen>
#include <QTextStream>

int main(int argc, char** argv) {
    QGuiApplication app(argc, argv);
    const QStringList args = QCoreApplication::arguments();
    QTextStream err(stderr);
    if (args.size() != 2) {
        err << "usage: vellumark_grab_screen FILE.png\n";
        return 2;
    }
    QScreen* screen = QGuiApplication::primaryScreen();
    // Window 0 is the root window: everything on the screen, not one application's.
    const QPixmap shot = screen ? screen->grabWindow(0) : QPixmap();
    if (shot.isNull() || !shot.save(args[1], "PNG")) {
        err << "vellumark_grab_screen: cannot capture the screen into " << args[1] << '\n';
        return 1;
    }
    return 0;
}
