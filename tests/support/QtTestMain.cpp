// The main of the test programs that need a Qt application object for their widgets.
#include <gtest/gtest.h>

#include <QApplication>

int main(int argc, char** argv) {
    // Headless unless told otherwise: test discovery runs without CTest's environment too.
    if (!qEnvironmentVariableIsSet("QT_QPA_PLATFORM")) {
        qputenv("QT_QPA_PLATFORM", "offscreen");
    }
    QApplication application(argc, argv);
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
