#include <QApplication>
#include <gtest/gtest.h>

// Windows and charts need a QApplication; tests run it on the offscreen platform (set
// by CTest) so they need no display.
int main(int argc, char** argv) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    // Every test sees the same locale whatever the desktop's is (a list in a test's
    // environment property does not survive test discovery, so it is set here).
    qputenv("LC_ALL", "C.UTF-8");
    QApplication app(argc, argv);
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
