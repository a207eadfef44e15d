#include "translations/textmemory.h"

#include <algorithm>

TTextMemory::TTextMemory(QObject* parent)
    : QTranslator(parent)
{
}

QString TTextMemory::translate(const char* context, const char* sourceText, const char* disambiguation, int n) const
{
    const QString found = catalogue_ != nullptr ? catalogue_->translate(context, sourceText, disambiguation, n)
                                                : QString();
    // Counted texts depend on the number, so they cannot be traced back.
    if (n < 0 && context != nullptr && sourceText != nullptr && *sourceText != '\0') {
        const QString shown = found.isEmpty() ? QString::fromUtf8(sourceText) : found;
        const QMutexLocker lock(&mutex_);
        QVector<Source>& sources = sources_[shown];
        Source source{context, sourceText, disambiguation};
        const bool known = std::any_of(sources.cbegin(), sources.cend(), [&](const Source& s) {
            return s.context == source.context && s.text == source.text && s.disambiguation == source.disambiguation;
        });
        if (!known)
            sources.push_back(std::move(source));
    }
    return found;
}

std::optional<TTextMemory::Source> TTextMemory::Find(const QString& shown, const QStringList& classNames) const
{
    const QMutexLocker lock(&mutex_);
    const auto entry = sources_.constFind(shown);
    if (entry == sources_.cend() || entry->isEmpty())
        return std::nullopt;
    for (const QString& name : classNames) {
        for (const Source& source : *entry) {
            if (QString::fromLatin1(source.context) == name)
                return source;
        }
    }
    return entry->front();
}
