#pragma once

#include <functional>
#include <optional>

#include <QWidget>

#include "engine/gamesettings.h"

class QColorDialog;
class QFrame;
class QPushButton;
class TLabel3d;
class TOptionsHost;

// The "Color" page: a colour dialog for each panel colour, for the stack
// cards and for the two counter colours, each sample showing its setting.
class TColorPage final : public QWidget {
    Q_OBJECT

public:
    // Runs the colour dialog modally; true when the player confirmed.
    using TColorChooser = std::function<bool(QColorDialog&)>;
    // Tells the player why a colour was refused.
    using TRefusalShower = std::function<void(const QString&)>;

    TColorPage(GameSettings& settings, TOptionsHost& host, QColorDialog& dlgColor, QWidget* parent = nullptr);
    TColorPage(const TColorPage&) = delete;
    TColorPage& operator=(const TColorPage&) = delete;

    void ShowColors();

    void SetColorChooser(TColorChooser chooser) { chooseColor_ = std::move(chooser); }
    void SetRefusalShower(TRefusalShower shower) { showRefusal_ = std::move(shower); }

private:
    void CreateControls();
    QPushButton* AddButton(const char* name, const QString& caption, const QPoint& place);
    TLabel3d* AddSample(const char* name, const QPoint& place);
    QFrame* AddBox(const char* name, const QRect& bounds);

    // Opens the colour dialog, first preset to `preset` when given; the
    // chosen colour, or nothing when the player cancelled.
    std::optional<TColor> ChooseColor(std::optional<TColor> preset);
    void ChooseInto(TColor& setting, TLabel3d* sample, void (TOptionsHost::*apply)());
    void ChooseDigital(TColor& setting, TColor other, TLabel3d* sample);

    void ClickAll();
    void ClickStacks();
    void ClickTable();
    void ClickPlayPile();
    void ClickStackCard();
    void ClickBackGround();
    void ClickForeGround();

    GameSettings& settings_;
    TOptionsHost& host_;
    QColorDialog& dlgColor_;
    TColorChooser chooseColor_;
    TRefusalShower showRefusal_;

    QFrame* Bevel1 = nullptr;
    QFrame* bevStackCard = nullptr;
    QFrame* bevDigital = nullptr;
    QPushButton* btnAll = nullptr;
    QPushButton* btnStacks = nullptr;
    QPushButton* btnTable = nullptr;
    QPushButton* btnPlayPile = nullptr;
    QPushButton* btnStackCards = nullptr;
    QPushButton* btnDigitalBack = nullptr;
    QPushButton* btnDigitalFore = nullptr;
    TLabel3d* lblStacks = nullptr;
    TLabel3d* lblTable = nullptr;
    TLabel3d* lblPlayPile = nullptr;
    TLabel3d* lblStackCards = nullptr;
    TLabel3d* lblDigitalBack = nullptr;
    TLabel3d* lblDigitalFore = nullptr;
    TLabel3d* lblDigitalDisplay = nullptr;
};
