#include "window/gameresume.h"

#include "engine/game.h"
#include "engine/player.h"
#include "store/settingsstore.h"
#include "store/settingswriteerror.h"
#include "window/writeerrorbox.h"

TGameResume::TGameResume(Game& game, Player& player, TSettingsStore& store, QWidget& window)
    : game_(game), player_(player), store_(store), window_(window)
{
}

void TGameResume::ResumeOrDeal()
{
    kept_.clear();
    errorShown_ = false;
    const auto saved = player_.Settings.ResumeGame ? store_.LoadGame(player_.Name) : std::nullopt;
    if (!saved || !game_.Resume(*saved))
        game_.NewGame();
    Keep();
}

void TGameResume::Keep()
{
    const GameState& s = game_.State();
    if (game_.IsDealing() || s.DrawCount < 0)
        return;
    if (!player_.Settings.ResumeGame || game_.IsOver()) {
        Forget();
        return;
    }
    const SavedGame saved = game_.Save();
    // A deal cut short by a close is no game to come back to.
    if (!IsPlayable(saved))
        return;
    const SavedGameKeys keys = SavedGameText(saved);
    if (keys != kept_)
        Write(saved, keys);
}

void TGameResume::Forget()
{
    try {
        store_.EraseGame(player_.Name);
        kept_.clear();
    } catch (const SettingsWriteError& error) {
        if (!errorShown_)
            ShowWriteError(&window_, error);
        errorShown_ = true;
    }
}

void TGameResume::Write(const SavedGame& saved, const SavedGameKeys& keys)
{
    try {
        store_.SaveGame(player_.Name, saved);
        kept_ = keys;
    } catch (const SettingsWriteError& error) {
        if (!errorShown_)
            ShowWriteError(&window_, error);
        errorShown_ = true;
    }
}
