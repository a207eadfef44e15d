#pragma once

#include <functional>
#include <optional>

#include <QImage>
#include <QPoint>
#include <QRect>
#include <QString>
#include <QStringList>

// A top-level window shown on the X display, found by its exact title.
struct XWindow {
    QString id;
    QRect geometry;  // the client area on the screen; without a window manager the frame is the window
};

// The real pointer and keyboard on the X display (through xdotool), and the
// screen's pixels. Every wait polls with a deadline instead of sleeping.
class XDriver {
public:
    std::optional<XWindow> FindWindow(const QString& title) const;
    std::optional<XWindow> WaitForWindow(const QString& title, int timeoutMs) const;
    bool WaitUntilGone(const QString& title, int timeoutMs) const;
    // Where the window manager's frame starts (the window itself without one).
    QPoint FrameTopLeft(const XWindow& window) const;

    // Raises the window and gives it the keyboard, through the window manager.
    void Activate(const XWindow& window) const;
    void Click(const QPoint& screenPoint) const;
    // Presses the left button at one point, moves in steps to the other and lets go there.
    void Drag(const QPoint& from, const QPoint& to) const;
    void TypeText(const QString& text) const;
    void PressKey(const QString& key) const;

    QImage Grab() const;
    // Grabs the screen until `holds` says yes; returns the last picture
    // taken, or a null image when the time ran out.
    QImage WaitForScreen(const std::function<bool(const QImage&)>& holds, int timeoutMs) const;

    // Whether every pointer and keyboard command so far ran cleanly.
    bool AllCommandsSucceeded() const { return allSucceeded_; }

private:
    static std::optional<QString> Run(const QString& tool, const QStringList& arguments);
    void Xdotool(const QStringList& arguments) const;
    static bool IsViewable(const QString& id);

    mutable bool allSucceeded_ = true;
};

// Pixels of `area` that are dark: text and outlines rather than a face or a background.
int DarkPixels(const QImage& image, const QRect& area);
