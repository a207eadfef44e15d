// Entry of the sound tests that need no audio: they run in a world without a
// sound server, whatever the machine offers, so nothing is ever heard and the
// player's silent path is the one tested.
#include <gtest/gtest.h>

#include <QCoreApplication>

int main(int argc, char** argv)
{
    qputenv("PULSE_SERVER", "unix:/nonexistent/brackwater-no-sound-server");
    QCoreApplication app(argc, argv);
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
