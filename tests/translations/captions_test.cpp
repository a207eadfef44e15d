
#include <gtest/gtest.h>

#include <QTabWidget>

#include "options/frmoptn.h"
#include "table/cardtable.h"
#include "translations/captionfit.h"
#include "translations/languageswitcher.h"
#include "window/frmabout.h"
#include "window/frmhist.h"
#include "window/frmlose.h"
#include "window/frmmain.h"
#include "window/frmplay.h"
#include "window/helpviewer.h"
#include "tests/support/fakesoundplayer.h"
#include "tests/translations/quiethost.h"
#include "tests/translations/shippedlanguages.h"
#include "tests/window/windowparts.h"

namespace {

// The drive list shows the folders of this machine, not captions.
const QStringList NotCaptions = {QStringLiteral("drvSound")};

// Every caption of the window and its visible controls that is wider (or,
// wrapped, taller) than its control.
QString ClippedCaptions(QWidget& window)
{
    QString clipped;
    QList<QWidget*> controls = window.findChildren<QWidget*>();
    for (QWidget* control : controls) {
        if (!control->isVisibleTo(&window) || NotCaptions.contains(control->objectName()))
            continue;
        for (const TCaptionRoom& room : CaptionRooms(*control)) {
            if (!room.text.isEmpty() && room.needed > room.given)
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
    window.show();
    // The panels that come and go in play (shift, peek) are measured too.
    auto* table = window.findChild<TCardTable*>();
    ASSERT_NE(table, nullptr);
    for (QWidget* part : table->findChildren<QWidget*>())
        part->setVisible(true);
    ExpectFits(window);
}

INSTANTIATE_TEST_SUITE_P(Languages, CaptionsTest, ::testing::ValuesIn([] {
                             std::vector<std::string> all{"en"};
                             for (const std::string& code : ShippedLanguages())
                                 all.push_back(code);
                             return all;
                         }()));

}  // namespace
