#pragma once

#include <vector>

#include <QString>
#include <QWidget>

class QPushButton;
class QTextBrowser;
class QUrl;

// The program's help window. The help file is a UTF-8 text file of topics:
//   <topic id="contents" title="Contents"> ...HTML... </topic>
//   <topic id="options" context="3" title="Options"> ... </topic>
// Links of the form <a href="topic:options"> lead from topic to topic; the
// options dialog opens a topic by its context number.
class THelpViewer final : public QWidget {
    Q_OBJECT

public:
    static constexpr int NoContext = -1;

    explicit THelpViewer(QWidget* parent = nullptr);
    THelpViewer(const THelpViewer&) = delete;
    THelpViewer& operator=(const THelpViewer&) = delete;

    // A name without a directory is looked for beside the program; a full
    // path (an installed copy's data folder) is used as it is.
    void SetHelpFile(const QString& name);
    QString HelpFilePath() const;

    // Both show the window, reading the file afresh.
    void ShowContents();
    void ShowContext(int context);

    QString CurrentTopic() const { return currentTopic_; }
    QString PageText() const;

private:
    struct Topic {
        QString id;
        int context = NoContext;
        QString title;
        QString html;
    };

    bool LoadTopics();
    const Topic* FindTopic(const QString& id) const;
    const Topic* FindContext(int context) const;
    void ShowTopic(const Topic& topic, bool remember);
    void ShowMessage(const QString& message);
    void LinkClicked(const QUrl& link);
    void GoBack();
    void Present();

    QString helpFile_;
    std::vector<Topic> topics_;
    std::vector<QString> history_;
    QString currentTopic_;
    QTextBrowser* browser_ = nullptr;
    QPushButton* btn_Contents = nullptr;
    QPushButton* btn_Back = nullptr;
};
