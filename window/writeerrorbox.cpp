#include "window/writeerrorbox.h"

#include <QApplication>
#include <QMessageBox>
#include <QString>

#include "store/settingswriteerror.h"

namespace {

// The reasons the settings store gives in words of its own; a reason from the
// system (such as "Permission denied.") is shown as the system words it.
[[maybe_unused]] constexpr const char* StoreReasons[] = {
    QT_TRANSLATE_NOOP("SettingsWriteError", "Another copy of Brackwater keeps the file locked."),
    QT_TRANSLATE_NOOP("SettingsWriteError", "The file is read-only."),
    QT_TRANSLATE_NOOP("SettingsWriteError", "The file could not be read, so it is left as it is."),
    QT_TRANSLATE_NOOP("SettingsWriteError", "The file would grow beyond 16 MiB."),
};

}  // namespace

QString WriteErrorText(const SettingsWriteError& error)
{
    const std::string& reason = error.Reason();
    return QCoreApplication::translate("SettingsWriteError", "Unable to write to %1")
               .arg(QString::fromStdString(error.File().string()))
        + QLatin1Char('\n') + QCoreApplication::translate("SettingsWriteError", reason.c_str());
}

void ShowWriteError(QWidget* parent, const SettingsWriteError& error)
{
    QMessageBox::critical(parent, QApplication::applicationDisplayName(), WriteErrorText(error));
}

void ShowPlainMessage(QWidget* parent, const QString& text)
{
    QMessageBox box(QMessageBox::NoIcon, QApplication::applicationDisplayName(), text, QMessageBox::Ok, parent);
    box.exec();
}
