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

const QString RefusedNameText = QStringLiteral("A player's name cannot contain \"]\" or be \"Settings\".");

bool IsEnterKey(int key)
{
    return key == Qt::Key_Return || key == Qt::Key_Enter;
}

}  // namespace

Tfrm_Player::Tfrm_Player(TSettingsStore& store, std::string& playerName, QWidget* parent)
    : QDialog(parent, Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint)
    , store_(store)
    , playerName_(playerName)
{
    setObjectName(QStringLiteral("frm_Player"));
    setWindowTitle(QStringLiteral("Enter Player Name"));
    setModal(true);
    setFont(SystemFont());
    UseButtonFaceBackground(*this);
    setFixedSize(ClientWidth, ClientHeight);
    move(DesignedLeft, DesignedTop);
    CreateControls();
}

void Tfrm_Player::CreateControls()
{
    Image1 = new TImage(this);
    Image1->setObjectName(QStringLiteral("Image1"));
    Image1->setGeometry(ImageBounds);
    Image1->SetPicture(LoadPicture(QStringLiteral("PLAYERICON")));

    lbl_Desc = new QLabel(QStringLiteral("Brackwater"), this);
    lbl_Desc->setObjectName(QStringLiteral("lbl_Desc"));
    lbl_Desc->setGeometry(DescBounds);
    lbl_Desc->setFont(ArialFont(TitlePixels));
    lbl_Desc->setAlignment(Qt::AlignHCenter | Qt::AlignTop);
    lbl_Desc->setStyleSheet(QStringLiteral("color: black"));

    CreateNameBox();
    CreateButtons();
    setTabOrder(cmb_PlayerEdit, btn_Exit);
    setTabOrder(btn_Exit, btn_Delete);
    setTabOrder(btn_Delete, btn_OK);
}

// An always-open name box: the edit line keeps the focus, the list below it
// is picked from with the mouse or with the arrow keys in the edit line.
void Tfrm_Player::CreateNameBox()
{
    cmb_Player = new QWidget(this);
    cmb_Player->setObjectName(QStringLiteral("cmb_Player"));
    cmb_Player->setGeometry(NameBoxBounds);
    cmb_Player->setFont(ArialFont(NamePixels));

    cmb_PlayerEdit = new QLineEdit(cmb_Player);
    cmb_PlayerEdit->setObjectName(QStringLiteral("cmb_PlayerEdit"));
    cmb_PlayerEdit->setGeometry(0, 0, NameBoxBounds.width(), EditLineHeight);
    cmb_PlayerEdit->installEventFilter(this);
    cmb_Player->setFocusProxy(cmb_PlayerEdit);

    cmb_PlayerList = new QListWidget(cmb_Player);
    cmb_PlayerList->setObjectName(QStringLiteral("cmb_PlayerList"));
    cmb_PlayerList->setGeometry(0, EditLineHeight, NameBoxBounds.width(), NameBoxBounds.height() - EditLineHeight);
    cmb_PlayerList->setFocusPolicy(Qt::NoFocus);
    cmb_PlayerList->setSelectionMode(QAbstractItemView::SingleSelection);
    cmb_PlayerList->setUniformItemSizes(true);

    connect(cmb_PlayerList, &QListWidget::itemClicked, this, &Tfrm_Player::ChooseEntry);
    connect(cmb_PlayerList, &QListWidget::itemDoubleClicked, this, &Tfrm_Player::cmb_PlayerDblClick);
    // A name typed by hand is no longer the entry picked before, so Delete
    // must not remove that entry any more.
    connect(cmb_PlayerEdit, &QLineEdit::textEdited, cmb_PlayerList, &QListWidget::clearSelection);
}

void Tfrm_Player::CreateButtons()
{
    btn_Exit = MakeGlyphButton(this, "btn_Exit", QStringLiteral("E&xit"), ExitBounds, QStringLiteral("EXIT"));
    btn_Delete = MakeGlyphButton(this, "btn_Delete", QStringLiteral("&Delete"), DeleteBounds, QStringLiteral("DELETE"));
    btn_Delete->setEnabled(false);
    btn_OK = MakeGlyphButton(this, "btn_OK", QStringLiteral("&OK"), OkBounds, QStringLiteral("TICK"));
    btn_OK->setDefault(true);
    connect(btn_Exit, &QPushButton::clicked, this, &Tfrm_Player::btn_ExitClick);
    connect(btn_Delete, &QPushButton::clicked, this, &Tfrm_Player::btn_DeleteClick);
    connect(btn_OK, &QPushButton::clicked, this, &Tfrm_Player::AcceptPlayer);
}

void Tfrm_Player::SetStartupForm()
{
    btn_Exit->move(DeleteBounds.topLeft());
    btn_Delete->hide();
    btn_Exit->show();
}

void Tfrm_Player::SetLaterForm()
{
    btn_Exit->hide();
    btn_Delete->show();
}

void Tfrm_Player::reject() {}

void Tfrm_Player::showEvent(QShowEvent* event)
{
    QDialog::showEvent(event);
    if (!event->spontaneous())
        FormShow();
}

void Tfrm_Player::FormShow()
{
    cmb_PlayerList->clear();
    PutInEditLine(QString::fromStdString(playerName_));
    cmb_Player->setFocus();
    for (int n = 1; n <= TSettingsStore::RecentPlayerCount; ++n) {
        const std::string name = store_.ReadPrevious(n);
        if (!name.empty())
            AddListEntry(cmb_PlayerList->count(), QString::fromStdString(name));
    }
}

void Tfrm_Player::AddListEntry(int position, const QString& name)
{
    auto* item = new QListWidgetItem(name);
    item->setSizeHint(QSize(0, ListLineHeight));
    cmb_PlayerList->insertItem(position, item);
}

void Tfrm_Player::PutInEditLine(const QString& name)
{
    cmb_PlayerEdit->setText(name);
    cmb_PlayerEdit->selectAll();
}

QStringList Tfrm_Player::ListedNames() const
{
    QStringList names;
    for (int i = 0; i < cmb_PlayerList->count(); ++i)
        names.append(cmb_PlayerList->item(i)->text());
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
    if (!cmb_PlayerList->selectedItems().isEmpty())
        btn_Delete->setEnabled(true);
}

void Tfrm_Player::cmb_PlayerDblClick(QListWidgetItem* item)
{
    PutInEditLine(item->text());
    AcceptPlayer();
}

void Tfrm_Player::MoveSelection(int step)
{
    const int count = cmb_PlayerList->count();
    if (count == 0)
        return;
    const QList<QListWidgetItem*> selected = cmb_PlayerList->selectedItems();
    const int from = selected.isEmpty() ? (step > 0 ? -1 : count) : cmb_PlayerList->row(selected.first());
    QListWidgetItem* item = cmb_PlayerList->item(std::clamp(from + step, 0, count - 1));
    cmb_PlayerList->setCurrentItem(item);
    item->setSelected(true);
    ChooseEntry(item);
}

bool Tfrm_Player::cmb_PlayerKeyDown(int key)
{
    if (IsEnterKey(key)) {
        if (!cmb_PlayerEdit->text().isEmpty())
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
    if (watched == cmb_PlayerEdit && event->type() == QEvent::KeyPress)
        return cmb_PlayerKeyDown(static_cast<QKeyEvent*>(event)->key());
    return QDialog::eventFilter(watched, event);
}

// When the name stands in the list more than once, the last entry is the one moved.
void Tfrm_Player::MoveNameToTop(const QString& name)
{
    for (int i = cmb_PlayerList->count() - 1; i >= 0; --i) {
        if (cmb_PlayerList->item(i)->text() == name) {
            cmb_PlayerList->insertItem(0, cmb_PlayerList->takeItem(i));
            return;
        }
    }
    if (cmb_PlayerList->count() >= TSettingsStore::RecentPlayerCount)
        delete cmb_PlayerList->takeItem(TSettingsStore::RecentPlayerCount - 1);
    AddListEntry(0, name);
}

void Tfrm_Player::AcceptPlayer()
{
    const QString name = cmb_PlayerEdit->text();
    if (name.isEmpty())
        return;
    // Such a name would break its own section or share the recent-players one.
    if (!IsValidPlayerName(name.toStdString())) {
        ShowPlainMessage(this, RefusedNameText);
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
        return;
    }
    choseExit_ = false;
    done(QDialog::Accepted);
}

void Tfrm_Player::btn_DeleteClick()
{
    const QList<QListWidgetItem*> selected = cmb_PlayerList->selectedItems();
    if (!selected.isEmpty()) {
        QListWidgetItem* entry = selected.first();
        try {
            store_.EraseSection(entry->text().toStdString());
        } catch (const SettingsWriteError& error) {
            ShowWriteError(this, error);
            return;
        }
        delete entry;
        cmb_PlayerList->clearSelection();
        if (cmb_PlayerList->count() > 0)
            PutInEditLine(cmb_PlayerList->item(0)->text());
        cmb_Player->setFocus();
    }
    btn_Delete->setEnabled(false);
}

void Tfrm_Player::btn_ExitClick()
{
    choseExit_ = true;
    done(QDialog::Rejected);
}
