// grab_screen FILE: saves what the X display in $DISPLAY shows as a PNG picture.
#include <QGuiApplication>
#include <QPixmap>
#include <QScreen>

#include <cstdio>

int main(int argc, char* argv[]) {
    if (argc != 2) {
        std::fprintf(stderr, "usage: grab_screen FILE\n");
        return 2;
    }
    QGuiApplication application(argc, argv);
    return QGuiApplication::primaryScreen()->grabWindow(0).save(argv[1]) ? 0 : 1;
}
