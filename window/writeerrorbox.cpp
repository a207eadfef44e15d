#include "window/writeerrorbox.h"

#include <QApplication>
#include <QMessageBox>
#include <QString>

#include "store/settingswriteerror.h"

void ShowWriteError(QWidget* parent, const SettingsWriteError& error)
{
    QMessageBox::critical(parent, QApplication::applicationDisplayName(), QString::fromStdString(error.what()));
}

void ShowPlainMessage(QWidget* parent, const QString& text)
{
    QMessageBox box(QMessageBox::NoIcon, QApplication::applicationDisplayName(), text, QMessageBox::Ok, parent);
    box.exec();
}
