#include "window/frmlose.h"

#include <QLabel>
#include <QPushButton>

#include "controls/bevel.h"
#include "engine/cardcode.h"
#include "controls/carddeck.h"
#include "controls/glyphs.h"
#include "controls/tcolor.h"
#include "controls/uifonts.h"
#include "controls/widgetmaker.h"

namespace {

constexpr int TextPixels = 13;
constexpr TCarddeck::TCardBack LoseBack = 6;

const QPoint Carddeck1Place{4, 5};
const QRect Bevel1Bounds{80, 5, 181, 96};
const QPoint DescPlace{96, 12};
const QPoint DrawBeginPlace{152, 32};
const QPoint Desc2Place{112, 52};
const QPoint CardsLeftPlace{152, 76};
const QRect OkBounds{194, 112, 69, 32};

// The labels size themselves to their text and keep their left edge.
QLabel* MakeLabel(QWidget* parent, const char* name, const QString& text, const QPoint& place, bool bold)
{
    auto* label = MakeControl<QLabel>(parent, name, QRect(place, QSize(0, 0)));
    label->setText(text);
    label->setFont(ArialFont(TextPixels, bold));
    label->setStyleSheet(QStringLiteral("color: black"));
    label->adjustSize();
    return label;
}

void SetAutoSizedText(QLabel& label, int value)
{
    label.setText(QString::number(value));
    label.adjustSize();
}

}  // namespace

Tfrm_lose::Tfrm_lose(QWidget* parent)
    : QDialog(parent, Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint)
{
    setObjectName(QStringLiteral("frm_lose"));
    setWindowTitle(tr("Game Over!"));
    setModal(true);
    setFont(SystemFont());
    UseButtonFaceBackground(*this);
    setFixedSize(ClientWidth, ClientHeight);
    CreateControls();
}

void Tfrm_lose::CreateControls()
{
    card_ = new TCarddeck(this);
    card_->setObjectName(QStringLiteral("Carddeck1"));
    card_->move(Carddeck1Place);
    card_->SetCardBack(LoseBack);
    card_->SetCardNum(JokerCard);
    card_->setAccessibleName(tr("Joker"));

    bevel_ = new TBevel(this);
    bevel_->setObjectName(QStringLiteral("Bevel1"));
    bevel_->setGeometry(Bevel1Bounds);

    descLabel_ = MakeLabel(this, "lbl_desc", tr("Draw Pile Start Number"), DescPlace, false);
    drawStartLabel_ = MakeLabel(this, "lbl_drawbegin", QStringLiteral("0"), DrawBeginPlace, true);
    desc2Label_ = MakeLabel(this, "lbl_desc2", tr("Cards Left To Play"), Desc2Place, false);
    cardsLeftLabel_ = MakeLabel(this, "lbl_cardsleft", QStringLiteral("0"), CardsLeftPlace, true);

    okButton_ = new QPushButton(tr("OK"), this);
    okButton_->setObjectName(QStringLiteral("BitBtn1"));
    okButton_->setGeometry(OkBounds);
    okButton_->setFont(ArialFont(TextPixels));
    okButton_->setDefault(true);
    SetButtonGlyph(*okButton_, QStringLiteral("TICK"), QString());
    connect(okButton_, &QPushButton::clicked, this, &QDialog::accept);
    okButton_->setFocus();
}

void Tfrm_lose::ShowResult(int drawStart, int cardsLeft)
{
    SetAutoSizedText(*drawStartLabel_, drawStart);
    SetAutoSizedText(*cardsLeftLabel_, cardsLeft);
}
