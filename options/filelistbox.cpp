#include "options/filelistbox.h"

#include <QApplication>
#include <QDir>
#include <QMouseEvent>
#include <QStyle>

namespace {
constexpr int GlyphSize = 12;
}

TFileListBox::TFileListBox(QWidget* parent)
    : QListWidget(parent)
{
    setSelectionMode(QAbstractItemView::SingleSelection);
    setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    setIconSize(QSize(GlyphSize, GlyphSize));
    setUniformItemSizes(true);
}

void TFileListBox::SetDirectory(const QString& directory)
{
    directory_ = directory;
    Fill();
}

void TFileListBox::SetMask(const QString& mask)
{
    mask_ = mask;
    Fill();
}

QString TFileListBox::SelectedFile() const
{
    const QList<QListWidgetItem*> selected = selectedItems();
    return selected.isEmpty() ? QString() : selected.first()->text();
}

void TFileListBox::Fill()
{
    clear();
    if (directory_.isEmpty())
        return;
    QDir folder(directory_);
    folder.setNameFilters(mask_.split(u' ', Qt::SkipEmptyParts));
    // Without QDir::CaseSensitive the mask ignores letter case, as "*.wav"
    // always has for this program.
    folder.setFilter(QDir::Files | QDir::Readable);
    folder.setSorting(QDir::Name | QDir::IgnoreCase);
    const QIcon glyph = QApplication::style()->standardIcon(QStyle::SP_FileIcon);
    // The hint shows a name too long for the list whole.
    for (const QFileInfo& file : folder.entryInfoList())
        (new QListWidgetItem(glyph, file.fileName(), this))->setToolTip(file.fileName());
}

void TFileListBox::mousePressEvent(QMouseEvent* event)
{
    QListWidget::mousePressEvent(event);
    emit MouseDown(event->button());
}
