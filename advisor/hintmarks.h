#pragma once

#include <vector>

#include <QObject>
#include <QString>

class QFrame;
class QLabel;
class QTimer;
class QWidget;

// What a hint draws on the table: a red outline around each control of the
// move, and its words in a small note beside the first. Both lie above the
// table's controls and let every click through. The outlines stay until the
// next move; the note goes sooner, so that it hides no card for long.
class THintMarks final : public QObject {
    Q_OBJECT

public:
    static constexpr int NoteMs = 8000;

    explicit THintMarks(QWidget& table);

    void Show(const std::vector<QWidget*>& controls, const QString& words);
    void Clear();

private:
    void MakeNote();
    void PlaceNote();

    QWidget& table_;
    std::vector<QFrame*> outlines_;
    QLabel* note_ = nullptr;
    QTimer* noteTimer_ = nullptr;
};
