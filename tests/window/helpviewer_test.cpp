#include <set>

#include <gtest/gtest.h>

#include <QAction>
#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QRegularExpression>
#include <QPushButton>
#include <QTextBrowser>
#include <QTest>

#include "window/frmmain.h"
#include "tests/window/windowparts.h"
#include "window/helpviewer.h"

namespace {

const QString HelpDocument = QStringLiteral(BRACKWATER_HELP_FILE);

QString ReadHelpDocument()
{
    QFile file(HelpDocument);
    EXPECT_TRUE(file.open(QIODevice::ReadOnly | QIODevice::Text));
    return QString::fromUtf8(file.readAll());
}

TEST(HelpViewerTest, OpensOnTheContentsPage)
{
    THelpViewer help;
    help.SetHelpFile(HelpDocument);
    help.ShowContents();
    EXPECT_TRUE(help.isVisible());
    EXPECT_EQ(help.CurrentTopic(), QStringLiteral("contents"));
    EXPECT_TRUE(help.PageText().contains(QStringLiteral("Brackwater")));
}

TEST(HelpViewerTest, ContextNumbersOpenTheOptionsTopics)
{
    struct Case { int context; const char* topic; const char* mentions; };
    for (const Case& c : {Case{3, "options", "Minimum draw pile"}, Case{12, "cardbacks", "card back"},
                          Case{14, "colors", "colour"}, Case{15, "sounds", "sound"}}) {
        THelpViewer help;
        help.SetHelpFile(HelpDocument);
        help.ShowContext(c.context);
        EXPECT_EQ(help.CurrentTopic(), QLatin1String(c.topic)) << c.context;
        EXPECT_TRUE(help.PageText().contains(QLatin1String(c.mentions), Qt::CaseInsensitive)) << c.context;
    }
}

TEST(HelpViewerTest, MissingFileIsReportedInPlainWords)
{
    THelpViewer help;
    help.SetHelpFile(QStringLiteral("NOSUCH.HLP"));
    help.ShowContents();
    EXPECT_TRUE(help.isVisible());
    EXPECT_EQ(help.PageText(), QStringLiteral("The help file NOSUCH.HLP could not be found in %1.")
                                   .arg(QDir::toNativeSeparators(QCoreApplication::applicationDirPath())));
    help.ShowContext(3);
    EXPECT_TRUE(help.PageText().startsWith(QStringLiteral("The help file NOSUCH.HLP could not be found")));
}

TEST(HelpViewerTest, UnknownContextNumberIsReported)
{
    THelpViewer help;
    help.SetHelpFile(HelpDocument);
    help.ShowContext(99);
    EXPECT_TRUE(help.PageText().contains(QStringLiteral("no topic number 99")));
}

TEST(HelpViewerTest, LinksLeadToTopicsAndBackReturns)
{
    THelpViewer help;
    help.SetHelpFile(HelpDocument);
    help.ShowContents();
    auto* browser = help.findChild<QTextBrowser*>();
    ASSERT_NE(browser, nullptr);
    emit browser->anchorClicked(QUrl(QStringLiteral("topic:options")));
    EXPECT_EQ(help.CurrentTopic(), QStringLiteral("options"));
    auto* back = help.findChild<QPushButton*>(QStringLiteral("btn_Back"));
    ASSERT_NE(back, nullptr);
    ASSERT_TRUE(back->isEnabled());
    QTest::mouseClick(back, Qt::LeftButton);
    EXPECT_EQ(help.CurrentTopic(), QStringLiteral("contents"));
}

// Every link of the document leads to a topic it holds, and the rules and
// every menu command are covered.
TEST(HelpDocumentTest, LinksResolveAndTheCommandsAreExplained)
{
    const QString text = ReadHelpDocument();
    std::set<QString> topics;
    static const QRegularExpression topicId(QStringLiteral(R"re(<topic\b[^>]*\bid="([^"]+)")re"));
    for (auto it = topicId.globalMatch(text); it.hasNext();)
        topics.insert(it.next().captured(1));
    static const QRegularExpression link(QStringLiteral(R"re(href="topic:([^"]+)")re"));
    for (auto it = link.globalMatch(text); it.hasNext();) {
        const QString target = it.next().captured(1);
        EXPECT_TRUE(topics.count(target)) << target.toStdString();
    }
    for (const char* words : {"New Game", "Replay Same Deck", "New Player", "Exit", "Options", "History", "Undo",
                              "Instructions", "About", "Kings", "Aces", "peek", "Easy", "Hard", "draw pile", "F2",
                              "F3", "F6", "F7"})
        EXPECT_TRUE(text.contains(QLatin1String(words), Qt::CaseInsensitive)) << words;
}

TEST(HelpViewerTest, InstructionsCommandOpensTheContents)
{
    WindowParts parts("Player");
    Tfrm_Main window(parts.player, parts.store, parts.sound);
    window.SetHelpFile(HelpDocument);
    window.SetMenusEnabled(true);
    window.findChild<QAction*>(QStringLiteral("mnu_Instruction"))->trigger();
    EXPECT_TRUE(window.HelpViewer().isVisible());
    EXPECT_EQ(window.HelpViewer().CurrentTopic(), QStringLiteral("contents"));
    window.ShowHelpContext(14);
    EXPECT_EQ(window.HelpViewer().CurrentTopic(), QStringLiteral("colors"));
}

}  // namespace
