#include "store/settingsstore.h"

#include <algorithm>
#include <string_view>
#include <utility>

#include "store/inivalue.h"
#include "store/savedgametext.h"

namespace {

constexpr std::string_view SharedSection = "Settings";
constexpr std::string_view PreviousKey = "Previous";

constexpr std::string_view MinimumKey = "Mininum";  // sic: settings files spell it so
constexpr std::string_view CardBackKey = "Card Back";
constexpr std::string_view LevelKey = "Level";
constexpr std::string_view TableColorKey = "Table Color";
constexpr std::string_view StackColorKey = "Stack Color";
constexpr std::string_view PlayColorKey = "Play Color";
constexpr std::string_view CardColorKey = "Card Color";
constexpr std::string_view DigitalBackKey = "Digital Back";
constexpr std::string_view DigitalForeKey = "Digital Fore";
constexpr std::string_view TopKey = "Top";
constexpr std::string_view LeftKey = "Left";
constexpr std::string_view ShowPlaysKey = "Show Plays";
constexpr std::string_view DrawTopKey = "Draw Top";
constexpr std::string_view SoundOnKey = "Sound";
constexpr std::string_view PeekAtAllKey = "Peek at All";
constexpr std::string_view VolumeKey = "Volume";
constexpr std::string_view ResumeGameKey = "Resume Game";
constexpr std::string_view UndoEveryMoveKey = "Undo Every Move";
constexpr std::string_view StackOutlinesKey = "Stack Outlines";
constexpr std::string_view OnlyWinnableKey = "Only Winnable";
constexpr std::string_view ShowVerdictKey = "Show Verdict";
// Empty: the desktop's language.
constexpr std::string_view LanguageKey = "Language";
constexpr std::string_view SoundNameKey = "Sound";
constexpr std::string_view SoundPathKey = "Paths";
constexpr std::string_view GamesKey = "HGame";
constexpr std::string_view WonKey = "HWon";
constexpr std::string_view LeftTotalKey = "HLeft";
constexpr std::string_view ZoomKey = "Zoom";
constexpr std::string_view WidthKey = "Width";
constexpr std::string_view HeightKey = "Height";
constexpr std::string_view MaximizedKey = "Maximized";

const GameSettings Defaults{};
const WindowPosition DefaultPosition{};

std::string Numbered(std::string_view key, int n)
{
    return std::string(key) + std::to_string(n);
}

std::string IntegerText(std::int64_t value)
{
    return std::to_string(value);
}

std::string ColorText(TColor color)
{
    // Signed, as the file has always held them: system colours read negative.
    return IntegerText(static_cast<std::int32_t>(color));
}

std::string BoolText(bool value)
{
    return value ? "1" : "0";
}

class SectionReader {
public:
    SectionReader(const TIniFile& ini, std::string_view section) : ini_(ini), section_(section) {}

    std::int32_t Integer(std::string_view key, std::int32_t fallback) const
    {
        return ini_.ReadInteger(section_, key, fallback);
    }
    std::uint8_t Byte(std::string_view key, std::uint8_t fallback) const
    {
        return static_cast<std::uint8_t>(Integer(key, fallback));  // the low 8 bits
    }
    TColor Color(std::string_view key, TColor fallback) const
    {
        return static_cast<TColor>(Integer(key, static_cast<std::int32_t>(fallback)));
    }
    bool Bool(std::string_view key, bool fallback) const { return ini_.ReadBool(section_, key, fallback); }
    std::string Text(std::string_view key) const { return ini_.ReadString(section_, key, ""); }

private:
    const TIniFile& ini_;
    std::string_view section_;
};

void ReadOptions(const SectionReader& read, GameSettings& settings)
{
    settings.MinDrawPile = read.Byte(MinimumKey, Defaults.MinDrawPile);
    settings.CardBack = read.Byte(CardBackKey, Defaults.CardBack);
    settings.Level = read.Byte(LevelKey, Defaults.Level);
    settings.TableColor = read.Color(TableColorKey, Defaults.TableColor);
    settings.StackColor = read.Color(StackColorKey, Defaults.StackColor);
    settings.PlayColor = read.Color(PlayColorKey, Defaults.PlayColor);
    settings.CardColor = read.Color(CardColorKey, Defaults.CardColor);
    settings.DigitalBack = read.Color(DigitalBackKey, Defaults.DigitalBack);
    settings.DigitalFore = read.Color(DigitalForeKey, Defaults.DigitalFore);
    settings.ShowPlays = read.Bool(ShowPlaysKey, Defaults.ShowPlays);
    settings.DrawTop = read.Bool(DrawTopKey, Defaults.DrawTop);
    settings.SoundOn = read.Bool(SoundOnKey, Defaults.SoundOn);
    settings.PeekAtAll = read.Bool(PeekAtAllKey, Defaults.PeekAtAll);
    settings.SoundVolume = std::clamp(read.Integer(VolumeKey, Defaults.SoundVolume), 0, FullVolume);
    settings.ResumeGame = read.Bool(ResumeGameKey, Defaults.ResumeGame);
    settings.UndoEveryMove = read.Bool(UndoEveryMoveKey, Defaults.UndoEveryMove);
    settings.StackOutlines = read.Bool(StackOutlinesKey, Defaults.StackOutlines);
    settings.OnlyWinnable = read.Bool(OnlyWinnableKey, Defaults.OnlyWinnable);
    settings.ShowVerdict = read.Bool(ShowVerdictKey, Defaults.ShowVerdict);
    settings.Zoom = read.Integer(ZoomKey, Defaults.Zoom);
    settings.Language = read.Text(LanguageKey);
}

void ReadSounds(const SectionReader& read, GameSettings& settings)
{
    for (int n = 1; n <= SoundEventCount; ++n) {
        const auto i = static_cast<std::size_t>(n);
        // Names and directories are kept whole: cut, they would name a file
        // that is not there.
        settings.SoundName[i] = read.Text(Numbered(SoundNameKey, n));
        settings.SoundPath[i] = read.Text(Numbered(SoundPathKey, n));
    }
}

void ReadHistory(const SectionReader& read, GameHistory& history)
{
    for (int n = 1; n <= GameHistory::RowCount; ++n) {
        HistoryRow& row = history.Row(n);
        row = HistoryRow{};
        row.Games = read.Integer(Numbered(GamesKey, n), 0);
        if (row.Games == 0)
            continue;
        row.Won = read.Integer(Numbered(WonKey, n), 0);
        row.CardsLeftTotal = read.Integer(Numbered(LeftTotalKey, n), 0);
    }
}

using KeyValues = std::vector<std::pair<std::string, std::string>>;

// The single keys and the sound pairs, in the order the file has always held them.
KeyValues OptionTexts(const GameSettings& s, WindowPosition position)
{
    KeyValues texts{
        {std::string(MinimumKey), IntegerText(s.MinDrawPile)},
        {std::string(CardBackKey), IntegerText(s.CardBack)},
        {std::string(LevelKey), IntegerText(s.Level)},
        {std::string(TableColorKey), ColorText(s.TableColor)},
        {std::string(StackColorKey), ColorText(s.StackColor)},
        {std::string(PlayColorKey), ColorText(s.PlayColor)},
        {std::string(CardColorKey), ColorText(s.CardColor)},
        {std::string(DigitalBackKey), ColorText(s.DigitalBack)},
        {std::string(DigitalForeKey), ColorText(s.DigitalFore)},
        {std::string(TopKey), IntegerText(position.Top)},
        {std::string(LeftKey), IntegerText(position.Left)},
        {std::string(ShowPlaysKey), BoolText(s.ShowPlays)},
        {std::string(DrawTopKey), BoolText(s.DrawTop)},
        {std::string(SoundOnKey), BoolText(s.SoundOn)},
        {std::string(PeekAtAllKey), BoolText(s.PeekAtAll)},
        {std::string(VolumeKey), IntegerText(s.SoundVolume)},
        {std::string(ResumeGameKey), BoolText(s.ResumeGame)},
        {std::string(UndoEveryMoveKey), BoolText(s.UndoEveryMove)},
        {std::string(StackOutlinesKey), BoolText(s.StackOutlines)},
        {std::string(OnlyWinnableKey), BoolText(s.OnlyWinnable)},
        {std::string(ShowVerdictKey), BoolText(s.ShowVerdict)},
        {std::string(ZoomKey), IntegerText(s.Zoom)},
        {std::string(WidthKey), IntegerText(position.Width)},
        {std::string(HeightKey), IntegerText(position.Height)},
        {std::string(MaximizedKey), BoolText(position.Maximized)},
        {std::string(LanguageKey), s.Language},
    };
    for (int n = 1; n <= SoundEventCount; ++n) {
        const auto i = static_cast<std::size_t>(n);
        texts.emplace_back(Numbered(SoundNameKey, n), s.SoundName[i]);
        texts.emplace_back(Numbered(SoundPathKey, n), s.SoundPath[i]);
    }
    return texts;
}

// Only what this copy changed since it read the section goes to the file, so
// a change another copy made meanwhile to another key survives. A key missing
// from the file is written whatever it holds.
void WriteChangedOptions(TIniDocument& doc, std::string_view section, const KeyValues& now, const KeyValues* before)
{
    for (std::size_t i = 0; i < now.size(); ++i) {
        const auto& [key, value] = now[i];
        if (before == nullptr || (*before)[i].second != value || !doc.Value(section, key))
            doc.SetValue(section, key, value);
    }
}

std::int32_t IntegerIn(const TIniDocument& doc, std::string_view section, const std::string& key)
{
    const auto value = doc.Value(section, key);
    return value ? ParseIniInteger(*value).value_or(0) : 0;
}

void WriteRow(TIniDocument& doc, std::string_view section, int n, const HistoryRow& row)
{
    doc.SetValue(section, Numbered(GamesKey, n), IntegerText(row.Games));
    doc.SetValue(section, Numbered(WonKey, n), IntegerText(row.Won));
    doc.SetValue(section, Numbered(LeftTotalKey, n), IntegerText(row.CardsLeftTotal));
}

// Results recorded since the section was read are added to the counters in
// the file, so that every copy's games count. Rows without new results are
// not written, so their keys stay as they are.
void AddNewResults(TIniDocument& doc, std::string_view section, const GameHistory& now, const GameHistory& before)
{
    for (int n = 1; n <= GameHistory::RowCount; ++n) {
        const HistoryRow& mine = now.Row(n);
        const HistoryRow& seen = before.Row(n);
        if (mine == seen)
            continue;
        HistoryRow row;
        if (IntegerIn(doc, section, Numbered(GamesKey, n)) != 0) {  // as the reader sees it
            row.Games = IntegerIn(doc, section, Numbered(GamesKey, n));
            row.Won = IntegerIn(doc, section, Numbered(WonKey, n));
            row.CardsLeftTotal = IntegerIn(doc, section, Numbered(LeftTotalKey, n));
        }
        row.Games = AddSaturating(row.Games, std::int64_t{mine.Games} - seen.Games);
        row.Won = AddSaturating(row.Won, std::int64_t{mine.Won} - seen.Won);
        row.CardsLeftTotal = AddSaturating(row.CardsLeftTotal, std::int64_t{mine.CardsLeftTotal} - seen.CardsLeftTotal);
        WriteRow(doc, section, n, row);
    }
}

std::vector<std::string> RecentIn(const TIniDocument& doc)
{
    std::vector<std::string> names;
    for (int n = 1; n <= TSettingsStore::RecentPlayerCount; ++n) {
        if (auto name = doc.Value(SharedSection, Numbered(PreviousKey, n)); name && !name->empty())
            names.push_back(std::move(*name));
    }
    return names;
}

bool Contains(const std::vector<std::string>& names, const std::string& name)
{
    return std::find(names.begin(), names.end(), name) != names.end();
}

// Names another copy put in the list since this one read it keep their
// place after ours.
std::vector<std::string> MergedRecent(std::vector<std::string> mine, const std::vector<std::string>& seen,
                                      const std::vector<std::string>& onDisk)
{
    for (const std::string& name : onDisk) {
        if (!Contains(seen, name) && !Contains(mine, name))
            mine.push_back(name);
    }
    if (mine.size() > static_cast<std::size_t>(TSettingsStore::RecentPlayerCount))
        mine.resize(static_cast<std::size_t>(TSettingsStore::RecentPlayerCount));
    return mine;
}

bool SameSection(std::string_view a, std::string_view b)
{
    return EqualsIgnoringCase(TrimBlanks(a), TrimBlanks(b));
}

}  // namespace

TSettingsStore::TSettingsStore(std::filesystem::path file) : ini_(std::move(file)) {}

void TSettingsStore::LoadSettings(const std::string& playerName, bool waveDeviceAvailable, GameSettings& settings,
                                  GameHistory& history)
{
    ini_.Reload();
    const SectionReader read(ini_, playerName);
    ReadOptions(read, settings);
    // For this run only: the file keeps the player's choice for a run with sound.
    if (!waveDeviceAvailable)
        settings.SoundOn = false;
    ReadSounds(read, settings);
    ReadHistory(read, history);
    loaded_ = LoadedSection{playerName, OptionTexts(settings, LoadWindowPosition(playerName)), history};
}

WindowPosition TSettingsStore::LoadWindowPosition(const std::string& playerName) const
{
    const SectionReader read(ini_, playerName);
    return {read.Integer(TopKey, DefaultPosition.Top), read.Integer(LeftKey, DefaultPosition.Left),
            std::max(0, read.Integer(WidthKey, DefaultPosition.Width)),
            std::max(0, read.Integer(HeightKey, DefaultPosition.Height)),
            read.Bool(MaximizedKey, DefaultPosition.Maximized)};
}

void TSettingsStore::SaveSettings(const std::string& playerName, const GameSettings& settings,
                                  const GameHistory& history, WindowPosition position)
{
    const bool known = loaded_ && SameSection(loaded_->player, playerName);
    KeyValues options = OptionTexts(settings, position);
    ini_.Update([&](TIniDocument& doc) {
        WriteChangedOptions(doc, playerName, options, known ? &loaded_->options : nullptr);
        AddNewResults(doc, playerName, history, known ? loaded_->history : GameHistory{});
    });
    loaded_ = LoadedSection{playerName, std::move(options), history};
}

std::string TSettingsStore::ReadPrevious(int n) const
{
    return ini_.ReadString(SharedSection, Numbered(PreviousKey, n), "");
}

void TSettingsStore::WriteRecentPlayers(const std::string& playerName, const std::vector<std::string>& recent)
{
    const std::vector<std::string> seen = RecentIn(ini_.Document());
    ini_.Update([&](TIniDocument& doc) {
        const std::vector<std::string> merged = MergedRecent(recent, seen, RecentIn(doc));
        doc.EraseSection(SharedSection);
        doc.SetValue(SharedSection, Numbered(PreviousKey, 0), playerName);
        int n = 1;
        for (const std::string& name : merged)
            doc.SetValue(SharedSection, Numbered(PreviousKey, n++), name);
    });
}

void TSettingsStore::SaveGame(const std::string& playerName, const SavedGame& game)
{
    const SavedGameKeys keys = SavedGameText(game);
    ini_.Update([&](TIniDocument& doc) {
        doc.EraseKeys(playerName, SavedGamePrefix);
        for (const auto& [key, value] : keys)
            doc.SetValue(playerName, key, value);
    });
}

void TSettingsStore::EraseGame(const std::string& playerName)
{
    if (!ini_.Document().Value(playerName, std::string(SavedGamePrefix) + "Saved"))
        return;  // nothing kept: no write at all
    ini_.Update([&](TIniDocument& doc) { doc.EraseKeys(playerName, SavedGamePrefix); });
}

std::optional<SavedGame> TSettingsStore::LoadGame(const std::string& playerName) const
{
    return SavedGameFromText([&](const std::string& key) { return ini_.Document().Value(playerName, key); });
}

void TSettingsStore::EraseSection(const std::string& section)
{
    ini_.Update([&](TIniDocument& doc) { doc.EraseSection(section); });
    if (loaded_ && SameSection(loaded_->player, section))
        loaded_.reset();
}

void TSettingsStore::ZeroHistoryRow(const std::string& playerName, int row)
{
    ini_.Update([&](TIniDocument& doc) { WriteRow(doc, playerName, row, HistoryRow{}); });
    if (loaded_ && SameSection(loaded_->player, playerName))
        loaded_->history.Row(row) = HistoryRow{};
}

namespace {

bool HasControlCharacter(std::string_view text)
{
    for (std::size_t i = 0; i < text.size(); ++i) {
        const auto byte = static_cast<unsigned char>(text[i]);
        const bool c1 = byte == 0xC2 && i + 1 < text.size() && static_cast<unsigned char>(text[i + 1]) < 0xA0;
        if (byte < 0x20 || byte == 0x7F || c1)
            return true;
    }
    return false;
}

}  // namespace

bool IsValidPlayerName(const std::string& name)
{
    // Section names are read back trimmed and a value cut, so any other name
    // would come back as a different player.
    return !name.empty() && TrimBlanks(name) == name && CharacterCount(name) <= MaxPlayerNameLength
        && !HasControlCharacter(name) && name.find(']') == std::string::npos
        && !EqualsIgnoringCase(name, SharedSection);
}
