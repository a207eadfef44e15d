#include "table/clickcontrol.h"

#include <charconv>

#include <QWidget>

#include "engine/cardcode.h"

namespace {

int NumberOf(const std::string& click, int highest)
{
    int number = 0;
    const char* last = click.data() + click.size();
    if (click.size() < 2 || std::from_chars(click.data() + 1, last, number).ptr != last)
        return 0;
    return number >= 1 && number <= highest ? number : 0;
}

QString ControlName(const std::string& click)
{
    switch (click.empty() ? ' ' : click.front()) {
    case 'T':
        if (const int spot = NumberOf(click, SpotCount))
            return QStringLiteral("card_Table%1").arg(spot);
        break;
    case 'P':
        if (const int place = NumberOf(click, PileSlots))
            return QStringLiteral("card_playpile%1").arg(place);
        break;
    case 'S':
        if (const int stack = NumberOf(click, StackCount))
            return QStringLiteral("card_Stack%1").arg(stack);
        break;
    case 'D':
        return click.size() == 1 ? QStringLiteral("card_Drawpile") : QString();
    case 'L':
        return click.size() == 1 ? QStringLiteral("btn_Shiftleft") : QString();
    case 'R':
        return click.size() == 1 ? QStringLiteral("btn_Shiftright") : QString();
    default:
        break;
    }
    return {};
}

}  // namespace

QWidget* ControlOfClick(const QWidget& table, const std::string& click)
{
    const QString name = ControlName(click);
    QWidget* control = name.isEmpty() ? nullptr : table.findChild<QWidget*>(name);
    // An empty stack shows the label that lies in its place.
    if (control && !control->isVisible() && click.front() == 'S')
        return table.findChild<QWidget*>(QStringLiteral("lbl_Stack%1").arg(NumberOf(click, StackCount)));
    return control;
}
