#pragma once

#include <array>

#include <QWidget>

#include "engine/gamesettings.h"
#include "engine/soundevent.h"

class QAction;
class QComboBox;
class QGroupBox;
class QLabel;
class QMenu;
class QRadioButton;
class QSlider;
class TDirectoryListBox;
class TDriveComboBox;
class TFileListBox;
class TLabel3d;
class TPageDrag;
class TSoundPlayer;

// The "Sound" page: sound files are dragged from a small file browser onto
// the labels of the twelve sound events; a label dragged onto the
// loudspeakers plays its sound, onto the waste bin clears it; a right-click
// menu on a label does the same; the sound switch and the volume.
class TSoundPage final : public QWidget {
    Q_OBJECT

public:
    TSoundPage(GameSettings& settings, bool waveDeviceAvailable, TSoundPlayer& player, QWidget* parent = nullptr);
    ~TSoundPage() override;
    TSoundPage(const TSoundPage&) = delete;
    TSoundPage& operator=(const TSoundPage&) = delete;

    // The first step of every showing: tidies the stored names and shows
    // each event's name on its label.
    void ShowSoundNames();
    // The last step of every showing: the switch and the volume follow the
    // settings.
    void ShowSoundSwitch();
    // Plays a file for listening, with the wait cursor meanwhile.
    void PlayPreview(const QString& fileName);

    TPageDrag& Drag() { return *drag_; }

protected:
    void hideEvent(QHideEvent* event) override;

private:
    enum class TDragItem { None, ListFile, EventLabel };

    void CreateBrowser();
    void CreateFileType();
    void CreateVolume();
    void CreateEventLabels();
    void CreateDropTargets();
    void CreateSwitch(bool waveDeviceAvailable);
    void CreateMenu(bool waveDeviceAvailable);
    void CreateKeys();
    TLabel3d* AddLabel(const QString& name, const QRect& bounds);
    void ShowName(int event, const QString& name);
    int EventOfLabel(const QWidget* widget) const;
    void ClearEvent(int event);
    QString ListFilePath() const;

    void rad_OnClick();
    void rad_OffClick();
    void ListMouseDown(Qt::MouseButton button);
    void LabelMouseDown(TLabel3d* sender, Qt::MouseButton button);

    bool DragOver(QWidget* target) const;
    void DragDrop(QWidget* target);
    bool LabelDragOver() const;
    void LabelDragDrop(int event);
    bool SpeakerDragOver() const;
    void SpeakerDragDrop();
    bool TrashDragOver() const;
    void TrashDragDrop();

    void popDeleteClick();
    void popPlayClick();

    GameSettings& settings_;
    TSoundPlayer& player_;
    TPageDrag* drag_ = nullptr;
    TDragItem dragItem_ = TDragItem::None;
    int dragEvent_ = 0;
    int PopupEvent = 0;

    TDriveComboBox* drvSound = nullptr;
    TDirectoryListBox* dirSound = nullptr;
    TFileListBox* lst_Sound = nullptr;
    QComboBox* cmb_FileType = nullptr;
    QLabel* lbl_Volume = nullptr;
    QSlider* trk_Volume = nullptr;
    QLabel* imgSound = nullptr;
    QLabel* img_Trash = nullptr;
    QGroupBox* grp_sound = nullptr;
    QRadioButton* rad_On = nullptr;
    QRadioButton* rad_Off = nullptr;
    std::array<TLabel3d*, SoundEventCount + 1> lbl_desc{};   // indexed by event 1..12
    std::array<TLabel3d*, SoundEventCount + 1> lbl_Sound{};  // indexed by event 1..12
    QMenu* popSound = nullptr;
    QAction* popDelete = nullptr;
    QAction* popPlay = nullptr;
};
