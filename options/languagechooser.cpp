#include "options/languagechooser.h"

#include <QComboBox>
#include <QLabel>

#include "controls/widgetmaker.h"
#include "translations/languageswitcher.h"

namespace {

const QRect CaptionBounds{0, 4, 84, 17};
const QRect ListBounds{86, 0, 180, 25};

}  // namespace

TLanguageChooser::TLanguageChooser(GameSettings& settings, QWidget* parent)
    : QWidget(parent)
    , settings_(settings)
{
    lblLanguage = MakeControl<QLabel>(this, "lbl_Language", CaptionBounds);
    lblLanguage->setText(tr("&Language"));
    cmbLanguage = MakeControl<QComboBox>(this, "cmb_Language", ListBounds);
    lblLanguage->setBuddy(cmbLanguage);
    cmbLanguage->addItem(tr("Desktop's language"), QString());
    for (const QString& code : TLanguageSwitcher::AvailableLanguages())
        cmbLanguage->addItem(TLanguageSwitcher::NativeName(code), code);
    // Only the player's own choice counts, not the list being set to the settings.
    connect(cmbLanguage, &QComboBox::activated, this, &TLanguageChooser::Choose);
}

void TLanguageChooser::ShowSettings()
{
    const int index = cmbLanguage->findData(QString::fromStdString(settings_.Language));
    cmbLanguage->setCurrentIndex(index < 0 ? 0 : index);
}

void TLanguageChooser::Choose(int index)
{
    settings_.Language = cmbLanguage->itemData(index).toString().toStdString();
    TLanguageSwitcher::Speak(settings_.Language);
}
