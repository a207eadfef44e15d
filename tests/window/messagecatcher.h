#pragma once

#include <memory>
#include <vector>

#include <QMessageBox>
#include <QString>

// Answers the message boxes that open while it is armed, so that a test
// never waits on one, and remembers what they said.
class MessageCatcher {
public:
    MessageCatcher();

    // Call before the action that may open a message box; the box is
    // answered with `answer`.
    void Arm(QMessageBox::StandardButton answer = QMessageBox::Ok);
    // Answers the boxes that open one after another, in turn.
    void ArmSequence(std::vector<QMessageBox::StandardButton> answers);

    int Count() const { return seen_->count; }
    QString LastText() const { return seen_->text; }
    QString LastTitle() const { return seen_->title; }
    // Whether Enter on the last box would have answered No.
    bool NoWasDefault() const { return seen_->noWasDefault; }

private:
    struct Seen {
        int count = 0;
        QString text;
        QString title;
        bool noWasDefault = false;
    };
    static void Answer(std::shared_ptr<Seen> seen, std::vector<QMessageBox::StandardButton> answers);

    std::shared_ptr<Seen> seen_;
};
