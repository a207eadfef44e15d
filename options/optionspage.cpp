#include "options/optionspage.h"

#include <QCheckBox>
#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QRadioButton>
#include <QVariant>

#include "controls/widgetmaker.h"
#include "options/languagechooser.h"
#include "options/optionshost.h"

namespace {

constexpr QSize BoxSize{185, 105};
const QPoint MiscPlace{26, 8};
const QPoint DifficultyPlace{26, 118};
const QPoint DrawCardPlace{310, 8};
const QPoint DrawPilePlace{310, 118};
const QRect LanguagePlace{28, 294, 266, 25};  // under the box of ways to play

constexpr int ControlHeight = 17;
constexpr int WideControl = 150;
constexpr int NarrowControl = 70;
const QRect UpperLeft{28, 34, WideControl, ControlHeight};
const QRect LowerLeftCheck{28, 74, WideControl, ControlHeight};
const QRect MiddleLeftCheck{28, 54, WideControl, ControlHeight};
const QRect LowerLeft{28, 70, WideControl, ControlHeight};
const QRect UpperLeftNarrow{28, 34, NarrowControl, ControlHeight};
const QRect LowerLeftNarrow{28, 70, NarrowControl, ControlHeight};
const QRect UpperRightNarrow{110, 34, NarrowControl, ControlHeight};
const QRect LowerRightNarrow{110, 68, NarrowControl, ControlHeight};

// Below the four boxes, left of the dialog's buttons; a box without a title,
// since a title line would not leave room for two rows.
const QRect PlayBounds{26, 228, 272, 58};
const QRect ResumeBounds{10, 8, 120, ControlHeight};
const QRect OutlinesBounds{138, 8, 125, ControlHeight};
const QRect UndoCaptionBounds{12, 32, 40, ControlHeight};
const QRect UndoChoiceBounds{56, 29, 170, 23};

constexpr int NoTag = -1;
constexpr int LastMove = 0;  // the undo choices, in the order listed
constexpr int EveryMove = 1;
constexpr char TagProperty[] = "Tag";

QGroupBox* MakeBox(QWidget* page, const char* name, const QString& title, const QPoint& place)
{
    auto* box = MakeControl<QGroupBox>(page, name, QRect(place, BoxSize));
    box->setTitle(title);
    return box;
}

QCheckBox* MakeCheck(QGroupBox* box, const char* name, const QString& caption, const QRect& bounds)
{
    auto* check = MakeControl<QCheckBox>(box, name, bounds);
    check->setText(caption);
    return check;
}

}  // namespace

TOptionsPage::TOptionsPage(GameSettings& settings, TOptionsHost& host, QWidget* parent)
    : QWidget(parent)
    , settings_(settings)
    , host_(host)
{
    setObjectName(QStringLiteral("TabSheet1"));
    CreateControls();
}

QRadioButton* TOptionsPage::AddRadio(QGroupBox* box, const char* name, const QString& caption, const QRect& bounds,
                                     int tag)
{
    auto* radio = new QRadioButton(caption, box);
    radio->setObjectName(QLatin1String(name));
    radio->setGeometry(bounds);
    radio->setProperty(TagProperty, tag);
    return radio;
}

void TOptionsPage::CreateControls()
{
    boxMisc = MakeBox(this, "boxMisc", tr(" Miscellaneous "), MiscPlace);
    boxPlays = MakeCheck(boxMisc, "boxPlays", tr(" Show # of plays"), UpperLeft);
    // Made between the two so that Tab visits the three from top to bottom.
    boxWinnable = MakeCheck(boxMisc, "boxWinnable", tr(" Only winnable deals"), MiddleLeftCheck);
    boxPeek = MakeCheck(boxMisc, "boxPeek", tr(" Peek at all Cards"), LowerLeftCheck);
    connect(boxPlays, &QCheckBox::clicked, this, &TOptionsPage::boxPlaysClick);
    connect(boxPeek, &QCheckBox::clicked, this, &TOptionsPage::boxPeekClick);
    connect(boxWinnable, &QCheckBox::clicked, this, [this] { settings_.OnlyWinnable = boxWinnable->isChecked(); });

    boxDifficulty = MakeBox(this, "boxDifficulty", tr(" Difficulty "), DifficultyPlace);
    radEasy = AddRadio(boxDifficulty, "radEasy", tr(" Easy"), UpperLeft, LevelEasy);
    radHard = AddRadio(boxDifficulty, "radHard", tr(" Hard"), LowerLeft, LevelHard);
    for (QRadioButton* level : {radEasy, radHard})
        connect(level, &QRadioButton::clicked, this, [this, level] { ClickLevel(level->property(TagProperty).toInt()); });

    boxDrawCard = MakeBox(this, "boxDrawCard", tr(" Draw Card "), DrawCardPlace);
    radPlaceTop = AddRadio(boxDrawCard, "radPlaceTop", tr(" Place on Top"), UpperLeft, NoTag);
    radPlaceBottom = AddRadio(boxDrawCard, "radPlaceBottom", tr(" Place on Bottom"), LowerLeft, NoTag);
    connect(radPlaceTop, &QRadioButton::clicked, this, &TOptionsPage::radPlaceTopClick);
    connect(radPlaceBottom, &QRadioButton::clicked, this, &TOptionsPage::radPlaceBottomClick);

    boxDrawPile = MakeBox(this, "boxDrawPile", tr(" Mininum Draw Pile "), DrawPilePlace);
    radNone = AddRadio(boxDrawPile, "radNone", tr(" None"), UpperLeftNarrow, 0);
    rad20 = AddRadio(boxDrawPile, "rad20", QStringLiteral(" 20"), LowerLeftNarrow, 20);
    rad25 = AddRadio(boxDrawPile, "rad25", QStringLiteral(" 25"), UpperRightNarrow, 25);
    rad30 = AddRadio(boxDrawPile, "rad30", QStringLiteral(" 30"), LowerRightNarrow, 30);
    for (QRadioButton* minimum : {radNone, rad20, rad25, rad30})
        connect(minimum, &QRadioButton::clicked, this,
                [this, minimum] { ClickMinDraw(minimum->property(TagProperty).toInt()); });
    CreatePlayControls();

    languageChooser_ = new TLanguageChooser(settings_, this);
    languageChooser_->setGeometry(LanguagePlace);
}

void TOptionsPage::CreatePlayControls()
{
    boxPlay = MakeControl<QGroupBox>(this, "boxPlay", PlayBounds);
    boxResume = MakeCheck(boxPlay, "boxResume", tr(" Resume game"), ResumeBounds);
    boxResume->setToolTip(tr("The game in progress comes back at your next start"));
    boxOutlines = MakeCheck(boxPlay, "boxOutlines", tr(" Stack outlines"), OutlinesBounds);
    boxOutlines->setToolTip(tr("Empty stacks show the suit and the first card they take"));
    auto* undoCaption = MakeControl<QLabel>(boxPlay, "lblUndo", UndoCaptionBounds);
    undoCaption->setText(tr("Undo:"));
    cmbUndo = MakeControl<QComboBox>(boxPlay, "cmbUndo", UndoChoiceBounds);
    cmbUndo->addItems({tr("Last move (classic)"), tr("Every move")});
    undoCaption->setBuddy(cmbUndo);
    connect(boxResume, &QCheckBox::clicked, this, [this] { settings_.ResumeGame = boxResume->isChecked(); });
    connect(boxOutlines, &QCheckBox::clicked, this, [this] {
        settings_.StackOutlines = boxOutlines->isChecked();
        host_.ApplyStackColor();  // repaints the stack columns, outlines and all
    });
    connect(cmbUndo, &QComboBox::activated, this, [this](int index) { settings_.UndoEveryMove = index == EveryMove; });
}

void TOptionsPage::ShowSettings()
{
    boxResume->setChecked(settings_.ResumeGame);
    boxOutlines->setChecked(settings_.StackOutlines);
    cmbUndo->setCurrentIndex(settings_.UndoEveryMove ? EveryMove : LastMove);
    CheckTagged(boxDrawPile, settings_.MinDrawPile);
    CheckTagged(boxDifficulty, settings_.Level);
    boxPeek->setChecked(settings_.PeekAtAll);
    (settings_.DrawTop ? radPlaceTop : radPlaceBottom)->setChecked(true);
    boxPlays->setChecked(settings_.ShowPlays);
    boxWinnable->setChecked(settings_.OnlyWinnable);
    languageChooser_->ShowSettings();
}

void TOptionsPage::CheckTagged(QGroupBox* box, int tag)
{
    for (QRadioButton* radio : box->findChildren<QRadioButton*>())
        if (radio->property(TagProperty).toInt() == tag)
            radio->setChecked(true);
}

void TOptionsPage::boxPlaysClick()
{
    settings_.ShowPlays = boxPlays->isChecked();
    host_.SetPlaysPanelVisible(settings_.ShowPlays);
}

void TOptionsPage::boxPeekClick()
{
    settings_.PeekAtAll = boxPeek->isChecked();
}

void TOptionsPage::ClickLevel(int tag)
{
    settings_.Level = static_cast<std::uint8_t>(tag);
}

void TOptionsPage::radPlaceTopClick()
{
    settings_.DrawTop = true;
}

void TOptionsPage::radPlaceBottomClick()
{
    settings_.DrawTop = false;
}

void TOptionsPage::ClickMinDraw(int tag)
{
    settings_.MinDrawPile = static_cast<std::uint8_t>(tag);
}
