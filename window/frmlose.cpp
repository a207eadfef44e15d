#include "window/frmlose.h"

#include <QLabel>
#include <QPushButton>

#include "controls/bevel.h"
#include "engine/cardcode.h"
#include "controls/carddeck.h"
#include "controls/glyphs.h"
#include "controls/tcolor.h"
#include "controls/uifonts.h"

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
    auto* label = new QLabel(text, parent);
    label->setObjectName(QLatin1String(name));
    label->setFont(ArialFont(TextPixels, bold));
    label->setStyleSheet(QStringLiteral("color: black"));
    label->move(place);
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
    setWindowTitle(QStringLiteral("Game Over!"));
    setModal(true);
    setFont(SystemFont());
    UseButtonFaceBackground(*this);
    setFixedSize(ClientWidth, ClientHeight);
    CreateControls();
}

void Tfrm_lose::CreateControls()
{
    Carddeck1 = new TCarddeck(this);
    Carddeck1->setObjectName(QStringLiteral("Carddeck1"));
    Carddeck1->move(Carddeck1Place);
    Carddeck1->SetCardBack(LoseBack);
    Carddeck1->SetCardNum(JokerCard);

    Bevel1 = new TBevel(this);
    Bevel1->setObjectName(QStringLiteral("Bevel1"));
    Bevel1->setGeometry(Bevel1Bounds);

    lbl_desc = MakeLabel(this, "lbl_desc", QStringLiteral("Draw Pile Start Number"), DescPlace, false);
    lbl_drawbegin = MakeLabel(this, "lbl_drawbegin", QStringLiteral("0"), DrawBeginPlace, true);
    lbl_desc2 = MakeLabel(this, "lbl_desc2", QStringLiteral("Cards Left To Play"), Desc2Place, false);
    lbl_cardsleft = MakeLabel(this, "lbl_cardsleft", QStringLiteral("0"), CardsLeftPlace, true);

    BitBtn1 = new QPushButton(QStringLiteral("OK"), this);
    BitBtn1->setObjectName(QStringLiteral("BitBtn1"));
    BitBtn1->setGeometry(OkBounds);
    BitBtn1->setFont(ArialFont(TextPixels));
    BitBtn1->setDefault(true);
    SetButtonGlyph(*BitBtn1, QStringLiteral("TICK"), QString());
    connect(BitBtn1, &QPushButton::clicked, this, &QDialog::accept);
}

void Tfrm_lose::ShowResult(int drawStart, int cardsLeft)
{
    SetAutoSizedText(*lbl_drawbegin, drawStart);
    SetAutoSizedText(*lbl_cardsleft, cardsLeft);
}
