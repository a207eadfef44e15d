#pragma once

#include <optional>

#include <QHash>
#include <QMutex>
#include <QString>
#include <QTranslator>
#include <QVector>

// Sits in front of the catalogues and remembers, for every text it was asked
// for, which source text and context it came from. Widgets hold only the
// finished text; this memory lets a change of language find each text's
// source again and translate it anew, without every window having to build
// its captions twice.
class TTextMemory final : public QTranslator {
    Q_OBJECT

public:
    struct Source {
        QByteArray context;
        QByteArray text;
        QByteArray disambiguation;
    };

    explicit TTextMemory(QObject* parent = nullptr);

    // The catalogue asked first; null for the source language.
    void SetCatalogue(const QTranslator* catalogue) { catalogue_ = catalogue; }

    QString translate(const char* context, const char* sourceText, const char* disambiguation = nullptr,
                      int n = -1) const override;
    bool isEmpty() const override { return false; }

    // Where a shown text came from: the source whose context is the first of
    // the given class names (nearest first) that has one, else any.
    std::optional<Source> Find(const QString& shown, const QStringList& classNames) const;

private:
    const QTranslator* catalogue_ = nullptr;
    // Qt may translate on other threads too (the sound back end does).
    mutable QMutex mutex_;
    mutable QHash<QString, QVector<Source>> sources_;
};
