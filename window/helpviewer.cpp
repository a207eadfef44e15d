#include "window/helpviewer.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QHBoxLayout>
#include <QPushButton>
#include <QShortcut>
#include <QRegularExpression>
#include <QTextBrowser>
#include <QUrl>
#include <QVBoxLayout>

#include "translations/languageswitcher.h"

namespace {

const QString ContentsTopic = QStringLiteral("contents");
const QString TopicScheme = QStringLiteral("topic");
constexpr int InitialWidth = 560;
constexpr int InitialHeight = 480;

QString Attribute(const QString& attributes, const QString& name)
{
    const QRegularExpression pattern(name + QStringLiteral(R"re(\s*=\s*"([^"]*)")re"));
    const QRegularExpressionMatch match = pattern.match(attributes);
    return match.hasMatch() ? match.captured(1) : QString();
}

QString WindowTitleFor(const QString& topicTitle)
{
    return topicTitle.isEmpty() ? THelpViewer::tr("Brackwater Help") : THelpViewer::tr("Brackwater Help - %1").arg(topicTitle);
}

}  // namespace

THelpViewer::THelpViewer(QWidget* parent)
    : QWidget(parent, Qt::Window)
{
    setObjectName(QStringLiteral("HelpViewer"));
    setWindowTitle(WindowTitleFor(QString()));
    resize(InitialWidth, InitialHeight);

    btn_Contents = new QPushButton(tr("&Contents"), this);
    btn_Back = new QPushButton(tr("&Back"), this);
    btn_Contents->setObjectName(QStringLiteral("btn_Contents"));
    btn_Back->setObjectName(QStringLiteral("btn_Back"));
    browser_ = new QTextBrowser(this);
    browser_->setOpenLinks(false);

    auto* buttons = new QHBoxLayout;
    buttons->addWidget(btn_Contents);
    buttons->addWidget(btn_Back);
    buttons->addStretch();
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(buttons);
    layout->addWidget(browser_);

    connect(btn_Contents, &QPushButton::clicked, this, &THelpViewer::ShowContents);
    connect(btn_Back, &QPushButton::clicked, this, &THelpViewer::GoBack);
    connect(browser_, &QTextBrowser::anchorClicked, this, &THelpViewer::LinkClicked);

    browser_->setAccessibleName(tr("Help text"));
    auto* closeKey = new QShortcut(QKeySequence(Qt::Key_Escape), this);
    connect(closeKey, &QShortcut::activated, this, &QWidget::close);
}

void THelpViewer::SetHelpFile(const QString& name)
{
    helpFile_ = name;
}

QString THelpViewer::HelpFilePath() const
{
    return TLanguageSwitcher::LocalizedFile(QDir(QCoreApplication::applicationDirPath()).filePath(helpFile_));
}

void THelpViewer::ShowContents()
{
    if (LoadTopics()) {
        if (const Topic* topic = FindTopic(ContentsTopic))
            ShowTopic(*topic, true);
        else
            ShowMessage(tr("The help file %1 has no contents page.").arg(helpFile_));
    }
    Present();
}

void THelpViewer::ShowContext(int context)
{
    if (LoadTopics()) {
        if (const Topic* topic = FindContext(context))
            ShowTopic(*topic, true);
        else
            ShowMessage(tr("The help file %1 has no topic number %2.").arg(helpFile_).arg(context));
    }
    Present();
}

QString THelpViewer::PageText() const
{
    return browser_->toPlainText();
}

bool THelpViewer::LoadTopics()
{
    topics_.clear();
    QFile file(HelpFilePath());
    if (helpFile_.isEmpty() || !file.open(QIODevice::ReadOnly | QIODevice::Text)) {
        const QFileInfo where(HelpFilePath());
        ShowMessage(tr("The help file %1 could not be found in %2.")
                        .arg(helpFile_, QDir::toNativeSeparators(where.absolutePath())));
        return false;
    }
    const QString text = QString::fromUtf8(file.readAll());
    static const QRegularExpression topicPattern(QStringLiteral(R"(<topic\b([^>]*)>(.*?)</topic>)"),
                                                 QRegularExpression::DotMatchesEverythingOption);
    for (auto it = topicPattern.globalMatch(text); it.hasNext();) {
        const QRegularExpressionMatch match = it.next();
        Topic topic;
        topic.id = Attribute(match.captured(1), QStringLiteral("id"));
        bool numbered = false;
        const int context = Attribute(match.captured(1), QStringLiteral("context")).toInt(&numbered);
        topic.context = numbered ? context : NoContext;
        topic.title = Attribute(match.captured(1), QStringLiteral("title"));
        topic.html = match.captured(2);
        topics_.push_back(topic);
    }
    return true;
}

const THelpViewer::Topic* THelpViewer::FindTopic(const QString& id) const
{
    for (const Topic& topic : topics_)
        if (topic.id.compare(id, Qt::CaseInsensitive) == 0)
            return &topic;
    return nullptr;
}

const THelpViewer::Topic* THelpViewer::FindContext(int context) const
{
    for (const Topic& topic : topics_)
        if (topic.context == context)
            return &topic;
    return nullptr;
}

void THelpViewer::ShowTopic(const Topic& topic, bool remember)
{
    if (remember && !currentTopic_.isEmpty() && currentTopic_ != topic.id)
        history_.push_back(currentTopic_);
    currentTopic_ = topic.id;
    setWindowTitle(WindowTitleFor(topic.title));
    browser_->setHtml(topic.html);
    btn_Back->setEnabled(!history_.empty());
}

void THelpViewer::ShowMessage(const QString& message)
{
    currentTopic_.clear();
    history_.clear();
    setWindowTitle(WindowTitleFor(QString()));
    browser_->setPlainText(message);
    btn_Back->setEnabled(false);
}

void THelpViewer::LinkClicked(const QUrl& link)
{
    if (link.scheme() != TopicScheme)
        return;
    if (const Topic* topic = FindTopic(link.path()))
        ShowTopic(*topic, true);
}

void THelpViewer::GoBack()
{
    if (history_.empty())
        return;
    const QString previous = history_.back();
    history_.pop_back();
    if (const Topic* topic = FindTopic(previous))
        ShowTopic(*topic, false);
}

void THelpViewer::Present()
{
    show();
    raise();
    activateWindow();
}
