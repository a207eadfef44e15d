#include "tests/options/optionsdialogtest.h"

#include <QAbstractButton>
#include <QApplication>
#include <QColorDialog>
#include <QTabWidget>
#include <QTest>

void TOptionsDialogTest::SetUp()
{
    while (QApplication::overrideCursor() != nullptr)
        QApplication::restoreOverrideCursor();
}

void TOptionsDialogTest::TearDown()
{
    dialog.reset();
    EXPECT_EQ(QApplication::overrideCursor(), nullptr) << "a cursor was left behind";
}

void TOptionsDialogTest::Create()
{
    dialog = std::make_unique<TfrmOptions>(settings, waveDevice, host, player);
    dialog->SetColorChooser([this](QColorDialog& colors) {
        colorPresets.append(colors.currentColor());
        if (!colorAnswer)
            return false;
        colors.setCurrentColor(*colorAnswer);
        return true;
    });
    dialog->SetRefusalShower([this](const QString& text) { refusals.append(text); });
}

void TOptionsDialogTest::Show()
{
    if (!dialog)
        Create();
    dialog->show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(dialog.get()));
}

QTabWidget* TOptionsDialogTest::Pages() const
{
    return Find<QTabWidget>("PageControl1");
}

void TOptionsDialogTest::ShowPage(int index)
{
    Pages()->setCurrentIndex(index);
}

void TOptionsDialogTest::Click(const char* buttonName)
{
    auto* button = Find<QAbstractButton>(buttonName);
    ASSERT_NE(button, nullptr);
    // Near the left edge: check boxes and radio buttons take clicks only on
    // their indicator and caption, not on the rest of their box.
    constexpr int IndicatorX = 8;
    QTest::mouseClick(button, Qt::LeftButton, {}, QPoint(IndicatorX, button->height() / 2));
}
