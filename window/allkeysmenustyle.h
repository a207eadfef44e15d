#pragma once

#include <QProxyStyle>

// A menu style that shows every shortcut of a command, not just its first:
// "F2, Ctrl+N" where a menu would show only "F2".
class TAllKeysMenuStyle final : public QProxyStyle {
    Q_OBJECT

public:
    explicit TAllKeysMenuStyle(QObject* owner);

    void drawControl(ControlElement element, const QStyleOption* option, QPainter* painter,
                     const QWidget* widget = nullptr) const override;
    QSize sizeFromContents(ContentsType type, const QStyleOption* option, const QSize& size,
                           const QWidget* widget = nullptr) const override;

    // The text of a menu item with all of its command's keys after the tab.
    static QString WithAllKeys(const QString& itemText, const QWidget* menu);
};
