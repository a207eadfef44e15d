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
    setWindowTitle(QStringLiteral("Brackwater Options"));
    setModal(true);
    setFont(ArialFont(TextPixels));
    UseButtonFaceBackground(*this);
    setFixedSize(ClientWidth, ClientHeight);
    CreateControls(settings, waveDeviceAvailable, player);
}

void TfrmOptions::CreateControls(GameSettings& settings, bool waveDeviceAvailable, TSoundPlayer& player)
{
    dlgColor = new QColorDialog(Qt::black, this);
    dlgColor->setObjectName(QStringLiteral("dlgColor"));

    PageControl1 = new QTabWidget(this);
    PageControl1->setObjectName(QStringLiteral("PageControl1"));
    PageControl1->setGeometry(0, 0, ClientWidth, ClientHeight);
    // Styled on the tab bar alone: a style sheet on the page control would
    // take the dialog's font away from every page.
    PageControl1->tabBar()->setStyleSheet(TabWidthStyle);
    TabSheet1 = new TOptionsPage(settings, host_);
    TabSheet2 = new TCardBackPage(settings, host_);
    TabSheet3 = new TColorPage(settings, host_, *dlgColor);
    TabSheet4 = new TSoundPage(settings, waveDeviceAvailable, player);
    // The pages are the dialog's grey, not the style's lighter tab pane.
    for (QWidget* page : std::initializer_list<QWidget*>{TabSheet1, TabSheet2, TabSheet3, TabSheet4})
        page->setAutoFillBackground(true);
    PageControl1->addTab(TabSheet1, QStringLiteral("Options"));
    PageControl1->addTab(TabSheet2, QStringLiteral("Card Backs"));
    PageControl1->addTab(TabSheet3, QStringLiteral("Color"));
    PageControl1->addTab(TabSheet4, QStringLiteral("Sound"));

    btn_Help = new QPushButton(QStringLiteral("&Help"), TabSheet1);
    btn_Help->setObjectName(QStringLiteral("btn_Help"));
    btn_Help->setGeometry(QRect(HelpPlace, ButtonSize));
    btn_Help->setAutoDefault(false);
    SetButtonGlyph(*btn_Help, QStringLiteral("HELP"), QString());
    connect(btn_Help, &QPushButton::clicked, this, &TfrmOptions::btn_HelpClick);

    btn_OK = new QPushButton(QStringLiteral("&OK"), TabSheet1);
    btn_OK->setObjectName(QStringLiteral("btn_OK"));
    btn_OK->setGeometry(QRect(OkPlace, ButtonSize));
    btn_OK->setDefault(true);
    SetButtonGlyph(*btn_OK, QStringLiteral("TICK"), QString(), QStringLiteral("TICKDISABLED"));
    connect(btn_OK, &QPushButton::clicked, this, &QDialog::accept);

    connect(PageControl1, &QTabWidget::currentChanged, this, &TfrmOptions::PageControl1Change);
}

void TfrmOptions::SetColorChooser(TColorPage::TColorChooser chooser)
{
    TabSheet3->SetColorChooser(std::move(chooser));
}

void TfrmOptions::SetRefusalShower(TColorPage::TRefusalShower shower)
{
    TabSheet3->SetRefusalShower(std::move(shower));
}

void TfrmOptions::showEvent(QShowEvent* event)
{
    QDialog::showEvent(event);
    if (!event->spontaneous())
        FormShow();
}

void TfrmOptions::FormShow()
{
    TabSheet4->ShowSoundNames();
    PageControl1->setCurrentIndex(0);
    PageControl1Change(0);
    TabSheet2->MarkCardBack();
    TabSheet3->ShowColors();
    TabSheet1->ShowSettings();
    TabSheet4->ShowSoundSwitch();
}

// The two buttons belong to whichever page is showing, so they stand at the
// same place on every page.
void TfrmOptions::PageControl1Change(int index)
{
    QWidget* page = PageControl1->widget(index);
    if (page == nullptr)
        return;
    for (QPushButton* button : {btn_Help, btn_OK}) {
        if (button->parentWidget() != page)
            button->setParent(page);
        button->show();
    }
}

void TfrmOptions::btn_HelpClick()
{
    const int page = PageControl1->currentIndex();
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
