#include "translations/captionfit.h"

#include <QAbstractButton>
#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>
#include <QRegularExpression>
#include <QStyle>
#include <QTabBar>

#include "controls/label3d.h"
#include "controls/stringgrid.h"

namespace {

constexpr int SmallestPixels = 10;
constexpr char OwnFontProperty[] = "captionOwnFont";
// Room a push button keeps between its frame and its icon or text.
constexpr int ButtonMargin = 4;
constexpr int IconSpacing = 4;
constexpr int TitleMargin = 8;
constexpr int ListArrowMargin = 8;
// Where a grid cell's text starts, inside the cell.
constexpr int GridTextIndent = 2;

QString Shown(const QString& caption)
{
    static const QRegularExpression accelerator(QStringLiteral("&(?!&)"));
    return QString(caption).remove(accelerator);
}

int TextWidth(const QWidget& control, const QString& text)
{
    return control.fontMetrics().horizontalAdvance(Shown(text));
}

int IndicatorRoom(const QAbstractButton& button)
{
    const bool radio = qobject_cast<const QRadioButton*>(&button) != nullptr;
    const QStyle* style = button.style();
    return style->pixelMetric(radio ? QStyle::PM_ExclusiveIndicatorWidth : QStyle::PM_IndicatorWidth, nullptr, &button)
        + style->pixelMetric(radio ? QStyle::PM_RadioButtonLabelSpacing : QStyle::PM_CheckBoxLabelSpacing, nullptr,
                             &button);
}

TCaptionRoom LabelRoom(const QLabel& label)
{
    const QRect area = label.contentsRect();
    if (!label.wordWrap())
        return {TextWidth(label, label.text()), area.width(), label.text()};
    const QRect used = label.fontMetrics().boundingRect(area, Qt::TextWordWrap, Shown(label.text()));
    return {used.height(), area.height(), label.text()};
}

TCaptionRoom ButtonRoom(const QAbstractButton& button)
{
    const int inner = button.contentsRect().width();
    if (qobject_cast<const QPushButton*>(&button) != nullptr) {
        const int icon = button.icon().isNull() ? 0 : button.iconSize().width() + IconSpacing;
        return {TextWidth(button, button.text()) + icon, inner - ButtonMargin, button.text()};
    }
    return {TextWidth(button, button.text()) + IndicatorRoom(button), inner, button.text()};
}

// Only labels and buttons shrink: their font is theirs alone.
bool Shrinks(const QWidget& control)
{
    return qobject_cast<const QLabel*>(&control) != nullptr || qobject_cast<const QAbstractButton*>(&control) != nullptr
        || qobject_cast<const TLabel3d*>(&control) != nullptr;
}

bool Fits(QWidget& control)
{
    for (const TCaptionRoom& room : CaptionRooms(control)) {
        if (room.needed > room.given)
            return false;
    }
    return true;
}

bool ShrinkOnePixel(QWidget& control)
{
    QFont font = control.font();
    const int pixels = font.pixelSize() > 0 ? font.pixelSize() : QFontInfo(font).pixelSize();
    if (pixels <= SmallestPixels)
        return false;
    font.setPixelSize(pixels - 1);
    control.setFont(font);
    return true;
}

void FitCaption(QWidget& control)
{
    const QVariant own = control.property(OwnFontProperty);
    if (own.isValid())
        control.setFont(own.value<QFont>());
    if (Fits(control))
        return;
    if (!own.isValid())
        control.setProperty(OwnFontProperty, control.font());
    while (!Fits(control) && ShrinkOnePixel(control)) {
    }
}

// The rooms as if the control were shown whole.
std::vector<TCaptionRoom> OwnCaptionRooms(QWidget& control)
{
    const int inner = control.contentsRect().width();
    if (auto* label = qobject_cast<QLabel*>(&control))
        return label->text().isEmpty() ? std::vector<TCaptionRoom>{} : std::vector<TCaptionRoom>{LabelRoom(*label)};
    if (auto* button = qobject_cast<QAbstractButton*>(&control))
        return {ButtonRoom(*button)};
    if (auto* box = qobject_cast<QGroupBox*>(&control))
        return {{TextWidth(control, box->title()) + TitleMargin, inner, box->title()}};
    if (auto* label3d = qobject_cast<TLabel3d*>(&control))
        return {{TextWidth(control, label3d->Caption()), inner, label3d->Caption()}};
    std::vector<TCaptionRoom> rooms;
    if (auto* tabs = qobject_cast<QTabBar*>(&control)) {
        for (int i = 0; i < tabs->count(); ++i)
            rooms.push_back({TextWidth(control, tabs->tabText(i)) + TitleMargin, tabs->tabRect(i).width(),
                             tabs->tabText(i)});
    } else if (auto* grid = qobject_cast<TStringGrid*>(&control)) {
        // The fixed row's headings; the cells below hold figures.
        for (int col = 0; col < grid->ColCount(); ++col) {
            const QString heading = grid->Cell(col, 0);
            rooms.push_back({grid->fontMetrics().horizontalAdvance(heading) + GridTextIndent,
                             grid->CellRect(col, 0).width(), heading});
        }
    } else if (auto* combo = qobject_cast<QComboBox*>(&control)) {
        const int arrow = control.style()->pixelMetric(QStyle::PM_ScrollBarExtent, nullptr, &control) + ListArrowMargin;
        for (int i = 0; i < combo->count(); ++i)
            rooms.push_back({TextWidth(control, combo->itemText(i)) + arrow, inner, combo->itemText(i)});
    }
    return rooms;
}

// A control that reaches past its parent's edge shows only the part inside.
int VisibleWidth(const QWidget& control)
{
    const QWidget* parent = control.parentWidget();
    if (parent == nullptr || control.isWindow())
        return control.width();
    return (control.geometry() & parent->rect()).width();
}

}  // namespace

std::vector<TCaptionRoom> CaptionRooms(QWidget& control)
{
    std::vector<TCaptionRoom> rooms = OwnCaptionRooms(control);
    const int cut = control.width() - VisibleWidth(control);
    for (TCaptionRoom& room : rooms)
        room.given -= cut;
    return rooms;
}

void FitCaptions(QWidget& window)
{
    for (QWidget* control : window.findChildren<QWidget*>()) {
        if (Shrinks(*control))
            FitCaption(*control);
    }
}
