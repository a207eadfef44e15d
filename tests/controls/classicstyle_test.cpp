#include <gtest/gtest.h>

#include <QImage>
#include <QPushButton>

#include "controls/classicstyle.h"

namespace {

const QRgb White = 0xFFFFFFFFu;
const QRgb Black = 0xFF000000u;
const QRgb Shadow = 0xFF808080u;
const QRgb Light = 0xFFDFDFDFu;
const QRgb Face = 0xFFC0C0C0u;

class ClassicStyleTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        button.setStyle(&style);
        button.resize(40, 30);
    }

    QImage Shot()
    {
        QImage image(button.size(), QImage::Format_RGB32);
        button.render(&image);
        return image;
    }

    TClassicStyle style;
    QPushButton button;
};

// Raised: white and light grey over black and grey, the face between;
// pressed, the bevels turn inward.
TEST_F(ClassicStyleTest, ButtonsAreRaisedLikeThePanelsAndSinkWhenPressed)
{
    QImage raised = Shot();
    EXPECT_EQ(raised.pixel(0, 0), White);
    EXPECT_EQ(raised.pixel(1, 1), Light);
    EXPECT_EQ(raised.pixel(39, 29), Black);
    EXPECT_EQ(raised.pixel(38, 28), Shadow);
    EXPECT_EQ(raised.pixel(20, 3), Face);

    button.setDown(true);
    QImage pressed = Shot();
    EXPECT_EQ(pressed.pixel(0, 0), Black);
    EXPECT_EQ(pressed.pixel(1, 1), Shadow);
    EXPECT_EQ(pressed.pixel(39, 29), White);
}

TEST_F(ClassicStyleTest, DefaultButtonIsOutlinedAndBevelsFollowTheZoom)
{
    button.setDefault(true);
    QImage outlined = Shot();
    EXPECT_EQ(outlined.pixel(0, 0), Black);
    EXPECT_EQ(outlined.pixel(39, 0), Black);
    EXPECT_EQ(outlined.pixel(1, 1), White);

    button.setDefault(false);
    button.setProperty(TClassicStyle::ZoomProperty, 2.0);
    QImage zoomed = Shot();
    EXPECT_EQ(zoomed.pixel(1, 1), White);
    EXPECT_EQ(zoomed.pixel(2, 2), Light);
    EXPECT_EQ(zoomed.pixel(3, 3), Light);
    EXPECT_EQ(zoomed.pixel(38, 28), Black);
    EXPECT_EQ(zoomed.pixel(36, 26), Shadow);
}

}  // namespace
