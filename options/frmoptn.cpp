#include "options/frmoptn.h"

#include <array>

#include <QColorDialog>
#include <QKeyEvent>
#include <QPushButton>
#include <QTabBar>
#include <QTabWidget>

#include "options/cardbackpage.h"
#include "options/optionshost.h"
#include "options/optionspage.h"
#include "controls/glyphs.h"
#include "controls/tcolor.h"
#include "controls/uifonts.h"
#include "options/soundpage.h"

namespace {

constexpr int TextPixels = 13;
const QString TabWidthStyle = QStringLiteral("QTabBar { font-family: Arial; font-size: 13px; } QTabBar::tab { width: 90px; }");
constexpr QSize ButtonSize{69, 32};
const QPoint OkPlace{426, 242};
const QPoint HelpPlace{314, 242};

// Help topics of the pages, in page order.
constexpr std::array<int, 4> PageHelpContexts = {3, 12, 14, 15};

}  // namespace

TfrmOptions::TfrmOptions(GameSettings& settings, bool waveDeviceAvailable, TOptionsHost& host,
                         TSoundPlayer& player, QWidget* parent)
    : QDialog(parent, Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint)
    , host_(host)
{
    setObjectName(QStringLiteral("frmOptions"));
    setWindowTitle(tr("Brackwater Options"));
    // Modal to the table only, so that the help it opens can be used meanwhile.
    setWindowModality(Qt::WindowModal);
    setFont(ArialFont(TextPixels));
    UseButtonFaceBackground(*this);
    setFixedSize(ClientWidth, ClientHeight);
    CreateControls(settings, waveDeviceAvailable, player);
}

void TfrmOptions::CreateControls(GameSettings& settings, bool waveDeviceAvailable, TSoundPlayer& player)
{
    colorDialog_ = new QColorDialog(Qt::black, this);
    colorDialog_->setObjectName(QStringLiteral("dlgColor"));

    pages_ = new QTabWidget(this);
    pages_->setObjectName(QStringLiteral("PageControl1"));
    pages_->setGeometry(0, 0, ClientWidth, ClientHeight);
    // Styled on the tab bar alone: a style sheet on the page control would
    // take the dialog's font away from every page.
    pages_->tabBar()->setStyleSheet(TabWidthStyle);
    optionsPage_ = new TOptionsPage(settings, host_);
    cardBackPage_ = new TCardBackPage(settings, host_);
    colorPage_ = new TColorPage(settings, host_, *colorDialog_);
    soundPage_ = new TSoundPage(settings, waveDeviceAvailable, player);
    // The pages are the dialog's grey, not the style's lighter tab pane.
    for (QWidget* page : std::initializer_list<QWidget*>{optionsPage_, cardBackPage_, colorPage_, soundPage_})
        page->setAutoFillBackground(true);
    pages_->addTab(optionsPage_, tr("Options"));
    pages_->addTab(cardBackPage_, tr("Card Backs"));
    pages_->addTab(colorPage_, tr("Color"));
    pages_->addTab(soundPage_, tr("Sound"));

    helpButton_ = new QPushButton(tr("&Help"), optionsPage_);
    helpButton_->setObjectName(QStringLiteral("btn_Help"));
    helpButton_->setGeometry(QRect(HelpPlace, ButtonSize));
    helpButton_->setAutoDefault(false);
    SetButtonGlyph(*helpButton_, QStringLiteral("HELP"), QString());
    connect(helpButton_, &QPushButton::clicked, this, &TfrmOptions::btn_HelpClick);

    okButton_ = new QPushButton(tr("&OK"), optionsPage_);
    okButton_->setObjectName(QStringLiteral("btn_OK"));
    okButton_->setGeometry(QRect(OkPlace, ButtonSize));
    okButton_->setDefault(true);
    SetButtonGlyph(*okButton_, QStringLiteral("TICK"), QString(), QStringLiteral("TICKDISABLED"));
    connect(okButton_, &QPushButton::clicked, this, &QDialog::accept);

    connect(pages_, &QTabWidget::currentChanged, this, &TfrmOptions::PageControl1Change);
}

void TfrmOptions::SetColorChooser(TColorPage::TColorChooser chooser)
{
    colorPage_->SetColorChooser(std::move(chooser));
}

void TfrmOptions::SetRefusalShower(TColorPage::TRefusalShower shower)
{
    colorPage_->SetRefusalShower(std::move(shower));
}

void TfrmOptions::showEvent(QShowEvent* event)
{
    QDialog::showEvent(event);
    if (!event->spontaneous())
        FormShow();
}

void TfrmOptions::FormShow()
{
    soundPage_->ShowSoundNames();
    pages_->setCurrentIndex(0);
    PageControl1Change(0);
    cardBackPage_->MarkCardBack();
    colorPage_->ShowColors();
    optionsPage_->ShowSettings();
    soundPage_->ShowSoundSwitch();
}

// The two buttons belong to whichever page is showing, so they stand at the
// same place on every page.
void TfrmOptions::PageControl1Change(int index)
{
    QWidget* page = pages_->widget(index);
    if (page == nullptr)
        return;
    for (QPushButton* button : {helpButton_, okButton_}) {
        if (button->parentWidget() != page)
            button->setParent(page);
        button->show();
    }
}

void TfrmOptions::btn_HelpClick()
{
    const int page = pages_->currentIndex();
    if (page >= 0 && page < static_cast<int>(PageHelpContexts.size()))
        host_.ShowHelpContext(PageHelpContexts[page]);
}

// OK is the only way out: without a Cancel button, Escape does nothing.
void TfrmOptions::keyPressEvent(QKeyEvent* event)
{
    if (event->key() == Qt::Key_Escape && event->modifiers() == Qt::NoModifier) {
        event->accept();
        return;
    }
    QDialog::keyPressEvent(event);
}
