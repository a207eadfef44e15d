// The entry of every test program that needs Qt: a QApplication on the
// offscreen platform unless the caller chose a platform (test discovery runs
// the program without a display). Programs built to drive a real X display
// take xcb whenever there is one.
#include <gtest/gtest.h>

#include <QApplication>

int main(int argc, char** argv)
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) {
        const bool onX = BRACKWATER_TESTS_ON_X && !qEnvironmentVariableIsEmpty("DISPLAY");
        qputenv("QT_QPA_PLATFORM", onX ? "xcb" : "offscreen");
    }
    // The tests read the English texts whatever the desktop's language; the
    // tests of other languages choose theirs.
    qputenv("LANGUAGE", "en");
    QApplication app(argc, argv);
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
