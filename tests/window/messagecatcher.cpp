#include "tests/window/messagecatcher.h"

#include <QApplication>
#include <QMessageBox>
#include <QTimer>

MessageCatcher::MessageCatcher() : seen_(std::make_shared<Seen>()) {}

void MessageCatcher::Arm()
{
    // The timer runs inside the message box's own event loop; it keeps the
    // record alive on its own in case no box ever opens.
    std::shared_ptr<Seen> seen = seen_;
    QTimer::singleShot(0, qApp, [seen] {
        auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
        if (box == nullptr)
            return;
        ++seen->count;
        seen->text = box->text();
        seen->title = box->windowTitle();
        box->done(QMessageBox::Ok);
    });
}
