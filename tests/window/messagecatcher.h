#pragma once

#include <memory>

#include <QString>

// Answers the message boxes that open while it is armed, so that a test
// never waits on one, and remembers what they said.
class MessageCatcher {
public:
    MessageCatcher();

    // Call before the action that may open a message box.
    void Arm();

    int Count() const { return seen_->count; }
    QString LastText() const { return seen_->text; }
    QString LastTitle() const { return seen_->title; }

private:
    struct Seen {
        int count = 0;
        QString text;
        QString title;
    };
    std::shared_ptr<Seen> seen_;
};
