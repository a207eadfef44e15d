#include "window/frmhist.h"

#include <algorithm>
#include <cstdint>

#include <QLabel>
#include <QPushButton>
#include <QShowEvent>

#include "engine/gamehistory.h"
#include "controls/glyphs.h"
#include "controls/panel.h"
#include "store/settingsstore.h"
#include "store/settingswriteerror.h"
#include "controls/stringgrid.h"
#include "controls/tcolor.h"
#include "controls/uifonts.h"
#include "controls/widgetmaker.h"
#include "window/erasequestion.h"
#include "window/writeerrorbox.h"

namespace {

constexpr int GridCols = 4;
constexpr int GridRows = GameHistory::RowCount + 1;
constexpr int GridColWidth = 110;
constexpr int GridRowHeight = 20;
constexpr int GridPixels = 12;
constexpr int PanelPixels = 13;
// Row 1 gathers the piles below this size and the last row those above 40.
constexpr int SmallestCountedPile = 10;
constexpr int RowToPileSize = 8;

constexpr int ColDrawPile = 0;
constexpr int ColGames = 1;
constexpr int ColWon = 2;
constexpr int ColAverage = 3;

const QRect GridBounds{0, 0, 460, 296};
const QRect TotalBounds{0, 295, 111, 25};
const QRect GamesBounds{111, 295, 111, 25};
const QRect WonBounds{222, 295, 111, 25};
const QRect AvgBounds{333, 295, 111, 25};
const QRect ZeroBounds{294, 330, 69, 32};
const QRect OkBounds{378, 330, 69, 32};

// A lowered panel with its caption centred inside the bevel.
TPanel* MakePanel(QWidget* parent, const char* name, const QRect& bounds, const QFont& font, QLabel*& caption)
{
    auto* panel = MakeControl<TPanel>(parent, name, bounds);
    panel->SetBevelOuter(TPanelBevel::bvLowered);
    caption = new QLabel(panel);
    caption->setObjectName(QLatin1String(name) + QStringLiteral("Caption"));
    caption->setAlignment(Qt::AlignCenter);
    caption->setGeometry(panel->rect().adjusted(1, 1, -1, -1));
    caption->setStyleSheet(QStringLiteral("color: black"));
    // Set on the caption itself: a style sheet keeps it from taking the panel's font.
    caption->setFont(font);
    return panel;
}

QString PileSizeText(int row)
{
    if (row == 1)
        return QStringLiteral("< %1").arg(SmallestCountedPile);
    if (row == GameHistory::RowCount)
        return QStringLiteral("> %1").arg(GameHistory::RowCount - 1 + RowToPileSize);
    return QString::number(row + RowToPileSize);
}

}  // namespace

Tfrm_Hist::Tfrm_Hist(Player& player, TSettingsStore& store, QWidget* parent)
    : QDialog(parent, Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint)
    , history_(player.History)
    , store_(store)
    , playerName_(player.Name)
{
    setObjectName(QStringLiteral("frm_Hist"));
    setModal(true);
    setFont(SystemFont());
    UseButtonFaceBackground(*this);
    setFixedSize(ClientWidth, ClientHeight);
    CreateControls();
    FormCreate();
}

void Tfrm_Hist::CreateControls()
{
    CreateGrid();
    CreatePanels();
    CreateButtons();
    // Screen order: Zero stands left of OK.
    setTabOrder(historyGrid_, zeroButton_);
    setTabOrder(zeroButton_, okButton_);
    historyGrid_->setAccessibleName(tr("Results by draw pile start number"));
}

void Tfrm_Hist::CreateGrid()
{
    historyGrid_ = new TStringGrid(GridCols, GridRows, this);
    historyGrid_->setObjectName(QStringLiteral("grd_History"));
    historyGrid_->setGeometry(GridBounds);
    historyGrid_->SetDefaultColWidth(GridColWidth);
    historyGrid_->SetDefaultRowHeight(GridRowHeight);
    historyGrid_->setFont(ArialFont(GridPixels));
}

void Tfrm_Hist::CreatePanels()
{
    QLabel* totalCaption = nullptr;
    totalPanel_ = MakePanel(this, "pan_Total", TotalBounds, font(), totalCaption);
    totalCaption->setText(tr("Totals"));
    const QFont figures = ArialFont(PanelPixels);
    gamesPanel_ = MakePanel(this, "pan_Games", GamesBounds, figures, gamesLabel_);
    wonPanel_ = MakePanel(this, "pan_Won", WonBounds, figures, wonLabel_);
    averagePanel_ = MakePanel(this, "pan_Avg", AvgBounds, figures, averageLabel_);
}

void Tfrm_Hist::CreateButtons()
{
    zeroButton_ = MakeGlyphButton(this, "btn_Zero", tr("&Zero"), ZeroBounds, QStringLiteral("ZERO"));
    okButton_ = MakeGlyphButton(this, "btn_OK", tr("&OK"), OkBounds, QStringLiteral("TICK"));
    okButton_->setDefault(true);
    connect(zeroButton_, &QPushButton::clicked, this, &Tfrm_Hist::AskZero);
    connect(okButton_, &QPushButton::clicked, this, &QDialog::accept);
}

void Tfrm_Hist::FormCreate()
{
    historyGrid_->SetCell(ColDrawPile, 0, tr("Starting Draw Pile"));
    historyGrid_->SetCell(ColGames, 0, tr(" Games Played"));
    historyGrid_->SetCell(ColWon, 0, tr("  Games Won"));
    historyGrid_->SetCell(ColAverage, 0, tr(" Avg Cards Left"));
    for (int row = 1; row <= GameHistory::RowCount; ++row)
        historyGrid_->SetCell(ColDrawPile, row, PileSizeText(row));
}

void Tfrm_Hist::showEvent(QShowEvent* event)
{
    QDialog::showEvent(event);
    if (!event->spontaneous())
        FormShow();
}

void Tfrm_Hist::FormShow()
{
    setWindowTitle(tr("Game History for %1").arg(QString::fromStdString(playerName_)));
    UpdateStats();
}

void Tfrm_Hist::ShowRow(int row)
{
    const HistoryRow& counts = history_.Row(row);
    if (counts.Games <= 0) {
        for (int col : {ColGames, ColWon, ColAverage})
            historyGrid_->SetCell(col, row, QString());
        return;
    }
    historyGrid_->SetCell(ColGames, row, QString::number(counts.Games));
    historyGrid_->SetCell(ColWon, row, QString::number(counts.Won));
    historyGrid_->SetCell(ColAverage, row, QString::number(counts.CardsLeftTotal / counts.Games));
}

void Tfrm_Hist::UpdateStats()
{
    // Wider than a row's counters, so that many rows cannot overflow the sums.
    std::int64_t games = 0;
    std::int64_t won = 0;
    std::int64_t left = 0;
    int firstWithGames = 0;
    for (int row = 1; row <= GameHistory::RowCount; ++row) {
        ShowRow(row);
        const HistoryRow& counts = history_.Row(row);
        if (counts.Games <= 0)
            continue;
        games += counts.Games;
        won += counts.Won;
        left += counts.CardsLeftTotal;
        if (firstWithGames == 0)
            firstWithGames = row;
    }
    historyGrid_->SetTopRow(firstWithGames == 0 ? 1 : std::min(firstWithGames, LastTopRow));
    gamesLabel_->setText(QString::number(games));
    wonLabel_->setText(QString::number(won));
    averageLabel_->setText(QString::number(games == 0 ? 0 : left / games));
}

void Tfrm_Hist::ZeroRowInFile(int row)
{
    store_.ZeroHistoryRow(playerName_, row);
}

// Only a history that holds games is worth a question; an empty one has nothing to lose.
void Tfrm_Hist::AskZero()
{
    if (!history_.IsEmpty()
        && !ConfirmErase(this, tr("Erase the whole history of %1?").arg(QString::fromStdString(playerName_))))
        return;
    btn_ZeroClick();
}

void Tfrm_Hist::btn_ZeroClick()
{
    for (int row = 1; row <= GameHistory::RowCount; ++row) {
        if (history_.Row(row).Games <= 0)
            continue;
        try {
            ZeroRowInFile(row);
        } catch (const SettingsWriteError& error) {
            ShowWriteError(this, error);
            return;
        }
        history_.Row(row) = HistoryRow{};
    }
    UpdateStats();
}

QString Tfrm_Hist::TotalGamesText() const
{
    return gamesLabel_->text();
}

QString Tfrm_Hist::TotalWonText() const
{
    return wonLabel_->text();
}

QString Tfrm_Hist::AverageText() const
{
    return averageLabel_->text();
}
