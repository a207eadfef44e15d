#include "tests/window/messagecatcher.h"

#include <QAbstractButton>
#include <QApplication>
#include <QPushButton>
#include <QMessageBox>
#include <QTimer>

MessageCatcher::MessageCatcher() : seen_(std::make_shared<Seen>()) {}

void MessageCatcher::Arm(QMessageBox::StandardButton answer)
{
    ArmSequence({answer});
}

void MessageCatcher::ArmSequence(std::vector<QMessageBox::StandardButton> answers)
{
    Answer(seen_, std::move(answers));
}

// The timer runs inside the message box's own event loop; it keeps the
// record alive on its own in case no box ever opens. Each answered box
// leaves the next answer waiting for the box that follows it.
void MessageCatcher::Answer(std::shared_ptr<Seen> seen, std::vector<QMessageBox::StandardButton> answers)
{
    if (answers.empty())
        return;
    QTimer::singleShot(0, qApp, [seen, answers] {
        auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
        if (box == nullptr)
            return;
        ++seen->count;
        seen->text = box->text();
        seen->title = box->windowTitle();
        seen->noWasDefault = box->defaultButton() != nullptr && static_cast<QAbstractButton*>(box->defaultButton()) == box->button(QMessageBox::No);
        Answer(seen, std::vector<QMessageBox::StandardButton>(answers.begin() + 1, answers.end()));
        // A question reads the button clicked, not the result it closed with.
        if (QAbstractButton* button = box->button(answers.front()))
            button->click();
        else
            box->done(answers.front());
    });
}
