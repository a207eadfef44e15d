#include "tests/e2e/brackwaterscreen.h"

#include <QRect>
#include <QSize>

#include "tests/e2e/tablepoints.h"

namespace {

constexpr int WindowTimeoutMs = 15000;
constexpr int DialogTimeoutMs = 10000;

const QString PlayerDialogTitle = QStringLiteral("Enter Player Name");
const QString SplashTitle = QStringLiteral("Welcome to");
const QString GameOverTitle = QStringLiteral("Game Over!");
const QString MenuPopupTitle = QStringLiteral("Brackwater");
const QString HelpContentsTitle = QStringLiteral("Brackwater Help - Contents");

// Relative to the player dialog.
constexpr QPoint PlayerNameLine{27 + 10, 68 + 10};
constexpr QPoint PlayerOkButton{235 + 34, 207 + 16};
// Relative to the game-over dialog and the history dialog.
constexpr QPoint GameOverOkButton{194 + 34, 112 + 16};
constexpr QPoint HistoryOkButton{378 + 34, 330 + 16};

// Menu bar captions, relative to the main window; measured with the
// default font under Xvfb.
constexpr QPoint FileMenu{20, 8};
constexpr QPoint HistoryMenu{127, 8};
constexpr QPoint HelpMenu{319, 8};  // after Advice and View
const QRect FileCaption{8, 2, 26, 14};

QString MainTitle(const QString& playerName)
{
    return QStringLiteral("Brackwater - ") + playerName;
}

QString HistoryTitle(const QString& playerName)
{
    return QStringLiteral("Game History for ") + playerName;
}

}  // namespace

bool BrackwaterScreen::ChoosePlayer(const QString& typedName)
{
    const std::optional<XWindow> dialog = x_.WaitForWindow(PlayerDialogTitle, WindowTimeoutMs);
    if (!dialog)
        return false;
    const QPoint corner = dialog->geometry.topLeft();
    if (!typedName.isEmpty()) {
        x_.Click(corner + PlayerNameLine);
        x_.TypeText(typedName);
    }
    x_.Click(corner + PlayerOkButton);
    return x_.WaitUntilGone(PlayerDialogTitle, DialogTimeoutMs);
}

bool BrackwaterScreen::WaitForTable(const QString& playerName)
{
    const std::optional<XWindow> window = x_.WaitForWindow(MainTitle(playerName), WindowTimeoutMs);
    if (!window)
        return false;
    main_ = *window;
    return x_.WaitUntilGone(SplashTitle, DialogTimeoutMs) && WaitForMenus();
}

bool BrackwaterScreen::MenusEnabled(const QImage& screen) const
{
    // An enabled caption is drawn in black, a disabled one in grey, a
    // highlighted one in white on blue.
    return DarkPixels(screen, FileCaption.translated(main_.geometry.topLeft())) > 0;
}

bool BrackwaterScreen::WaitForMenus() const
{
    return !x_.WaitForScreen([this](const QImage& screen) { return MenusEnabled(screen); }, WindowTimeoutMs).isNull();
}

int BrackwaterScreen::MenuBarHeight() const
{
    return main_.geometry.height() - MainClientHeight;
}

QPoint BrackwaterScreen::ScreenPointOf(const QPoint& clientPoint) const
{
    return main_.geometry.topLeft() + QPoint(0, MenuBarHeight()) + clientPoint;
}

void BrackwaterScreen::Play(const PlannedClick& click) const
{
    x_.Click(ScreenPointOf(ClientPointOf(click)));
}

std::optional<XWindow> BrackwaterScreen::WaitForGameOver() const
{
    return x_.WaitForWindow(GameOverTitle, DialogTimeoutMs);
}

bool BrackwaterScreen::CloseGameOver(const XWindow& dialog) const
{
    x_.Click(dialog.geometry.topLeft() + GameOverOkButton);
    return x_.WaitUntilGone(GameOverTitle, DialogTimeoutMs);
}

bool BrackwaterScreen::ExitByMenu() const
{
    x_.Click(main_.geometry.topLeft() + FileMenu);
    // The open menu holds the keyboard, so its access key reaches it
    // wherever the input focus is.
    if (!x_.WaitForWindow(MenuPopupTitle, DialogTimeoutMs))
        return false;
    x_.PressKey(QStringLiteral("x"));
    return true;
}

bool BrackwaterScreen::OpenInstructions() const
{
    x_.Click(main_.geometry.topLeft() + HelpMenu);
    if (!x_.WaitForWindow(MenuPopupTitle, DialogTimeoutMs))
        return false;
    x_.PressKey(QStringLiteral("i"));
    return x_.WaitForWindow(HelpContentsTitle, DialogTimeoutMs).has_value();
}

std::optional<XWindow> BrackwaterScreen::OpenHistory(const QString& playerName) const
{
    x_.Click(main_.geometry.topLeft() + HistoryMenu);
    return x_.WaitForWindow(HistoryTitle(playerName), DialogTimeoutMs);
}

bool BrackwaterScreen::CloseHistory(const XWindow& dialog, const QString& playerName) const
{
    x_.Click(dialog.geometry.topLeft() + HistoryOkButton);
    return x_.WaitUntilGone(HistoryTitle(playerName), DialogTimeoutMs);
}

QPoint BrackwaterScreen::CentredOnMain(const QSize& dialogSize) const
{
    const QRect& main = main_.geometry;
    return {main.left() + (main.width() - dialogSize.width()) / 2, main.top() + (main.height() - dialogSize.height()) / 2};
}
