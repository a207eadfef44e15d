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
#include "controls/widgetmaker.h"

namespace {

constexpr int TitlePixels = 16;
constexpr int NoticePixels = 12;
constexpr int ButtonPixels = 13;
constexpr TCarddeck::TCardBack MonogramBack = 12;

const QRect PanAboutBounds{10, 4, 267, 253};
const QRect Bevel1Bounds{4, 4, 258, 125};
const QRect Desc1Bounds{77, 8, 120, 19};
const QRect Desc2Bounds{95, 28, 85, 19};
const QRect LicenceBounds{14, 72, 239, 44};
const QPoint Carddeck1Place{94, 143};
const QRect OkBounds{208, 265, 69, 32};

QLabel* MakeTitle(QWidget* parent, const char* name, const QString& text, const QRect& bounds)
{
    auto* label = MakeControl<QLabel>(parent, name, bounds);
    label->setText(text);
    label->setFont(ArialFont(TitlePixels, true));
    label->setStyleSheet(QStringLiteral("color: black"));
    // Centred in its box, so both lines stay centred whatever the face's widths.
    label->setAlignment(Qt::AlignHCenter | Qt::AlignTop);
    return label;
}

}  // namespace

Tfrm_About::Tfrm_About(QWidget* parent)
    : QDialog(parent, Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint)
{
    setObjectName(QStringLiteral("frm_About"));
    setWindowTitle(tr("Welcome to"));
    setFont(SystemFont());
    UseButtonFaceBackground(*this);
    setFixedSize(ClientWidth, ClientHeight);
    CreateControls();
}

void Tfrm_About::CreateControls()
{
    aboutPanel_ = new TPanel(this);
    aboutPanel_->setObjectName(QStringLiteral("pan_About"));
    aboutPanel_->setGeometry(PanAboutBounds);
    aboutPanel_->SetBevelOuter(TPanelBevel::bvLowered);
    aboutPanel_->SetBevelInner(TPanelBevel::bvRaised);
    aboutPanel_->setAccessibleName(tr("About Brackwater"));

    bevel_ = new TBevel(aboutPanel_);
    bevel_->setObjectName(QStringLiteral("Bevel1"));
    bevel_->setGeometry(Bevel1Bounds);

    titleLabel_ = MakeTitle(aboutPanel_, "lbl_Desc1", QStringLiteral("Brackwater"), Desc1Bounds);
    subtitleLabel_ = MakeTitle(aboutPanel_, "lbl_Desc2", tr("Version %1").arg(QStringLiteral(BRACKWATER_VERSION)), Desc2Bounds);

    licenceLabel_ = new QLabel(tr("Free software under the GNU General Public License, version 3 or later."), aboutPanel_);
    licenceLabel_->setObjectName(QStringLiteral("lbl_Licence"));
    licenceLabel_->setFont(ArialFont(NoticePixels));
    licenceLabel_->setStyleSheet(QStringLiteral("color: black"));
    licenceLabel_->setAlignment(Qt::AlignHCenter | Qt::AlignTop);
    licenceLabel_->setWordWrap(true);
    licenceLabel_->setGeometry(LicenceBounds);

    card_ = new TCarddeck(aboutPanel_);
    card_->setObjectName(QStringLiteral("Carddeck1"));
    card_->move(Carddeck1Place);
    card_->SetCardBack(MonogramBack);
    card_->SetCardNum(0);
    card_->setAccessibleName(tr("Card back with the Brackwater monogram"));

    okButton_ = new QPushButton(tr("&OK"), this);
    okButton_->setObjectName(QStringLiteral("btn_OK"));
    okButton_->setGeometry(OkBounds);
    okButton_->setFont(ArialFont(ButtonPixels));
    okButton_->setDefault(true);
    SetButtonGlyph(*okButton_, QStringLiteral("TICK"), QString());
    okButton_->hide();
    connect(okButton_, &QPushButton::clicked, this, &Tfrm_About::btn_OKClick);
}

void Tfrm_About::BecomeAboutDialog()
{
    hide();
    okButton_->show();
    setWindowTitle(tr("About"));
}

void Tfrm_About::BecomeWelcomeScreen()
{
    okButton_->hide();
    setWindowTitle(tr("Welcome to"));
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
