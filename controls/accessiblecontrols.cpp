#include "controls/accessiblecontrols.h"

#include <QAccessibleWidget>

#include "controls/carddeck.h"
#include "controls/label3d.h"

namespace {

class CardAccessible final : public QAccessibleWidget {
public:
    explicit CardAccessible(TCarddeck* card)
        : QAccessibleWidget(card, card->Pressable() ? QAccessible::Button : QAccessible::Graphic), card_(card)
    {
    }

    QAccessible::Role role() const override { return card_->Pressable() ? QAccessible::Button : QAccessible::Graphic; }

    // The keyboard can rest on a pressable card although the mouse gives it
    // no focus.
    QAccessible::State state() const override
    {
        QAccessible::State state = QAccessibleWidget::state();
        state.focusable = card_->Pressable();
        return state;
    }

private:
    TCarddeck* card_;
};

class Label3dAccessible final : public QAccessibleWidget {
public:
    explicit Label3dAccessible(TLabel3d* label) : QAccessibleWidget(label, QAccessible::StaticText), label_(label) {}

    QAccessible::Role role() const override { return label_->Pressable() ? QAccessible::Button : QAccessible::StaticText; }

    QString text(QAccessible::Text kind) const override
    {
        const QString own = QAccessibleWidget::text(kind);
        if (kind == QAccessible::Name && own.isEmpty())
            return label_->Caption();
        return own;
    }

private:
    TLabel3d* label_;
};

QAccessibleInterface* ControlFactory(const QString& className, QObject* object)
{
    if (!object || !object->isWidgetType())
        return nullptr;
    if (className == QLatin1String("TCarddeck"))
        return new CardAccessible(static_cast<TCarddeck*>(object));
    if (className == QLatin1String("TLabel3d"))
        return new Label3dAccessible(static_cast<TLabel3d*>(object));
    if (className == QLatin1String("TPanel"))
        return new QAccessibleWidget(static_cast<QWidget*>(object), QAccessible::Pane);
    if (className == QLatin1String("TImage"))
        return new QAccessibleWidget(static_cast<QWidget*>(object), QAccessible::Graphic);
    return nullptr;
}

}  // namespace

void InstallControlAccessibility()
{
    static bool installed = false;
    if (installed)
        return;
    installed = true;
    QAccessible::installFactory(ControlFactory);
}
