#include <algorithm>
#include <string>

#include <gtest/gtest.h>

#include <QAction>
#include <QComboBox>
#include <QDir>
#include <QFile>
#include <QGroupBox>
#include <QLabel>
#include <QAbstractButton>
#include <QRegularExpression>
#include <QTabWidget>
#include <QTemporaryDir>

#include "controls/label3d.h"
#include "options/frmoptn.h"
#include "translations/languageswitcher.h"
#include "window/frmmain.h"
#include "window/helpviewer.h"
#include "tests/translations/quiethost.h"
#include "tests/translations/shippedlanguages.h"
#include "tests/window/windowparts.h"

namespace {

// Every text a player can read in the window, in a fixed order.
QStringList Texts(const QWidget& window)
{
    QStringList texts{window.windowTitle()};
    for (const QWidget* w : window.findChildren<QWidget*>()) {
        texts << w->toolTip();
        if (auto* label = qobject_cast<const QLabel*>(w))
            texts << label->text();
        if (auto* button = qobject_cast<const QAbstractButton*>(w))
            texts << button->text();
        if (auto* box = qobject_cast<const QGroupBox*>(w))
            texts << box->title();
        if (auto* label3d = qobject_cast<const TLabel3d*>(w))
            texts << label3d->Caption();
        if (auto* tabs = qobject_cast<const QTabWidget*>(w)) {
            for (int i = 0; i < tabs->count(); ++i)
                texts << tabs->tabText(i);
        }
        if (auto* combo = qobject_cast<const QComboBox*>(w)) {
            for (int i = 0; i < combo->count(); ++i)
                texts << combo->itemText(i);
        }
    }
    for (const QAction* action : window.findChildren<QAction*>())
        texts << action->text();
    texts.removeAll(QString());
    return texts;
}

// The texts that differ, side by side, for a readable failure.
std::string Differences(const QStringList& got, const QStringList& wanted)
{
    std::string differences;
    for (qsizetype i = 0; i < std::max(got.size(), wanted.size()); ++i) {
        const QString a = got.value(i, QStringLiteral("(none)"));
        const QString b = wanted.value(i, QStringLiteral("(none)"));
        if (a != b)
            differences += "\n  \"" + a.toStdString() + "\" instead of \"" + b.toStdString() + "\"";
    }
    return differences;
}

struct OpenWindows {
    explicit OpenWindows(WindowParts& parts)
        : main(parts.player, parts.store, parts.sound)
        , options(parts.player.Settings, true, host, parts.sound, &main)
    {
        main.show();
        options.show();
    }

    QStringList AllTexts() const { return Texts(main) + Texts(options); }

    TQuietHost host;
    Tfrm_Main main;
    TfrmOptions options;
};

class SwitchingTest : public ::testing::Test {
protected:
    void TearDown() override { TLanguageSwitcher::Speak("en"); }

    WindowParts parts{"PlumbLine"};
};

// A change of language reaches the windows already open: they read as
// windows built in that language, and back in English as they were.
TEST_F(SwitchingTest, OpenWindowsReadAsIfBuiltInTheNewLanguage)
{
    TLanguageSwitcher::Speak("en");
    OpenWindows open(parts);
    const QStringList english = open.AllTexts();
    for (const std::string& language : ShippedLanguages()) {
        SCOPED_TRACE(language);
        TLanguageSwitcher::Speak(language);
        const QStringList switched = open.AllTexts();
        EXPECT_NE(switched, english);
        OpenWindows fresh(parts);
        EXPECT_EQ(Differences(switched, fresh.AllTexts()), "");
    }
    TLanguageSwitcher::Speak("en");
    EXPECT_EQ(Differences(open.AllTexts(), english), "");
}

TEST_F(SwitchingTest, TheOptionsPageChoiceIsThePlayersAndTakesEffectAtOnce)
{
    TLanguageSwitcher::Speak("en");
    OpenWindows open(parts);
    auto* list = open.options.findChild<QComboBox*>(QStringLiteral("cmb_Language"));
    ASSERT_NE(list, nullptr);
    EXPECT_EQ(list->currentIndex(), 0) << "a player without a choice follows the desktop";
    const int german = list->findData(QStringLiteral("de"));
    ASSERT_GT(german, 0);
    EXPECT_EQ(list->itemText(german), QStringLiteral("Deutsch"));
    list->setCurrentIndex(german);
    emit list->activated(german);
    EXPECT_EQ(parts.player.Settings.Language, "de");
    EXPECT_EQ(TLanguageSwitcher::Spoken(), QStringLiteral("de"));
    EXPECT_EQ(open.options.findChild<QTabWidget*>()->tabText(0), QStringLiteral("Optionen"));
    EXPECT_EQ(list->itemText(0), QStringLiteral("Sprache des Desktops"));

    list->setCurrentIndex(0);
    emit list->activated(0);
    EXPECT_EQ(parts.player.Settings.Language, "");
}

TEST_F(SwitchingTest, HelpIsReadInTheSpokenLanguageWithEnglishAsFallback)
{
    const QTemporaryDir folder;
    const QString english = folder.filePath(QStringLiteral("BRACKWTR.HLP"));
    const QString german = folder.filePath(QStringLiteral("BRACKWTR.de.HLP"));
    QFile::copy(QStringLiteral(BRACKWATER_HELP_FILE), english);
    QFile::copy(QStringLiteral(BRACKWATER_SOURCE_DIR "/window/help/BRACKWTR.de.HLP"), german);
    TLanguageSwitcher::Speak("de");
    EXPECT_EQ(TLanguageSwitcher::LocalizedFile(english), german);
    THelpViewer viewer;
    viewer.SetHelpFile(english);
    viewer.ShowContents();
    EXPECT_TRUE(viewer.windowTitle().startsWith(QStringLiteral("Brackwater-Hilfe"))) << viewer.windowTitle().toStdString();
    TLanguageSwitcher::Speak("fr");
    EXPECT_EQ(TLanguageSwitcher::LocalizedFile(english), english) << "no French file here: the English one";
}

// Topic ids, context numbers and links as the options dialog and the
// contents page use them, taken from a help file.
QStringList HelpSkeleton(const QString& path)
{
    QFile file(path);
    EXPECT_TRUE(file.open(QIODevice::ReadOnly)) << path.toStdString();
    static const QRegularExpression comments(QStringLiteral("<!--.*?-->"),
                                             QRegularExpression::DotMatchesEverythingOption);
    const QString text = QString::fromUtf8(file.readAll()).remove(comments);
    static const QRegularExpression marks(QStringLiteral(R"((<topic\s+id="[^"]*"(?:\s+context="\d+")?)|href="[^"]*")"));
    QStringList skeleton;
    for (auto it = marks.globalMatch(text); it.hasNext();)
        skeleton << it.next().captured();
    return skeleton;
}

TEST_F(SwitchingTest, EveryHelpTranslationHasTheEnglishTopicsAndLinks)
{
    const QStringList english = HelpSkeleton(QStringLiteral(BRACKWATER_HELP_FILE));
    ASSERT_GT(english.size(), 10);
    for (const std::string& language : ShippedLanguages()) {
        SCOPED_TRACE(language);
        const QStringList translated = HelpSkeleton(
            QStringLiteral(BRACKWATER_SOURCE_DIR "/window/help/BRACKWTR.%1.HLP").arg(QString::fromStdString(language)));
        EXPECT_EQ(Differences(translated, english), "");
    }
}

}  // namespace
