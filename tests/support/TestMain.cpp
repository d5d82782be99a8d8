#include <QGuiApplication>
#include <gtest/gtest.h>

// Pictures, fonts and printers need a QGuiApplication; tests run it on the
// offscreen platform (set by CTest) so they need no display.
int main(int argc, char** argv) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv);
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
