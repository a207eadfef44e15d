#pragma once

#include <functional>

#include <QObject>

class QWidget;

// The keyboard's way to what the sound page does by dragging. On an event's
// sound label, Return or Space gives the event the file chosen in the list,
// Delete or Backspace takes its sound away, and the menu key (or Shift+F10)
// opens its menu; on the file list, Return or Space plays the chosen file.
class TSoundLabelKeys final : public QObject {
    Q_OBJECT

public:
    struct Actions {
        std::function<void(int event)> assign;
        std::function<void(int event)> clear;
        std::function<void(int event, QWidget& label)> menu;
        std::function<void()> listen;
    };

    TSoundLabelKeys(QObject& owner, Actions actions);

    void WatchLabel(QWidget& label, int event);
    void WatchList(QWidget& list);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    Actions actions_;
    QWidget* list_ = nullptr;
};
