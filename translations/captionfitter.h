#pragma once

#include <QObject>

// Fits the captions of every window as it is shown (see FitCaptions), so
// that windows built after a change of language fit as well as open ones.
class TCaptionFitter final : public QObject {
    Q_OBJECT

public:
    using QObject::QObject;

    // Fits the captions of every window there is, shown or not.
    static void FitAllWindows();

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
};
