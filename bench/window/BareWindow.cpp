// The floor under the tool's start-up: an application object and an empty window, shown, with
// nothing of ours in them.
#include <QApplication>
#include <QWidget>

int main(int argc, char* argv[]) {
    QApplication application(argc, argv);
    QWidget window;
    window.show();
    return application.exec();
}
