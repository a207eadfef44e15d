#include "window/erasequestion.h"

#include <QApplication>
#include <QMessageBox>
#include <QString>

bool ConfirmErase(QWidget* parent, const QString& question)
{
    return QMessageBox::question(parent, QApplication::applicationDisplayName(), question,
                                 QMessageBox::Yes | QMessageBox::No, QMessageBox::No)
        == QMessageBox::Yes;
}
