#pragma once

#include <QWidget>

// A lowered or raised box line around an area; draws nothing else.
class TBevel : public QWidget {
    Q_OBJECT

public:
    explicit TBevel(QWidget* parent = nullptr);

    bool Raised() const { return raised_; }
    void SetRaised(bool value);

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    bool raised_ = false;
};
