#include <functional>
#include <memory>

#include <gtest/gtest.h>

#include <QAbstractButton>
#include <QCheckBox>
#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>
#include <QStyle>
#include <QTabBar>
#include <QTabWidget>

#include "controls/label3d.h"
#include "options/frmoptn.h"
#include "options/optionshost.h"
#include "translations/languageswitcher.h"
#include "window/frmabout.h"
#include "window/frmhist.h"
#include "window/frmlose.h"
#include "window/frmmain.h"
#include "window/frmplay.h"
#include "window/helpviewer.h"
#include "tests/support/fakesoundplayer.h"
#include "tests/translations/shippedlanguages.h"
#include "tests/window/windowparts.h"

namespace {

class TQuietHost final : public TOptionsHost {
public:
    void ApplyStackColor() override {}
    void ApplyTableColor() override {}
    void ApplyPlayColor() override {}
    void ApplyCardColor() override {}
    void ApplyCardBack() override {}
    void RedrawCounters() override {}
    void SetPlaysPanelVisible(bool) override {}
    void ShowHelpContext(int) override {}
};

QString Shown(const QString& caption)
{
    return QString(caption).remove(QRegularExpression(QStringLiteral("&(?!&)")));
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

// The room a caption needs and the room its control gives it, in pixels.
struct Room {
    int needed = 0;
    int given = 0;
    QString text;
};

std::vector<Room> Rooms(QWidget& control)
{
    std::vector<Room> rooms;
    const int inner = control.contentsRect().width();
    if (auto* label = qobject_cast<QLabel*>(&control); label != nullptr && !label->text().isEmpty()) {
        if (label->wordWrap()) {
            const QRect area = label->contentsRect();
            const QRect used = label->fontMetrics().boundingRect(area, Qt::TextWordWrap, Shown(label->text()));
            rooms.push_back({used.height(), area.height(), label->text()});
        } else {
            rooms.push_back({TextWidth(control, label->text()), inner, label->text()});
        }
    } else if (auto* button = qobject_cast<QPushButton*>(&control)) {
        const int icon = button->icon().isNull() ? 0 : button->iconSize().width() + 4;
        rooms.push_back({TextWidth(control, button->text()) + icon, inner - 4, button->text()});
    } else if (auto* check = qobject_cast<QAbstractButton*>(&control)) {
        rooms.push_back({TextWidth(control, check->text()) + IndicatorRoom(*check), inner, check->text()});
    } else if (auto* box = qobject_cast<QGroupBox*>(&control)) {
        rooms.push_back({TextWidth(control, box->title()) + 8, inner, box->title()});
    } else if (auto* label3d = qobject_cast<TLabel3d*>(&control)) {
        rooms.push_back({TextWidth(control, label3d->Caption()), inner, label3d->Caption()});
    } else if (auto* tabs = qobject_cast<QTabBar*>(&control)) {
        for (int i = 0; i < tabs->count(); ++i)
            rooms.push_back({TextWidth(control, tabs->tabText(i)) + 8, tabs->tabRect(i).width(), tabs->tabText(i)});
    } else if (auto* combo = qobject_cast<QComboBox*>(&control)) {
        const int arrow = control.style()->pixelMetric(QStyle::PM_ScrollBarExtent, nullptr, &control) + 8;
        for (int i = 0; i < combo->count(); ++i)
            rooms.push_back({TextWidth(control, combo->itemText(i)) + arrow, inner, combo->itemText(i)});
    }
    return rooms;
}

// Every caption of the window and its visible controls that is wider (or,
// wrapped, taller) than its control.
QString ClippedCaptions(QWidget& window)
{
    QString clipped;
    QList<QWidget*> controls = window.findChildren<QWidget*>();
    for (QWidget* control : controls) {
        if (!control->isVisibleTo(&window))
            continue;
        for (const Room& room : Rooms(*control)) {
            if (room.needed > room.given)
                clipped += QStringLiteral("\n  %1 %2 \"%3\": needs %4 px, has %5")
                               .arg(window.objectName(), control->objectName(), room.text)
                               .arg(room.needed)
                               .arg(room.given);
        }
    }
    return clipped;
}

class CaptionsTest : public ::testing::TestWithParam<std::string> {
protected:
    void SetUp() override { TLanguageSwitcher::Speak(GetParam()); }
    void TearDown() override { TLanguageSwitcher::Speak("en"); }

    void ExpectFits(QWidget& window)
    {
        window.show();
        EXPECT_TRUE(ClippedCaptions(window).isEmpty())
            << "Clipped in " << GetParam() << ":" << ClippedCaptions(window).toStdString();
    }

    WindowParts parts{"PlumbLine"};
};

TEST_P(CaptionsTest, EveryDialogsCaptionsFit)
{
    EXPECT_EQ(TLanguageSwitcher::Spoken().toStdString(), GetParam());
    Tfrm_About about;
    ExpectFits(about);
    Tfrm_lose lose;
    ExpectFits(lose);
    Tfrm_Hist history(parts.player, parts.store);
    ExpectFits(history);
    Tfrm_Player player(parts.store, parts.player);
    ExpectFits(player);
    THelpViewer help;
    ExpectFits(help);
}

TEST_P(CaptionsTest, EveryOptionsPagesCaptionsFit)
{
    TQuietHost host;
    for (const bool soundDevice : {true, false}) {
        TfrmOptions options(parts.player.Settings, soundDevice, host, parts.sound);
        options.show();
        auto* pages = options.findChild<QTabWidget*>();
        ASSERT_NE(pages, nullptr);
        for (int page = 0; page < pages->count(); ++page) {
            pages->setCurrentIndex(page);
            SCOPED_TRACE(pages->tabText(page).toStdString());
            ExpectFits(options);
        }
    }
}

TEST_P(CaptionsTest, TheTablesCaptionsFit)
{
    Tfrm_Main window(parts.player, parts.store, parts.sound);
    ExpectFits(window);
}

INSTANTIATE_TEST_SUITE_P(Languages, CaptionsTest, ::testing::ValuesIn([] {
                             std::vector<std::string> all{"en"};
                             for (const std::string& code : ShippedLanguages())
                                 all.push_back(code);
                             return all;
                         }()));

}  // namespace
