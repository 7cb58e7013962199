// grab_screen FILE [X Y WIDTH HEIGHT]: saves what the X display in $DISPLAY shows, or the given
// part of it, as a PNG picture.
#include <QGuiApplication>
#include <QPixmap>
#include <QScreen>

#include <cstdio>
#include <cstdlib>

int main(int argc, char* argv[]) {
    if (argc != 2 && argc != 6) {
        std::fprintf(stderr, "usage: grab_screen FILE [X Y WIDTH HEIGHT]\n");
        return 2;
    }
    QGuiApplication application(argc, argv);
    const bool part = argc == 6;
    const QPixmap picture = QGuiApplication::primaryScreen()->grabWindow(
        0, part ? std::atoi(argv[2]) : 0, part ? std::atoi(argv[3]) : 0,
        part ? std::atoi(argv[4]) : -1, part ? std::atoi(argv[5]) : -1);
    return picture.save(argv[1]) ? 0 : 1;
}
