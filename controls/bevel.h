#pragma once

#include <QWidget>

// A lowered box line around an area; draws nothing else.
class TBevel : public QWidget {
    Q_OBJECT

public:
    explicit TBevel(QWidget* parent = nullptr);

protected:
    void paintEvent(QPaintEvent* event) override;
};
