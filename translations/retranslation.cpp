#include "translations/retranslation.h"

#include <functional>

#include <QAbstractButton>
#include <QAction>
#include <QApplication>
#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QTabWidget>

#include "controls/label3d.h"
#include "translations/textmemory.h"

namespace {

// The class names of the object and its parents, nearest first: the
// contexts its texts were most likely translated in.
QStringList ClassChain(const QObject* object)
{
    QStringList names;
    for (; object != nullptr; object = object->parent()) {
        for (const QMetaObject* meta = object->metaObject(); meta != nullptr; meta = meta->superClass())
            names.append(QString::fromLatin1(meta->className()));
    }
    return names;
}

class TRetranslator {
public:
    explicit TRetranslator(const TTextMemory& memory)
        : memory_(memory)
    {
    }

    void Widget(QWidget* widget)
    {
        chain_ = ClassChain(widget);
        Renew(widget->windowTitle(), [widget](const QString& t) { widget->setWindowTitle(t); });
        Renew(widget->toolTip(), [widget](const QString& t) { widget->setToolTip(t); });
        Renew(widget->accessibleName(), [widget](const QString& t) { widget->setAccessibleName(t); });
        Renew(widget->accessibleDescription(), [widget](const QString& t) { widget->setAccessibleDescription(t); });
        if (auto* label = qobject_cast<QLabel*>(widget))
            Renew(label->text(), [label](const QString& t) { label->setText(t); });
        if (auto* button = qobject_cast<QAbstractButton*>(widget))
            Renew(button->text(), [button](const QString& t) { button->setText(t); });
        if (auto* box = qobject_cast<QGroupBox*>(widget))
            Renew(box->title(), [box](const QString& t) { box->setTitle(t); });
        if (auto* label3d = qobject_cast<TLabel3d*>(widget))
            Renew(label3d->Caption(), [label3d](const QString& t) { label3d->SetCaption(t); });
        if (auto* tabs = qobject_cast<QTabWidget*>(widget)) {
            for (int i = 0; i < tabs->count(); ++i)
                Renew(tabs->tabText(i), [tabs, i](const QString& t) { tabs->setTabText(i, t); });
        }
        if (auto* combo = qobject_cast<QComboBox*>(widget)) {
            for (int i = 0; i < combo->count(); ++i)
                Renew(combo->itemText(i), [combo, i](const QString& t) { combo->setItemText(i, t); });
        }
        for (QAction* action : widget->actions())
            Action(action);
    }

private:
    void Action(QAction* action)
    {
        chain_ = ClassChain(action);
        Renew(action->text(), [action](const QString& t) { action->setText(t); });
        Renew(action->toolTip(), [action](const QString& t) { action->setToolTip(t); });
    }

    void Renew(const QString& shown, const std::function<void(const QString&)>& set)
    {
        if (shown.isEmpty())
            return;
        if (const std::optional<TTextMemory::Source> source = memory_.Find(shown, chain_)) {
            const QString renewed = QCoreApplication::translate(source->context.constData(), source->text.constData(),
                                                                source->disambiguation.isEmpty()
                                                                    ? nullptr
                                                                    : source->disambiguation.constData());
            if (renewed != shown)
                set(renewed);
        }
    }

    const TTextMemory& memory_;
    QStringList chain_;
};

}  // namespace

void RetranslateOpenWindows(const TTextMemory& memory)
{
    TRetranslator retranslator(memory);
    for (QWidget* widget : QApplication::allWidgets())
        retranslator.Widget(widget);
}
