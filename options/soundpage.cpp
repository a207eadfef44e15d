#include "options/soundpage.h"

#include <algorithm>

#include <QApplication>
#include <QComboBox>
#include <QDir>
#include <QGroupBox>
#include <QLabel>
#include <QMenu>
#include <QPixmap>
#include <QRadioButton>
#include <QSlider>

#include "options/directorylistbox.h"
#include "options/drivecombobox.h"
#include "options/filelistbox.h"
#include "controls/label3d.h"
#include "controls/glyphs.h"
#include "controls/tcolor.h"
#include "controls/uifonts.h"
#include "controls/widgetmaker.h"
#include "options/pagedrag.h"
#include "pictures/pictures.h"
#include "sound/soundevents.h"
#include "options/soundlabelkeys.h"
#include "options/soundnaming.h"
#include "sound/soundplayer.h"

namespace {

constexpr int BrowserLeft = 8;
constexpr int BrowserWidth = 130;
constexpr int DriveTop = 6;
const QRect DirectoryBounds{BrowserLeft, 34, BrowserWidth, 84};
const QRect FileListBounds{BrowserLeft, 138, BrowserWidth, 106};
constexpr int FileTypeTop = 248;
const QString WaveMask = QStringLiteral("*.wav");
const QString AnySoundMask = QStringLiteral("*.wav *.ogg *.oga *.flac *.opus");

const QRect VolumeCaptionBounds{150, 246, 50, 22};
const QRect VolumeBounds{200, 246, 106, 22};
constexpr int VolumePageStep = 10;

const QPoint SpeakersPlace{144, 168};
const QPoint TrashPlace{380, 160};

const QRect SwitchBoxBounds{224, 162, 141, 67};
const QPoint OnPlace{16, 30};
const QPoint OffPlace{84, 30};
constexpr QSize SwitchSize{50, 17};
constexpr int SwitchPixels = 12;
const char* const NoDeviceHint = QT_TRANSLATE_NOOP("TSoundPage", "This System is Incapable of Playing WAV Files");

constexpr int RowsPerColumn = 6;
constexpr int FirstRowTop = 6;
constexpr int RowHeight = 25;
constexpr int LeftNameLeft = 146;
constexpr int LeftNameWidth = 81;
constexpr int LeftSoundLeft = 230;
constexpr int RightNameLeft = 346;
constexpr int RightNameWidth = 70;
constexpr int RightSoundLeft = 417;
constexpr int SoundLabelWidth = 100;
constexpr std::array<int, RowsPerColumn> LeftColumnEvents = {1, 2, 3, 4, 5, 11};
constexpr std::array<int, RowsPerColumn> RightColumnEvents = {12, 6, 7, 8, 9, 10};
// Only events 1 to 10 have their stored names tidied; 11 and 12 keep theirs.
constexpr int LastTidiedEvent = 10;

constexpr std::array<const char*, SoundEventCount + 1> EventNames = {
    nullptr,
    QT_TRANSLATE_NOOP("TSoundPage", "Start Game"),
    QT_TRANSLATE_NOOP("TSoundPage", "Shuffle Deck"),
    QT_TRANSLATE_NOOP("TSoundPage", "Draw Card"),
    QT_TRANSLATE_NOOP("TSoundPage", "Shift Cards"),
    QT_TRANSLATE_NOOP("TSoundPage", "Play Card"),
    QT_TRANSLATE_NOOP("TSoundPage", "Fill Stack"),
    QT_TRANSLATE_NOOP("TSoundPage", "Undo"),
    QT_TRANSLATE_NOOP("TSoundPage", "Lose Game"),
    QT_TRANSLATE_NOOP("TSoundPage", "Win Game"),
    QT_TRANSLATE_NOOP("TSoundPage", "End Game"),
    QT_TRANSLATE_NOOP("TSoundPage", "Play 2 Places"),
    QT_TRANSLATE_NOOP("TSoundPage", "Peek"),
};

QString SoundLabelName(int event)
{
    // As the layout names them: only the first with a capital S.
    return event == 1 ? QStringLiteral("lbl_Sound1") : QStringLiteral("lbl_sound%1").arg(event);
}

QLabel* MakePicture(QWidget* parent, const char* name, const QString& picture, const QPoint& place, const QString& hint)
{
    const QPixmap pixmap = QPixmap::fromImage(LoadPicture(picture));
    auto* image = MakeControl<QLabel>(parent, name, QRect(place, pixmap.size()));
    image->setPixmap(pixmap);
    image->setToolTip(hint);
    return image;
}

QRadioButton* MakeSwitch(QGroupBox* box, const char* name, const QString& caption, const QPoint& place)
{
    auto* radio = MakeControl<QRadioButton>(box, name, QRect(place, SwitchSize));
    radio->setText(caption);
    radio->setFont(ArialFont(SwitchPixels));
    return radio;
}

}  // namespace

TSoundPage::TSoundPage(GameSettings& settings, bool waveDeviceAvailable, TSoundPlayer& player, QWidget* parent)
    : QWidget(parent)
    , settings_(settings)
    , player_(player)
{
    setObjectName(QStringLiteral("TabSheet4"));
    drag_ = new TPageDrag(
        *this, [this](QWidget* target) { return DragOver(target); }, [this](QWidget* target) { DragDrop(target); });
    CreateBrowser();
    CreateEventLabels();
    CreateDropTargets();
    CreateSwitch(waveDeviceAvailable);
    CreateVolume();
    CreateMenu(waveDeviceAvailable);
    CreateKeys();
}

// The drag may still hold the override cursor; it goes with the page.
TSoundPage::~TSoundPage()
{
    drag_->Cancel();
}

void TSoundPage::CreateBrowser()
{
    drvSound = new TDriveComboBox(this);
    drvSound->setObjectName(QStringLiteral("drvSound"));
    drvSound->move(BrowserLeft, DriveTop);
    drvSound->resize(BrowserWidth, drvSound->sizeHint().height());

    dirSound = new TDirectoryListBox(this);
    dirSound->setObjectName(QStringLiteral("dirSound"));
    dirSound->setGeometry(DirectoryBounds);

    lst_Sound = new TFileListBox(this);
    lst_Sound->setObjectName(QStringLiteral("lst_Sound"));
    lst_Sound->setGeometry(FileListBounds);
    lst_Sound->SetMask(WaveMask);
    drag_->AddSource(*lst_Sound->viewport());
    connect(lst_Sound, &TFileListBox::MouseDown, this, &TSoundPage::ListMouseDown);

    connect(drvSound, &TDriveComboBox::DriveChanged, dirSound, &TDirectoryListBox::SetDirectory);
    connect(dirSound, &TDirectoryListBox::DirectoryChanged, this, [this](const QString& directory) {
        lst_Sound->SetDirectory(directory);
        drvSound->ShowDriveOf(directory);
    });
    dirSound->SetDirectory(QDir::currentPath());
    CreateFileType();
}

// Wave files stay the default; the second choice adds the other formats the
// player decodes.
void TSoundPage::CreateFileType()
{
    cmb_FileType = new QComboBox(this);
    cmb_FileType->setObjectName(QStringLiteral("cmb_FileType"));
    cmb_FileType->addItem(tr("Wave Files"), WaveMask);
    cmb_FileType->addItem(tr("All Sound Files"), AnySoundMask);
    for (int i = 0; i < cmb_FileType->count(); ++i)
        cmb_FileType->setItemData(i, cmb_FileType->itemData(i), Qt::ToolTipRole);
    cmb_FileType->move(BrowserLeft, FileTypeTop);
    cmb_FileType->resize(BrowserWidth, cmb_FileType->sizeHint().height());
    connect(cmb_FileType, &QComboBox::currentIndexChanged, this,
            [this] { lst_Sound->SetMask(cmb_FileType->currentData().toString()); });
}

TLabel3d* TSoundPage::AddLabel(const QString& name, const QRect& bounds)
{
    auto* label = MakeControl<TLabel3d>(this, name, bounds);
    label->SetTransparent(true);
    return label;
}

void TSoundPage::CreateEventLabels()
{
    for (int row = 0; row < RowsPerColumn; ++row) {
        const int top = FirstRowTop + row * RowHeight;
        for (bool left : {true, false}) {
            const int event = left ? LeftColumnEvents[row] : RightColumnEvents[row];
            TLabel3d* name = AddLabel(QStringLiteral("lbl_desc%1").arg(event),
                                      left ? QRect(LeftNameLeft, top, LeftNameWidth, RowHeight)
                                           : QRect(RightNameLeft, top, RightNameWidth, RowHeight));
            name->SetCaption(tr(EventNames[event]));
            lbl_desc[event] = name;

            TLabel3d* sound = AddLabel(SoundLabelName(event),
                                       QRect(left ? LeftSoundLeft : RightSoundLeft, top, SoundLabelWidth, RowHeight));
            sound->SetColor(Qt::white);
            sound->SetBevelInner(TLabelBevel::bvLowered);
            sound->SetCaptionIndent(1);
            sound->SetTag(event);
            drag_->AddSource(*sound);
            connect(sound, &TLabel3d::MouseDown, this, &TSoundPage::LabelMouseDown);
            lbl_Sound[event] = sound;
        }
    }
}

void TSoundPage::CreateDropTargets()
{
    imgSound = MakePicture(this, "imgSound", QStringLiteral("SPEAKERS"), SpeakersPlace,
                           tr("Drop Here to Listen"));
    img_Trash = MakePicture(this, "img_Trash", QStringLiteral("WASTEBIN"), TrashPlace,
                            tr("Drop Here to Delete"));
}

void TSoundPage::CreateSwitch(bool waveDeviceAvailable)
{
    grp_sound = MakeControl<QGroupBox>(this, "grp_sound", SwitchBoxBounds);
    grp_sound->setTitle(tr("Sound"));
    rad_On = MakeSwitch(grp_sound, "rad_On", tr("On"), OnPlace);
    rad_Off = MakeSwitch(grp_sound, "rad_Off", tr("Off"), OffPlace);
    connect(rad_On, &QRadioButton::clicked, this, &TSoundPage::rad_OnClick);
    connect(rad_Off, &QRadioButton::clicked, this, &TSoundPage::rad_OffClick);
    if (waveDeviceAvailable)
        return;
    rad_Off->setChecked(true);
    rad_On->setEnabled(false);
    grp_sound->setToolTip(tr(NoDeviceHint));
}

void TSoundPage::CreateVolume()
{
    trk_Volume = MakeControl<QSlider>(this, "trk_Volume", VolumeBounds);
    trk_Volume->setOrientation(Qt::Horizontal);
    trk_Volume->setRange(0, FullVolume);
    trk_Volume->setPageStep(VolumePageStep);
    trk_Volume->setToolTip(tr("Volume of Every Sound"));
    connect(trk_Volume, &QSlider::valueChanged, this, [this](int value) { settings_.SoundVolume = value; });

    lbl_Volume = MakeControl<QLabel>(this, "lbl_Volume", VolumeCaptionBounds);
    lbl_Volume->setText(tr("&Volume"));
    lbl_Volume->setBuddy(trk_Volume);
}

void TSoundPage::CreateMenu(bool waveDeviceAvailable)
{
    popSound = new QMenu(this);
    popSound->setObjectName(QStringLiteral("popSound"));
    popDelete = popSound->addAction(tr("&Delete"), this, &TSoundPage::popDeleteClick);
    popDelete->setObjectName(QStringLiteral("popDelete"));
    popPlay = popSound->addAction(tr("&Play"), this, &TSoundPage::popPlayClick);
    popPlay->setObjectName(QStringLiteral("popPlay"));
    popPlay->setEnabled(waveDeviceAvailable);
}

// Everything the mouse does by dragging, the keys do on the focused label;
// Tab goes down the browser, then along the rows of events, then on.
void TSoundPage::CreateKeys()
{
    auto* keys = new TSoundLabelKeys(*this, {
        [this](int event) {
            if (!lst_Sound->SelectedFile().isEmpty())
                LabelDragDrop(event);
        },
        [this](int event) { ClearEvent(event); },
        [this](int event, QWidget& label) {
            PopupEvent = event;
            popSound->popup(label.mapToGlobal(label.rect().center()));
        },
        [this] { PlayPreview(ListFilePath()); },
    });
    keys->WatchList(*lst_Sound);
    QWidget* previous = cmb_FileType;
    for (int row = 0; row < RowsPerColumn; ++row) {
        for (int event : {LeftColumnEvents[row], RightColumnEvents[row]}) {
            keys->WatchLabel(*lbl_Sound[event], event);
            setTabOrder(previous, lbl_Sound[event]);
            previous = lbl_Sound[event];
        }
    }
    setTabOrder(previous, rad_On);
    setTabOrder(rad_On, rad_Off);
    setTabOrder(rad_Off, trk_Volume);
    dirSound->setAccessibleName(tr("Folders"));
    lst_Sound->setAccessibleName(tr("Sound files"));
    imgSound->setAccessibleName(tr("Speaker: drop a sound here to listen"));
    img_Trash->setAccessibleName(tr("Waste bin: drop an event's sound here to delete it"));
}

void TSoundPage::ShowSoundNames()
{
    for (int event = 1; event <= LastTidiedEvent; ++event) {
        std::string& name = settings_.SoundName[event];
        if (!name.empty())
            name = StoredSoundName(QString::fromStdString(name)).toStdString();
    }
    for (int event = 1; event <= SoundEventCount; ++event)
        ShowName(event, QString::fromStdString(settings_.SoundName[event]));
}

void TSoundPage::ShowSoundSwitch()
{
    (settings_.SoundOn ? rad_On : rad_Off)->setChecked(true);
    trk_Volume->setValue(std::clamp(settings_.SoundVolume, 0, FullVolume));
}

void TSoundPage::hideEvent(QHideEvent* event)
{
    drag_->Cancel();
    QWidget::hideEvent(event);
}

void TSoundPage::rad_OnClick()
{
    settings_.SoundOn = true;
}

void TSoundPage::rad_OffClick()
{
    settings_.SoundOn = false;
}

void TSoundPage::ListMouseDown(Qt::MouseButton button)
{
    if (button != Qt::LeftButton || lst_Sound->SelectedFile().isEmpty())
        return;
    dragItem_ = TDragItem::ListFile;
    dragEvent_ = 0;
    drag_->Arm();
}

void TSoundPage::LabelMouseDown(TLabel3d* sender, Qt::MouseButton button)
{
    if (sender->Caption().isEmpty())
        return;
    if (button == Qt::LeftButton) {
        dragItem_ = TDragItem::EventLabel;
        dragEvent_ = sender->Tag();
        drag_->Arm();
    } else if (button == Qt::RightButton) {
        PopupEvent = sender->Tag();
        popSound->popup(drag_->PressGlobalPos());
    }
}

// A long name does not fit its label; the hint shows it whole.
void TSoundPage::ShowName(int event, const QString& name)
{
    lbl_Sound[event]->SetCaption(name);
    lbl_Sound[event]->setToolTip(name);
    lbl_Sound[event]->setAccessibleName(tr("%1 sound: %2").arg(EventNames[event], name.isEmpty() ? tr("none") : name));
}

int TSoundPage::EventOfLabel(const QWidget* widget) const
{
    for (int event = 1; event <= SoundEventCount; ++event)
        if (lbl_Sound[event] == widget)
            return event;
    return 0;
}

bool TSoundPage::DragOver(QWidget* target) const
{
    if (target == nullptr)
        return false;
    if (target == imgSound)
        return SpeakerDragOver();
    if (target == img_Trash)
        return TrashDragOver();
    if (EventOfLabel(target) != 0)
        return LabelDragOver();
    return false;
}

void TSoundPage::DragDrop(QWidget* target)
{
    if (target == imgSound)
        SpeakerDragDrop();
    else if (target == img_Trash)
        TrashDragDrop();
    else if (const int event = EventOfLabel(target); event != 0)
        LabelDragDrop(event);
}

bool TSoundPage::LabelDragOver() const
{
    return dragItem_ == TDragItem::ListFile;
}

bool TSoundPage::SpeakerDragOver() const
{
    return dragItem_ != TDragItem::None;
}

bool TSoundPage::TrashDragOver() const
{
    return dragItem_ == TDragItem::EventLabel;
}

// Name and directory are kept whole: cut, they would name a file that is
// not there.
void TSoundPage::LabelDragDrop(int event)
{
    const QString name = StoredSoundName(lst_Sound->SelectedFile());
    ShowName(event, name);
    settings_.SoundName[event] = name.toStdString();
    settings_.SoundPath[event] = DirectoryWithSeparator(lst_Sound->Directory()).toStdString();
}

void TSoundPage::SpeakerDragDrop()
{
    if (dragItem_ == TDragItem::EventLabel)
        PlayPreview(EventSoundPath(settings_, static_cast<SoundEvent>(dragEvent_)));
    else if (dragItem_ == TDragItem::ListFile)
        PlayPreview(ListFilePath());
}

QString TSoundPage::ListFilePath() const
{
    const QString file = lst_Sound->SelectedFile();
    return file.isEmpty() ? QString() : QDir(lst_Sound->Directory()).filePath(file);
}

void TSoundPage::TrashDragDrop()
{
    ClearEvent(dragEvent_);
}

void TSoundPage::ClearEvent(int event)
{
    ShowName(event, QString());
    settings_.SoundName[event].clear();
    settings_.SoundPath[event].clear();
}

void TSoundPage::PlayPreview(const QString& fileName)
{
    if (fileName.isEmpty())
        return;
    QApplication::setOverrideCursor(Qt::WaitCursor);
    player_.PlaySync(fileName, settings_.SoundVolume);
    QApplication::restoreOverrideCursor();
}

void TSoundPage::popDeleteClick()
{
    if (PopupEvent != 0)
        ClearEvent(PopupEvent);
}

void TSoundPage::popPlayClick()
{
    if (PopupEvent != 0)
        PlayPreview(EventSoundPath(settings_, static_cast<SoundEvent>(PopupEvent)));
}
