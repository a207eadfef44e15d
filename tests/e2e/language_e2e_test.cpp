// The real program started on a German desktop: its windows, menus and help
// speak German with no locale generated on the system.
#include <gtest/gtest.h>

#include <QGuiApplication>
#include <QImage>

#include "tests/e2e/programcopy.h"
#include "tests/e2e/xdriver.h"

namespace {

constexpr int WindowTimeoutMs = 15000;
constexpr int DialogTimeoutMs = 10000;
// On the player dialog and the main window, as the classic layout places them.
constexpr QPoint PlayerNameLine{27 + 10, 68 + 10};
constexpr QPoint PlayerOkButton{235 + 34, 207 + 16};
// The German menu bar's "Hilfe", measured on a screenshot of the program.
constexpr QPoint GermanHelpMenu{389, 8};  // after Tipps and Ansicht

TEST(LanguageEndToEnd, AGermanDesktopGetsGermanWindowsMenusAndHelp)
{
    if (QGuiApplication::platformName() != QLatin1String("xcb"))
        GTEST_SKIP() << "needs an X display";
    ProgramCopy program{QStringLiteral(BRACKWATER_PROGRAM), QStringLiteral(BRACKWATER_HELP_FILE)};
    ASSERT_TRUE(program.IsReady());
    ASSERT_TRUE(program.CopyBeside(QStringLiteral(BRACKWATER_GERMAN_HELP_FILE)));
    for (const char* other : {"LANGUAGE", "LC_ALL", "LC_MESSAGES"})
        program.SetEnvironment(QLatin1String(other), QString());
    program.SetEnvironment(QStringLiteral("LANG"), QStringLiteral("de_DE.UTF-8"));
    XDriver x;
    ASSERT_TRUE(program.Start());

    const auto dialog = x.WaitForWindow(QStringLiteral("Spielername eingeben"), WindowTimeoutMs);
    ASSERT_TRUE(dialog) << program.Output().toStdString();
    x.Click(dialog->geometry.topLeft() + PlayerNameLine);
    x.TypeText(QStringLiteral("Anna"));
    x.Click(dialog->geometry.topLeft() + PlayerOkButton);
    const auto main = x.WaitForWindow(QStringLiteral("Brackwater - Anna"), WindowTimeoutMs);
    ASSERT_TRUE(main);

    // The menus answer once the deal is done; the open menu holds the keyboard.
    const auto menu = [&] {
        for (int tries = 0; tries < 20; ++tries) {
            x.Click(main->geometry.topLeft() + GermanHelpMenu);
            if (x.WaitForWindow(QStringLiteral("Brackwater"), 1000))
                return true;
        }
        return false;
    };
    ASSERT_TRUE(menu()) << "the help menu did not open";
    x.PressKey(QStringLiteral("a"));  // &Anleitung
    EXPECT_TRUE(x.WaitForWindow(QStringLiteral("Brackwater-Hilfe - Inhalt"), DialogTimeoutMs))
        << "no German help at its contents page";
    EXPECT_TRUE(x.AllCommandsSucceeded());
    program.Kill();
}

}  // namespace
