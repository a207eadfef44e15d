#include "window/allkeysmenustyle.h"

#include <algorithm>

#include <QAction>
#include <QMenu>
#include <QStyleOptionMenuItem>

TAllKeysMenuStyle::TAllKeysMenuStyle(QObject* owner)
{
    setParent(owner);
}

// The menu hands the style "caption<tab>first key"; the command is found by
// its caption among the menu's actions.
namespace {

QString AllKeys(const QAction& action)
{
    QStringList keys;
    for (const QKeySequence& key : action.shortcuts())
        keys << key.toString(QKeySequence::NativeText);
    return keys.join(QStringLiteral(", "));
}

// The keys column must fit the widest list of keys in the whole menu, so that
// every item's keys line up.
QStyleOptionMenuItem Widened(const QStyleOptionMenuItem& item, const QWidget* menu)
{
    QStyleOptionMenuItem shown(item);
    shown.text = TAllKeysMenuStyle::WithAllKeys(item.text, menu);
    if (menu)
        for (const QAction* action : menu->actions())
            shown.reservedShortcutWidth = std::max(shown.reservedShortcutWidth, item.fontMetrics.horizontalAdvance(AllKeys(*action)));
    return shown;
}

}  // namespace

// The menu hands the style "caption<tab>first key"; the command is found by
// its caption among the menu's actions.
QString TAllKeysMenuStyle::WithAllKeys(const QString& itemText, const QWidget* menu)
{
    const qsizetype tab = itemText.indexOf(QLatin1Char('\t'));
    if (tab < 0 || !menu)
        return itemText;
    const QString caption = itemText.left(tab);
    for (const QAction* action : menu->actions())
        if (action->text() == caption && action->shortcuts().size() > 1)
            return caption + QLatin1Char('\t') + AllKeys(*action);
    return itemText;
}

void TAllKeysMenuStyle::drawControl(ControlElement element, const QStyleOption* option, QPainter* painter,
                                    const QWidget* widget) const
{
    const auto* item = qstyleoption_cast<const QStyleOptionMenuItem*>(option);
    if (element == CE_MenuItem && item) {
        const QStyleOptionMenuItem shown = Widened(*item, widget);
        QProxyStyle::drawControl(element, &shown, painter, widget);
        return;
    }
    QProxyStyle::drawControl(element, option, painter, widget);
}

QSize TAllKeysMenuStyle::sizeFromContents(ContentsType type, const QStyleOption* option, const QSize& size,
                                          const QWidget* widget) const
{
    const auto* item = qstyleoption_cast<const QStyleOptionMenuItem*>(option);
    if (type == CT_MenuItem && item) {
        const QStyleOptionMenuItem shown = Widened(*item, widget);
        const QSize wider = size + QSize(shown.reservedShortcutWidth - item->reservedShortcutWidth, 0);
        return QProxyStyle::sizeFromContents(type, &shown, wider, widget);
    }
    return QProxyStyle::sizeFromContents(type, option, size, widget);
}
