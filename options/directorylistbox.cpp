#include "options/directorylistbox.h"

#include <QApplication>
#include <QDir>
#include <QKeyEvent>
#include <QStyle>

namespace {

constexpr int PathRole = Qt::UserRole;
constexpr int IndentPerLevel = 1;
const QString Indent = QStringLiteral("  ");
constexpr int GlyphSize = 12;

}  // namespace

TDirectoryListBox::TDirectoryListBox(QWidget* parent)
    : QListWidget(parent)
{
    setSelectionMode(QAbstractItemView::SingleSelection);
    setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    setIconSize(QSize(GlyphSize, GlyphSize));
    setUniformItemSizes(true);
    connect(this, &QListWidget::itemActivated, this, &TDirectoryListBox::OpenEntry);
}

void TDirectoryListBox::SetDirectory(const QString& directory)
{
    const QString clean = QDir::cleanPath(QDir(directory).absolutePath());
    if (clean == directory_)
        return;
    directory_ = clean;
    Fill();
    emit DirectoryChanged(directory_);
}

void TDirectoryListBox::Fill()
{
    clear();
    const QStringList parts = directory_.split(u'/', Qt::SkipEmptyParts);
    QString path = QStringLiteral("/");
    AddEntry(path, path, 0, true);
    for (qsizetype i = 0; i < parts.size(); ++i) {
        path = QDir(path).filePath(parts[i]);
        AddEntry(parts[i], path, static_cast<int>(i + 1) * IndentPerLevel, true);
    }
    setCurrentRow(count() - 1);
    const QDir current(directory_);
    const int subLevel = static_cast<int>(parts.size() + 1) * IndentPerLevel;
    for (const QString& name : current.entryList(QDir::Dirs | QDir::NoDotAndDotDot, QDir::Name | QDir::IgnoreCase))
        AddEntry(name, current.filePath(name), subLevel, false);
}

void TDirectoryListBox::AddEntry(const QString& caption, const QString& path, int level, bool open)
{
    const QIcon icon = QApplication::style()->standardIcon(open ? QStyle::SP_DirOpenIcon : QStyle::SP_DirClosedIcon);
    auto* item = new QListWidgetItem(icon, Indent.repeated(level) + caption, this);
    item->setData(PathRole, path);
}

void TDirectoryListBox::OpenEntry(QListWidgetItem* item)
{
    if (item != nullptr)
        SetDirectory(item->data(PathRole).toString());
}

void TDirectoryListBox::keyPressEvent(QKeyEvent* event)
{
    if (event->key() != Qt::Key_Return && event->key() != Qt::Key_Enter) {
        QListWidget::keyPressEvent(event);
        return;
    }
    OpenEntry(currentItem());
    event->accept();
}
