#include "tests/e2e/xdriver.h"

#include <chrono>
#include <thread>

#include <QElapsedTimer>
#include <QGuiApplication>
#include <QPixmap>
#include <QProcess>
#include <QRegularExpression>
#include <QScreen>

namespace {

constexpr int PollMilliseconds = 50;
constexpr int CommandTimeoutMs = 10000;
constexpr int TypingDelayMs = 30;
constexpr int DarkLimit = 100;

void Wait(int milliseconds)
{
    std::this_thread::sleep_for(std::chrono::milliseconds(milliseconds));
}

}  // namespace

// Window listings may name a window that is gone a moment later, so only
// the input commands count as failures.
std::optional<QString> XDriver::Run(const QString& tool, const QStringList& arguments)
{
    QProcess process;
    process.start(tool, arguments);
    if (!process.waitForFinished(CommandTimeoutMs)) {
        process.kill();
        process.waitForFinished();
        return std::nullopt;
    }
    if (process.exitStatus() != QProcess::NormalExit || process.exitCode() != 0)
        return std::nullopt;
    return QString::fromLocal8Bit(process.readAllStandardOutput());
}

void XDriver::Xdotool(const QStringList& arguments) const
{
    if (!Run(QStringLiteral("xdotool"), arguments))
        allSucceeded_ = false;
}

bool XDriver::IsViewable(const QString& id)
{
    return Run(QStringLiteral("xwininfo"), {QStringLiteral("-id"), id}).value_or(QString()).contains(QLatin1String("IsViewable"));
}

std::optional<XWindow> XDriver::FindWindow(const QString& title) const
{
    // One line per window:  0x20000f "Title": ("res" "Class")  331x249+228+157  +228+157
    // The whole tree, since a window manager puts each window inside a frame of its own.
    static const QRegularExpression line(
        QString::fromLatin1(R"re(^\s*(0x[0-9a-fA-F]+) "(.*)":.*\s(\d+)x(\d+)\+-?\d+\+-?\d+\s+\+(-?\d+)\+(-?\d+)\s*$)re"));
    const QString listing = Run(QStringLiteral("xwininfo"), {QStringLiteral("-root"), QStringLiteral("-tree")}).value_or(QString());
    for (const QString& text : listing.split(QLatin1Char('\n'), Qt::SkipEmptyParts)) {
        const QRegularExpressionMatch match = line.match(text);
        if (!match.hasMatch() || match.captured(2) != title)
            continue;
        const QRect geometry(match.captured(5).toInt(), match.captured(6).toInt(), match.captured(3).toInt(), match.captured(4).toInt());
        if (geometry.width() > 1 && geometry.height() > 1 && IsViewable(match.captured(1)))
            return XWindow{match.captured(1), geometry};
    }
    return std::nullopt;
}

std::optional<XWindow> XDriver::WaitForWindow(const QString& title, int timeoutMs) const
{
    QElapsedTimer clock;
    clock.start();
    do {
        if (auto window = FindWindow(title))
            return window;
        Wait(PollMilliseconds);
    } while (clock.elapsed() < timeoutMs);
    return FindWindow(title);
}

bool XDriver::WaitUntilGone(const QString& title, int timeoutMs) const
{
    QElapsedTimer clock;
    clock.start();
    while (FindWindow(title)) {
        if (clock.elapsed() >= timeoutMs)
            return false;
        Wait(PollMilliseconds);
    }
    return true;
}

QPoint XDriver::FrameTopLeft(const XWindow& window) const
{
    // "_NET_FRAME_EXTENTS(CARDINAL) = 1, 1, 20, 1": left, right, top, bottom.
    static const QRegularExpression extents(QStringLiteral(R"re(=\s*(\d+),\s*\d+,\s*(\d+),)re"));
    const QString text = Run(QStringLiteral("xprop"), {QStringLiteral("-id"), window.id, QStringLiteral("_NET_FRAME_EXTENTS")}).value_or(QString());
    const QRegularExpressionMatch match = extents.match(text);
    if (!match.hasMatch())
        return window.geometry.topLeft();
    return window.geometry.topLeft() - QPoint(match.captured(1).toInt(), match.captured(2).toInt());
}

void XDriver::Activate(const XWindow& window) const
{
    Xdotool({QStringLiteral("windowactivate"), QStringLiteral("--sync"), window.id});
}

void XDriver::Click(const QPoint& screenPoint) const
{
    Xdotool({QStringLiteral("mousemove"), QString::number(screenPoint.x()), QString::number(screenPoint.y()),
             QStringLiteral("click"), QStringLiteral("1")});
}

void XDriver::Drag(const QPoint& from, const QPoint& to) const
{
    constexpr int steps = 8;
    Xdotool({QStringLiteral("mousemove"), QString::number(from.x()), QString::number(from.y()), QStringLiteral("mousedown"),
             QStringLiteral("1")});
    for (int k = 1; k <= steps; ++k) {
        const QPoint at = from + (to - from) * k / steps;
        Xdotool({QStringLiteral("mousemove"), QString::number(at.x()), QString::number(at.y())});
    }
    Xdotool({QStringLiteral("mouseup"), QStringLiteral("1")});
}

void XDriver::TypeText(const QString& text) const
{
    Xdotool({QStringLiteral("type"), QStringLiteral("--delay"), QString::number(TypingDelayMs), text});
}

void XDriver::PressKey(const QString& key) const
{
    Xdotool({QStringLiteral("key"), key});
}

QImage XDriver::Grab() const
{
    QScreen* screen = QGuiApplication::primaryScreen();
    if (!screen)
        return {};
    return screen->grabWindow(0).toImage().convertToFormat(QImage::Format_RGB32);
}

QImage XDriver::WaitForScreen(const std::function<bool(const QImage&)>& holds, int timeoutMs) const
{
    QElapsedTimer clock;
    clock.start();
    for (;;) {
        QImage screen = Grab();
        if (!screen.isNull() && holds(screen))
            return screen;
        if (clock.elapsed() >= timeoutMs)
            return {};
        Wait(PollMilliseconds);
    }
}

int DarkPixels(const QImage& image, const QRect& area)
{
    const QRect inside = area.intersected(image.rect());
    int dark = 0;
    for (int y = inside.top(); y <= inside.bottom(); ++y)
        for (int x = inside.left(); x <= inside.right(); ++x) {
            const QRgb pixel = image.pixel(x, y);
            dark += qRed(pixel) < DarkLimit && qGreen(pixel) < DarkLimit && qBlue(pixel) < DarkLimit ? 1 : 0;
        }
    return dark;
}
