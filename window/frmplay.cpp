#include "window/frmplay.h"

#include <algorithm>

#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QShowEvent>

#include "controls/glyphs.h"
#include "controls/image.h"
#include "pictures/pictures.h"
#include "store/settingsstore.h"
#include "store/settingswriteerror.h"
#include "controls/tcolor.h"
#include "controls/uifonts.h"
#include "window/erasequestion.h"
#include "window/writeerrorbox.h"

namespace {

constexpr int TitlePixels = 21;
constexpr int NamePixels = 12;
constexpr int ListLineHeight = 15;
constexpr int EditLineHeight = 21;

const QRect ImageBounds{60, 16, 32, 32};
const QRect DescBounds{99, 20, 149, 24};
const QRect NameBoxBounds{27, 68, 277, 125};
const QRect ExitBounds{67, 207, 69, 32};
const QRect DeleteBounds{151, 207, 69, 32};
const QRect OkBounds{235, 207, 69, 32};

const char* const RefusedNameText = QT_TRANSLATE_NOOP(
    "Tfrm_Player", "A player's name must have 1 to %1 characters, with no control characters and no \"]\", "
                   "and cannot be \"Settings\".");

bool IsEnterKey(int key)
{
    return key == Qt::Key_Return || key == Qt::Key_Enter;
}

}  // namespace

Tfrm_Player::Tfrm_Player(TSettingsStore& store, Player& player, QWidget* parent)
    : QDialog(parent, Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint)
    , store_(store)
    , playerName_(player.Name)
{
    setObjectName(QStringLiteral("frm_Player"));
    setWindowTitle(tr("Enter Player Name"));
    setModal(true);
    setFont(SystemFont());
    UseButtonFaceBackground(*this);
    setFixedSize(ClientWidth, ClientHeight);
    move(DesignedLeft, DesignedTop);
    CreateControls();
}

void Tfrm_Player::CreateControls()
{
    icon_ = new TImage(this);
    icon_->setObjectName(QStringLiteral("Image1"));
    icon_->setGeometry(ImageBounds);
    icon_->SetPicture(LoadPicture(QStringLiteral("PLAYERICON")));
    icon_->setAccessibleName(tr("Player"));

    descLabel_ = new QLabel(QStringLiteral("Brackwater"), this);
    descLabel_->setObjectName(QStringLiteral("lbl_Desc"));
    descLabel_->setGeometry(DescBounds);
    descLabel_->setFont(ArialFont(TitlePixels));
    descLabel_->setAlignment(Qt::AlignHCenter | Qt::AlignTop);
    descLabel_->setStyleSheet(QStringLiteral("color: black"));

    CreateNameBox();
    CreateButtons();
    setTabOrder(nameEdit_, exitButton_);
    setTabOrder(exitButton_, deleteButton_);
    setTabOrder(deleteButton_, okButton_);
}

// An always-open name box: the edit line keeps the focus, the list below it
// is picked from with the mouse or with the arrow keys in the edit line.
void Tfrm_Player::CreateNameBox()
{
    playerBox_ = new QWidget(this);
    playerBox_->setObjectName(QStringLiteral("cmb_Player"));
    playerBox_->setGeometry(NameBoxBounds);
    playerBox_->setFont(ArialFont(NamePixels));

    nameEdit_ = new QLineEdit(playerBox_);
    nameEdit_->setObjectName(QStringLiteral("cmb_PlayerEdit"));
    nameEdit_->setGeometry(0, 0, NameBoxBounds.width(), EditLineHeight);
    nameEdit_->installEventFilter(this);
    playerBox_->setFocusProxy(nameEdit_);
    playerBox_->setAccessibleName(tr("Choose a player"));
    nameEdit_->setAccessibleName(tr("Player name"));
    nameEdit_->setAccessibleDescription(tr("Type a name, or pick one of the players below with the arrow keys"));

    nameList_ = new QListWidget(playerBox_);
    nameList_->setObjectName(QStringLiteral("cmb_PlayerList"));
    nameList_->setGeometry(0, EditLineHeight, NameBoxBounds.width(), NameBoxBounds.height() - EditLineHeight);
    nameList_->setFocusPolicy(Qt::NoFocus);
    nameList_->setAccessibleName(tr("Players"));
    nameList_->setSelectionMode(QAbstractItemView::SingleSelection);
    nameList_->setUniformItemSizes(true);

    connect(nameList_, &QListWidget::itemClicked, this, &Tfrm_Player::ChooseEntry);
    connect(nameList_, &QListWidget::itemDoubleClicked, this, &Tfrm_Player::cmb_PlayerDblClick);
    // A name typed by hand is no longer the entry picked before, so Delete
    // must not remove that entry any more.
    connect(nameEdit_, &QLineEdit::textEdited, nameList_, &QListWidget::clearSelection);
}

void Tfrm_Player::CreateButtons()
{
    exitButton_ = MakeGlyphButton(this, "btn_Exit", tr("E&xit"), ExitBounds, QStringLiteral("EXIT"));
    deleteButton_ = MakeGlyphButton(this, "btn_Delete", tr("&Delete"), DeleteBounds, QStringLiteral("DELETE"));
    deleteButton_->setEnabled(false);
    okButton_ = MakeGlyphButton(this, "btn_OK", tr("&OK"), OkBounds, QStringLiteral("TICK"));
    okButton_->setDefault(true);
    connect(exitButton_, &QPushButton::clicked, this, &Tfrm_Player::btn_ExitClick);
    connect(deleteButton_, &QPushButton::clicked, this, &Tfrm_Player::AskDelete);
    connect(okButton_, &QPushButton::clicked, this, &Tfrm_Player::AcceptPlayer);
}

void Tfrm_Player::SetStartupForm()
{
    startupForm_ = true;
    exitButton_->move(DeleteBounds.topLeft());
    deleteButton_->hide();
    exitButton_->show();
}

void Tfrm_Player::SetLaterForm()
{
    startupForm_ = false;
    exitButton_->hide();
    deleteButton_->show();
}

// A player who can no longer accept (the file refuses writes) must still be
// able to go back to the game as the same player. The start-up form has Exit.
void Tfrm_Player::reject()
{
    if (!acceptFailed_ || startupForm_)
        return;
    playerName_ = playerAtShow_;
    done(QDialog::Rejected);
}

void Tfrm_Player::showEvent(QShowEvent* event)
{
    QDialog::showEvent(event);
    if (!event->spontaneous())
        FormShow();
}

void Tfrm_Player::FormShow()
{
    acceptFailed_ = false;
    playerAtShow_ = playerName_;
    nameList_->clear();
    PutInEditLine(QString::fromStdString(playerName_));
    playerBox_->setFocus();
    for (int n = 1; n <= TSettingsStore::RecentPlayerCount; ++n) {
        const std::string name = store_.ReadPrevious(n);
        if (!name.empty())
            AddListEntry(nameList_->count(), QString::fromStdString(name));
    }
}

void Tfrm_Player::AddListEntry(int position, const QString& name)
{
    auto* item = new QListWidgetItem(name);
    item->setSizeHint(QSize(0, ListLineHeight));
    nameList_->insertItem(position, item);
}

void Tfrm_Player::PutInEditLine(const QString& name)
{
    nameEdit_->setText(name);
    nameEdit_->selectAll();
}

QStringList Tfrm_Player::ListedNames() const
{
    QStringList names;
    for (int i = 0; i < nameList_->count(); ++i)
        names.append(nameList_->item(i)->text());
    return names;
}

std::vector<std::string> Tfrm_Player::RecentPlayers() const
{
    std::vector<std::string> names;
    for (const QString& name : ListedNames())
        names.push_back(name.toStdString());
    return names;
}

void Tfrm_Player::ChooseEntry(QListWidgetItem* item)
{
    PutInEditLine(item->text());
    cmb_PlayerClick();
}

void Tfrm_Player::cmb_PlayerClick()
{
    if (!nameList_->selectedItems().isEmpty())
        deleteButton_->setEnabled(true);
}

void Tfrm_Player::cmb_PlayerDblClick(QListWidgetItem* item)
{
    PutInEditLine(item->text());
    AcceptPlayer();
}

void Tfrm_Player::MoveSelection(int step)
{
    const int count = nameList_->count();
    if (count == 0)
        return;
    const QList<QListWidgetItem*> selected = nameList_->selectedItems();
    const int from = selected.isEmpty() ? (step > 0 ? -1 : count) : nameList_->row(selected.first());
    QListWidgetItem* item = nameList_->item(std::clamp(from + step, 0, count - 1));
    nameList_->setCurrentItem(item);
    item->setSelected(true);
    ChooseEntry(item);
}

bool Tfrm_Player::cmb_PlayerKeyDown(int key)
{
    if (IsEnterKey(key)) {
        if (!nameEdit_->text().isEmpty())
            AcceptPlayer();
        return true;
    }
    if (key == Qt::Key_Up || key == Qt::Key_Down) {
        MoveSelection(key == Qt::Key_Up ? -1 : 1);
        return true;
    }
    return false;
}

bool Tfrm_Player::eventFilter(QObject* watched, QEvent* event)
{
    if (watched == nameEdit_ && event->type() == QEvent::KeyPress)
        return cmb_PlayerKeyDown(static_cast<QKeyEvent*>(event)->key());
    return QDialog::eventFilter(watched, event);
}

// When the name stands in the list more than once, the last entry is the one moved.
void Tfrm_Player::MoveNameToTop(const QString& name)
{
    for (int i = nameList_->count() - 1; i >= 0; --i) {
        if (nameList_->item(i)->text() == name) {
            nameList_->insertItem(0, nameList_->takeItem(i));
            return;
        }
    }
    if (nameList_->count() >= TSettingsStore::RecentPlayerCount)
        delete nameList_->takeItem(TSettingsStore::RecentPlayerCount - 1);
    AddListEntry(0, name);
}

void Tfrm_Player::AcceptPlayer()
{
    // The file gives names back without their outer spaces; take them so from the start.
    const QString name = nameEdit_->text().trimmed();
    if (name.isEmpty())
        return;
    // Such a name would break its own section or share the recent-players one.
    if (!IsValidPlayerName(name.toStdString())) {
        ShowPlainMessage(this, tr(RefusedNameText).arg(MaxPlayerNameLength));
        return;
    }
    if (name.toStdString() != playerName_) {
        playerName_ = name.toStdString();
        MoveNameToTop(name);
    }
    try {
        store_.WriteRecentPlayers(playerName_, RecentPlayers());
    } catch (const SettingsWriteError& error) {
        ShowWriteError(this, error);
        acceptFailed_ = true;
        return;
    }
    choseExit_ = false;
    done(QDialog::Accepted);
}

// Deleting takes the player's settings, history and kept game for good.
void Tfrm_Player::AskDelete()
{
    const QList<QListWidgetItem*> selected = nameList_->selectedItems();
    if (!selected.isEmpty()
        && !ConfirmErase(this, tr("Delete the player %1 with all settings and history?").arg(selected.first()->text())))
        return;
    btn_DeleteClick();
}

void Tfrm_Player::btn_DeleteClick()
{
    const QList<QListWidgetItem*> selected = nameList_->selectedItems();
    if (!selected.isEmpty()) {
        QListWidgetItem* entry = selected.first();
        try {
            store_.EraseSection(entry->text().toStdString());
        } catch (const SettingsWriteError& error) {
            ShowWriteError(this, error);
            return;
        }
        delete entry;
        nameList_->clearSelection();
        if (nameList_->count() > 0)
            PutInEditLine(nameList_->item(0)->text());
        playerBox_->setFocus();
    }
    deleteButton_->setEnabled(false);
}

void Tfrm_Player::btn_ExitClick()
{
    choseExit_ = true;
    done(QDialog::Rejected);
}
