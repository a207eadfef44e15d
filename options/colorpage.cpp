#include "options/colorpage.h"

#include <QApplication>
#include <QColorDialog>
#include <QFrame>
#include <QMessageBox>
#include <QPushButton>

#include "controls/label3d.h"
#include "options/optionshost.h"
#include "controls/glyphs.h"
#include "controls/tcolor.h"
#include "controls/uifonts.h"

namespace {

const QRect Bevel1Bounds{32, 12, 221, 205};
const QRect StackCardBounds{280, 12, 217, 63};
const QRect DigitalBounds{280, 76, 217, 141};

constexpr QSize ButtonSize{89, 33};
const QPoint AllPlace{140, 30};
const QPoint StacksPlace{140, 74};
const QPoint TablePlace{140, 116};
const QPoint PlayPilePlace{140, 162};
const QPoint StackCardsPlace{384, 30};
const QPoint DigitalBackPlace{384, 116};
const QPoint DigitalForePlace{384, 160};

constexpr QSize SampleSize{73, 29};
const QPoint StacksSamplePlace{52, 76};
const QPoint TableSamplePlace{52, 120};
const QPoint PlayPileSamplePlace{52, 164};
const QPoint StackCardsSamplePlace{292, 32};
const QPoint DigitalBackSamplePlace{292, 120};
const QPoint DigitalForeSamplePlace{292, 164};
const QRect DigitalDisplayBounds{292, 84, 121, 17};

const char* const SameColorsRefusal = QT_TRANSLATE_NOOP("TColorPage", "Can't make Background and Foreground colors the same");

bool RunColorDialog(QColorDialog& dialog)
{
    return dialog.exec() == QDialog::Accepted;
}

QString ApplicationTitle()
{
    const QString title = QApplication::applicationDisplayName();
    return title.isEmpty() ? QStringLiteral("Brackwater") : title;
}

// A plain box without icon, centred on the screen (it has no parent).
void ShowPlainMessage(const QString& text)
{
    QMessageBox box(QMessageBox::NoIcon, ApplicationTitle(), text, QMessageBox::Ok);
    box.exec();
}

}  // namespace

TColorPage::TColorPage(GameSettings& settings, TOptionsHost& host, QColorDialog& dlgColor, QWidget* parent)
    : QWidget(parent)
    , settings_(settings)
    , host_(host)
    , dlgColor_(dlgColor)
    , chooseColor_(RunColorDialog)
    , showRefusal_(ShowPlainMessage)
{
    setObjectName(QStringLiteral("TabSheet3"));
    CreateControls();
}

QFrame* TColorPage::AddBox(const char* name, const QRect& bounds)
{
    auto* box = new QFrame(this);
    box->setObjectName(QLatin1String(name));
    box->setFrameStyle(QFrame::Panel | QFrame::Sunken);
    box->setLineWidth(1);
    box->setGeometry(bounds);
    return box;
}

QPushButton* TColorPage::AddButton(const char* name, const QString& caption, const QPoint& place)
{
    auto* button = new QPushButton(caption, this);
    button->setObjectName(QLatin1String(name));
    button->setGeometry(QRect(place, ButtonSize));
    return button;
}

TLabel3d* TColorPage::AddSample(const char* name, const QPoint& place)
{
    auto* sample = new TLabel3d(this);
    sample->setObjectName(QLatin1String(name));
    sample->setGeometry(QRect(place, SampleSize));
    sample->SetBevelOuter(TLabelBevel::bvLowered);
    return sample;
}

void TColorPage::CreateControls()
{
    Bevel1 = AddBox("Bevel1", Bevel1Bounds);
    bevStackCard = AddBox("bevStackCard", StackCardBounds);
    bevDigital = AddBox("bevDigital", DigitalBounds);

    btnAll = AddButton("btnAll", tr("&All"), AllPlace);
    btnStacks = AddButton("btnStacks", tr("&Stacks"), StacksPlace);
    btnTable = AddButton("btnTable", tr("&Table"), TablePlace);
    btnPlayPile = AddButton("btnPlayPile", tr("&Play Pile"), PlayPilePlace);
    btnStackCards = AddButton("btnStackCards", tr("Stack &Cards"), StackCardsPlace);
    btnDigitalBack = AddButton("btnDigitalBack", tr("&BackGround"), DigitalBackPlace);
    btnDigitalFore = AddButton("btnDigitalFore", tr("&ForeGround"), DigitalForePlace);
    connect(btnAll, &QPushButton::clicked, this, &TColorPage::ClickAll);
    connect(btnStacks, &QPushButton::clicked, this, &TColorPage::ClickStacks);
    connect(btnTable, &QPushButton::clicked, this, &TColorPage::ClickTable);
    connect(btnPlayPile, &QPushButton::clicked, this, &TColorPage::ClickPlayPile);
    connect(btnStackCards, &QPushButton::clicked, this, &TColorPage::ClickStackCard);
    connect(btnDigitalBack, &QPushButton::clicked, this, &TColorPage::ClickBackGround);
    connect(btnDigitalFore, &QPushButton::clicked, this, &TColorPage::ClickForeGround);

    lblStacks = AddSample("lblStacks", StacksSamplePlace);
    lblTable = AddSample("lblTable", TableSamplePlace);
    lblPlayPile = AddSample("lblPlayPile", PlayPileSamplePlace);
    lblStackCards = AddSample("lblStackCards", StackCardsSamplePlace);
    lblDigitalBack = AddSample("lblDigitalBack", DigitalBackSamplePlace);
    lblDigitalFore = AddSample("lblDigitalFore", DigitalForeSamplePlace);
    lblStacks->setAccessibleName(tr("Stacks colour"));
    lblTable->setAccessibleName(tr("Table colour"));
    lblPlayPile->setAccessibleName(tr("Play pile colour"));
    lblStackCards->setAccessibleName(tr("Stack cards colour"));
    lblDigitalBack->setAccessibleName(tr("Counter background colour"));
    lblDigitalFore->setAccessibleName(tr("Counter digits colour"));

    lblDigitalDisplay = new TLabel3d(this);
    lblDigitalDisplay->setObjectName(QStringLiteral("lblDigitalDisplay"));
    lblDigitalDisplay->setGeometry(DigitalDisplayBounds);
    lblDigitalDisplay->SetCaption(tr("Digital Display"));
}

void TColorPage::ShowColors()
{
    lblStacks->SetColor(ToQColor(settings_.StackColor));
    lblTable->SetColor(ToQColor(settings_.TableColor));
    lblPlayPile->SetColor(ToQColor(settings_.PlayColor));
    lblStackCards->SetColor(ToQColor(settings_.CardColor));
    lblDigitalBack->SetColor(ToQColor(settings_.DigitalBack));
    lblDigitalFore->SetColor(ToQColor(settings_.DigitalFore));
}

// A cancelled dialog leaves its current colour where this use found it, so
// the next "&All" starts from the colour the dialog was opened with.
std::optional<TColor> TColorPage::ChooseColor(std::optional<TColor> preset)
{
    if (preset)
        dlgColor_.setCurrentColor(ToQColor(*preset));
    const QColor opened = dlgColor_.currentColor();
    if (!chooseColor_(dlgColor_)) {
        dlgColor_.setCurrentColor(opened);
        return std::nullopt;
    }
    return ToTColor(dlgColor_.currentColor());
}

void TColorPage::ChooseInto(TColor& setting, TLabel3d* sample, void (TOptionsHost::*apply)())
{
    const std::optional<TColor> chosen = ChooseColor(setting);
    if (!chosen)
        return;
    setting = *chosen;
    sample->SetColor(ToQColor(setting));
    (host_.*apply)();
}

void TColorPage::ChooseDigital(TColor& setting, TColor other, TLabel3d* sample)
{
    const std::optional<TColor> chosen = ChooseColor(setting);
    if (!chosen)
        return;
    if (*chosen == other) {
        showRefusal_(tr(SameColorsRefusal));
        return;
    }
    setting = *chosen;
    sample->SetColor(ToQColor(setting));
    host_.RedrawCounters();
}

void TColorPage::ClickAll()
{
    const std::optional<TColor> chosen = ChooseColor(std::nullopt);
    if (!chosen)
        return;
    settings_.StackColor = *chosen;
    lblStacks->SetColor(ToQColor(*chosen));
    host_.ApplyStackColor();
    settings_.TableColor = *chosen;
    lblTable->SetColor(ToQColor(*chosen));
    host_.ApplyTableColor();
    settings_.PlayColor = *chosen;
    lblPlayPile->SetColor(ToQColor(*chosen));
    host_.ApplyPlayColor();
}

void TColorPage::ClickStacks()
{
    ChooseInto(settings_.StackColor, lblStacks, &TOptionsHost::ApplyStackColor);
}

void TColorPage::ClickTable()
{
    ChooseInto(settings_.TableColor, lblTable, &TOptionsHost::ApplyTableColor);
}

void TColorPage::ClickPlayPile()
{
    ChooseInto(settings_.PlayColor, lblPlayPile, &TOptionsHost::ApplyPlayColor);
}

void TColorPage::ClickStackCard()
{
    ChooseInto(settings_.CardColor, lblStackCards, &TOptionsHost::ApplyCardColor);
}

void TColorPage::ClickBackGround()
{
    ChooseDigital(settings_.DigitalBack, settings_.DigitalFore, lblDigitalBack);
}

void TColorPage::ClickForeGround()
{
    ChooseDigital(settings_.DigitalFore, settings_.DigitalBack, lblDigitalFore);
}
