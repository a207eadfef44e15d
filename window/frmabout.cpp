#include "window/frmabout.h"

#include <QGuiApplication>
#include <QLabel>
#include <QPushButton>
#include <QScreen>

#include "controls/bevel.h"
#include "controls/carddeck.h"
#include "controls/glyphs.h"
#include "controls/panel.h"
#include "controls/tcolor.h"
#include "controls/uifonts.h"

namespace {

constexpr int TitlePixels = 16;
constexpr int ButtonPixels = 13;
constexpr TCarddeck::TCardBack MonogramBack = 12;

const QRect PanAboutBounds{10, 4, 267, 253};
const QRect Bevel1Bounds{4, 4, 258, 125};
const QRect Desc1Bounds{77, 8, 120, 19};
const QRect Desc2Bounds{95, 28, 85, 19};
const QPoint Carddeck1Place{94, 143};
const QRect OkBounds{208, 265, 69, 32};

QLabel* MakeTitle(QWidget* parent, const char* name, const QString& text, const QRect& bounds)
{
    auto* label = new QLabel(text, parent);
    label->setObjectName(QLatin1String(name));
    label->setFont(ArialFont(TitlePixels, true));
    label->setStyleSheet(QStringLiteral("color: black"));
    // Centred in its box, so both lines stay centred whatever the face's widths.
    label->setAlignment(Qt::AlignHCenter | Qt::AlignTop);
    label->setGeometry(bounds);
    return label;
}

}  // namespace

Tfrm_About::Tfrm_About(QWidget* parent)
    : QDialog(parent, Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint)
{
    setObjectName(QStringLiteral("frm_About"));
    setWindowTitle(QStringLiteral("Welcome to"));
    setFont(SystemFont());
    UseButtonFaceBackground(*this);
    setFixedSize(ClientWidth, ClientHeight);
    CreateControls();
}

void Tfrm_About::CreateControls()
{
    pan_About = new TPanel(this);
    pan_About->setObjectName(QStringLiteral("pan_About"));
    pan_About->setGeometry(PanAboutBounds);
    pan_About->SetBevelOuter(TPanelBevel::bvLowered);
    pan_About->SetBevelInner(TPanelBevel::bvRaised);

    Bevel1 = new TBevel(pan_About);
    Bevel1->setObjectName(QStringLiteral("Bevel1"));
    Bevel1->setGeometry(Bevel1Bounds);

    lbl_Desc1 = MakeTitle(pan_About, "lbl_Desc1", QStringLiteral("Brackwater"), Desc1Bounds);
    lbl_Desc2 = MakeTitle(pan_About, "lbl_Desc2", QStringLiteral("Version 1.1"), Desc2Bounds);

    Carddeck1 = new TCarddeck(pan_About);
    Carddeck1->setObjectName(QStringLiteral("Carddeck1"));
    Carddeck1->move(Carddeck1Place);
    Carddeck1->SetCardBack(MonogramBack);
    Carddeck1->SetCardNum(0);

    btn_OK = new QPushButton(QStringLiteral("&OK"), this);
    btn_OK->setObjectName(QStringLiteral("btn_OK"));
    btn_OK->setGeometry(OkBounds);
    btn_OK->setFont(ArialFont(ButtonPixels));
    btn_OK->setDefault(true);
    SetButtonGlyph(*btn_OK, QStringLiteral("TICK"), QString());
    btn_OK->hide();
    connect(btn_OK, &QPushButton::clicked, this, &Tfrm_About::btn_OKClick);
}

void Tfrm_About::BecomeAboutDialog()
{
    hide();
    btn_OK->show();
    setWindowTitle(QStringLiteral("About"));
}

void Tfrm_About::BecomeWelcomeScreen()
{
    btn_OK->hide();
    setWindowTitle(QStringLiteral("Welcome to"));
}

void Tfrm_About::btn_OKClick()
{
    accept();
}

// Unless placed by its owner, the dialog first appears centred on the screen.
void Tfrm_About::showEvent(QShowEvent* event)
{
    if (!shownBefore_ && !testAttribute(Qt::WA_Moved)) {
        if (const QScreen* screen = QGuiApplication::primaryScreen()) {
            QRect frame = frameGeometry();
            frame.moveCenter(screen->availableGeometry().center());
            move(frame.topLeft());
        }
    }
    shownBefore_ = true;
    QDialog::showEvent(event);
}
