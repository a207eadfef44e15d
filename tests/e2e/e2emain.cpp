#include <gtest/gtest.h>

#include <QGuiApplication>

// The tests read the X display's pixels, so they need the xcb platform; with
// no display at all they start offscreen and skip.
int main(int argc, char** argv)
{
    qputenv("QT_QPA_PLATFORM", qEnvironmentVariableIsEmpty("DISPLAY") ? "offscreen" : "xcb");
    QGuiApplication app(argc, argv);
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
