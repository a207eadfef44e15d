#include <functional>
#include <memory>
#include <string>

#include <gtest/gtest.h>

#include <QAction>
#include <QApplication>
#include <QDialog>
#include <QLabel>
#include <QPushButton>
#include <QTest>
#include <QTimer>

#include "controls/carddeck.h"
#include "controls/centring.h"
#include "window/frmabout.h"
#include "window/frmlose.h"
#include "window/frmmain.h"
#include "tests/window/windowparts.h"

namespace {

struct Placement {
    const char* name;
    const char* parent;
    QRect bounds;
};

template <typename T>
T* FindIn(const QWidget& owner, const char* name)
{
    T* found = owner.findChild<T*>(QLatin1String(name));
    EXPECT_NE(found, nullptr) << name;
    return found;
}

void ExpectPlacements(const QWidget& owner, std::initializer_list<Placement> rows)
{
    for (const Placement& p : rows) {
        SCOPED_TRACE(p.name);
        const auto* control = FindIn<QWidget>(owner, p.name);
        ASSERT_NE(control, nullptr);
        EXPECT_EQ(control->parentWidget()->objectName(), QLatin1String(p.parent));
        EXPECT_EQ(control->geometry(), p.bounds);
    }
}

QPoint CentredOver(const QWidget& window, const QWidget& dialog)
{
    const QRect outer = window.frameGeometry();
    const QRect own = dialog.frameGeometry();
    return {outer.left() + (outer.width() - own.width()) / 2, outer.top() + (outer.height() - own.height()) / 2};
}

// Runs `check` with the modal dialog that opens next, then lets it go on.
void WhenModalOpens(std::function<void(QWidget&)> check)
{
    QTimer::singleShot(0, [check] {
        QWidget* modal = QApplication::activeModalWidget();
        ASSERT_NE(modal, nullptr);
        check(*modal);
    });
}

TEST(AboutDialogTest, LayoutAndLook)
{
    Tfrm_About about;
    EXPECT_EQ(about.windowTitle(), QStringLiteral("Welcome to"));
    EXPECT_EQ(about.size(), QSize(287, 303));
    EXPECT_EQ(about.minimumSize(), about.maximumSize());
    EXPECT_FALSE(about.windowFlags() & Qt::WindowCloseButtonHint);
    EXPECT_FALSE(about.windowFlags() & Qt::WindowSystemMenuHint);
    ExpectPlacements(about, {
        {"pan_About", "frm_About", {10, 4, 267, 253}},
        {"Bevel1", "pan_About", {4, 4, 258, 125}},
        {"lbl_Desc1", "pan_About", {77, 8, 120, 19}},
        {"lbl_Desc2", "pan_About", {95, 28, 85, 19}},
        {"Carddeck1", "pan_About", {94, 143, 71, 95}},
        {"btn_OK", "frm_About", {208, 265, 69, 32}},
    });
    EXPECT_EQ(FindIn<QLabel>(about, "lbl_Desc1")->text(), QStringLiteral("Brackwater"));
    EXPECT_EQ(FindIn<QLabel>(about, "lbl_Desc2")->text(), QStringLiteral("Version 1.1"));
    EXPECT_EQ(FindIn<QLabel>(about, "lbl_Desc1")->font().pixelSize(), 16);
    EXPECT_TRUE(FindIn<QLabel>(about, "lbl_Desc1")->font().bold());
    const auto* card = FindIn<TCarddeck>(about, "Carddeck1");
    EXPECT_EQ(card->CardNum(), 0);
    EXPECT_EQ(card->CardBack(), 12);
    const auto* ok = FindIn<QPushButton>(about, "btn_OK");
    EXPECT_EQ(ok->text(), QStringLiteral("&OK"));
    EXPECT_TRUE(ok->isDefault());
    EXPECT_FALSE(ok->icon().isNull()) << "the green tick";
    EXPECT_FALSE(ok->isVisibleTo(&about)) << "the welcome screen has no OK button";
}

TEST(AboutDialogTest, BecomesTheAboutBoxWithItsButton)
{
    Tfrm_About about;
    about.BecomeAboutDialog();
    EXPECT_EQ(about.windowTitle(), QStringLiteral("About"));
    EXPECT_TRUE(FindIn<QPushButton>(about, "btn_OK")->isVisibleTo(&about));
    EXPECT_FALSE(about.isVisible());
}

TEST(LoseDialogTest, LayoutAndLook)
{
    Tfrm_lose lose;
    EXPECT_EQ(lose.windowTitle(), QStringLiteral("Game Over!"));
    EXPECT_EQ(lose.size(), QSize(268, 152));
    EXPECT_FALSE(lose.windowFlags() & Qt::WindowCloseButtonHint);
    ExpectPlacements(lose, {
        {"Carddeck1", "frm_lose", {4, 5, 71, 95}},
        {"Bevel1", "frm_lose", {80, 5, 181, 96}},
        {"BitBtn1", "frm_lose", {194, 112, 69, 32}},
    });
    for (const auto& [name, place] : {std::pair{"lbl_desc", QPoint(96, 12)}, {"lbl_drawbegin", QPoint(152, 32)},
                                      {"lbl_desc2", QPoint(112, 52)}, {"lbl_cardsleft", QPoint(152, 76)}}) {
        const auto* label = FindIn<QLabel>(lose, name);
        EXPECT_EQ(label->pos(), place) << name;
        EXPECT_GE(label->width(), label->sizeHint().width()) << name << " sizes itself to its text";
        EXPECT_EQ(label->font().pixelSize(), 13) << name;
    }
    EXPECT_EQ(FindIn<QLabel>(lose, "lbl_desc")->text(), QStringLiteral("Draw Pile Start Number"));
    EXPECT_EQ(FindIn<QLabel>(lose, "lbl_desc2")->text(), QStringLiteral("Cards Left To Play"));
    EXPECT_TRUE(FindIn<QLabel>(lose, "lbl_cardsleft")->font().bold());
    const auto* joker = FindIn<TCarddeck>(lose, "Carddeck1");
    EXPECT_EQ(joker->CardNum(), 53);
    EXPECT_EQ(joker->CardBack(), 6);
    const auto* ok = FindIn<QPushButton>(lose, "BitBtn1");
    EXPECT_EQ(ok->text(), QStringLiteral("OK"));
    EXPECT_TRUE(ok->isDefault());
    EXPECT_FALSE(ok->icon().isNull()) << "the green tick";
}

TEST(LoseDialogTest, NumbersGrowToTheRight)
{
    Tfrm_lose lose;
    lose.ShowResult(7, 104);
    const auto* cardsLeft = FindIn<QLabel>(lose, "lbl_cardsleft");
    EXPECT_EQ(FindIn<QLabel>(lose, "lbl_drawbegin")->text(), QStringLiteral("7"));
    EXPECT_EQ(cardsLeft->text(), QStringLiteral("104"));
    EXPECT_EQ(cardsLeft->pos(), QPoint(152, 76));
    EXPECT_GE(cardsLeft->width(), cardsLeft->sizeHint().width());
}

TEST(CentringTest, LargerDialogGoesUpAndLeftTruncatingTowardZero)
{
    QWidget window;
    window.resize(300, 200);
    window.move(400, 300);
    window.show();
    QDialog dialog;
    dialog.show();
    // Outer sizes odd amounts larger, so that the halves must truncate toward zero.
    const QSize frameExtra = dialog.frameGeometry().size() - dialog.size();
    dialog.resize(window.frameGeometry().size() + QSize(301, 201) - frameExtra);
    ASSERT_EQ(dialog.frameGeometry().size(), window.frameGeometry().size() + QSize(301, 201));
    CentreOverWindow(dialog, window);
    EXPECT_EQ(dialog.frameGeometry().topLeft(), window.frameGeometry().topLeft() - QPoint(150, 100));
}

TEST(CentringTest, SmallerDialogSitsInTheMiddle)
{
    QWidget window;
    window.resize(401, 301);
    window.move(100, 50);
    window.show();
    QDialog dialog;
    dialog.resize(100, 80);
    dialog.show();
    CentreOverWindow(dialog, window);
    EXPECT_EQ(dialog.frameGeometry().topLeft(), CentredOver(window, dialog));
}

TEST(CentringTest, ADialogNeverShownIsCentredByItsSizeToBe)
{
    // Before a window exists, Qt's frame geometry for it can be a pixel short.
    QWidget window;
    window.resize(634, 454);
    window.move(10, 10);
    window.show();
    QDialog dialog(&window, Qt::Dialog);
    dialog.setFixedSize(460, 367);
    CentreOverWindow(dialog, window);
    dialog.show();
    EXPECT_EQ(dialog.frameGeometry().topLeft(), CentredOver(window, dialog));
}

class MainDialogsTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        window = std::make_unique<Tfrm_Main>(parts.player, parts.store, parts.sound);
        window->move(30, 40);
        window->show();
        window->SetMenusEnabled(true);
    }

    WindowParts parts{"PlumbLine"};
    GameSettings& settings = parts.player.Settings;
    std::unique_ptr<Tfrm_Main> window;
};

TEST_F(MainDialogsTest, AboutOpensCentredAndEnterClosesIt)
{
    QString caption;
    bool okShown = false;
    QPoint placed;
    QPoint expected;
    WhenModalOpens([&](QWidget& modal) {
        caption = modal.windowTitle();
        okShown = FindIn<QPushButton>(modal, "btn_OK")->isVisible();
        placed = modal.frameGeometry().topLeft();
        expected = CentredOver(*window, modal);
        QTest::keyClick(&modal, Qt::Key_Return);
    });
    FindIn<QAction>(*window, "mnu_About")->trigger();
    EXPECT_EQ(caption, QStringLiteral("About"));
    EXPECT_TRUE(okShown);
    EXPECT_EQ(placed, expected);
    EXPECT_EQ(window->AboutDialog().result(), QDialog::Accepted);
    EXPECT_FALSE(window->AboutDialog().isVisible());
}

TEST_F(MainDialogsTest, GameOverShowsTheNumbersCentredAndEnterClosesIt)
{
    QString drawBegin;
    QString cardsLeft;
    QPoint placed;
    QPoint expected;
    WhenModalOpens([&](QWidget& modal) {
        drawBegin = FindIn<QLabel>(modal, "lbl_drawbegin")->text();
        cardsLeft = FindIn<QLabel>(modal, "lbl_cardsleft")->text();
        placed = modal.frameGeometry().topLeft();
        expected = CentredOver(*window, modal);
        QTest::keyClick(&modal, Qt::Key_Return);
    });
    window->ShowGameOver(24, 37);
    EXPECT_EQ(drawBegin, QStringLiteral("24"));
    EXPECT_EQ(cardsLeft, QStringLiteral("37"));
    EXPECT_EQ(placed, expected);
    EXPECT_EQ(window->LoseDialog().result(), QDialog::Accepted);
}

}  // namespace
