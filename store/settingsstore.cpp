#include "store/settingsstore.h"

#include <string_view>

#include "store/inivalue.h"

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
constexpr std::string_view SoundNameKey = "Sound";
constexpr std::string_view SoundPathKey = "Paths";
constexpr std::string_view GamesKey = "HGame";
constexpr std::string_view WonKey = "HWon";
constexpr std::string_view LeftTotalKey = "HLeft";

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
}

void ReadSounds(const SectionReader& read, GameSettings& settings)
{
    for (int n = 1; n <= SoundEventCount; ++n) {
        const auto i = static_cast<std::size_t>(n);
        settings.SoundName[i] = CutToCharacters(read.Text(Numbered(SoundNameKey, n)), SoundNameLength);
        // Directories are kept whole: a deep home folder would otherwise never play.
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

void WriteOptions(TIniDocument& doc, std::string_view section, const GameSettings& s, WindowPosition position)
{
    doc.SetValue(section, MinimumKey, IntegerText(s.MinDrawPile));
    doc.SetValue(section, CardBackKey, IntegerText(s.CardBack));
    doc.SetValue(section, LevelKey, IntegerText(s.Level));
    doc.SetValue(section, TableColorKey, ColorText(s.TableColor));
    doc.SetValue(section, StackColorKey, ColorText(s.StackColor));
    doc.SetValue(section, PlayColorKey, ColorText(s.PlayColor));
    doc.SetValue(section, CardColorKey, ColorText(s.CardColor));
    doc.SetValue(section, DigitalBackKey, ColorText(s.DigitalBack));
    doc.SetValue(section, DigitalForeKey, ColorText(s.DigitalFore));
    doc.SetValue(section, TopKey, IntegerText(position.Top));
    doc.SetValue(section, LeftKey, IntegerText(position.Left));
    doc.SetValue(section, ShowPlaysKey, BoolText(s.ShowPlays));
    doc.SetValue(section, DrawTopKey, BoolText(s.DrawTop));
    doc.SetValue(section, SoundOnKey, BoolText(s.SoundOn));
    doc.SetValue(section, PeekAtAllKey, BoolText(s.PeekAtAll));
}

void WriteSounds(TIniDocument& doc, std::string_view section, const GameSettings& s)
{
    for (int n = 1; n <= SoundEventCount; ++n) {
        const auto i = static_cast<std::size_t>(n);
        doc.SetValue(section, Numbered(SoundNameKey, n), s.SoundName[i]);
        doc.SetValue(section, Numbered(SoundPathKey, n), s.SoundPath[i]);
    }
}

void WriteRow(TIniDocument& doc, std::string_view section, int n, const HistoryRow& row)
{
    doc.SetValue(section, Numbered(GamesKey, n), IntegerText(row.Games));
    doc.SetValue(section, Numbered(WonKey, n), IntegerText(row.Won));
    doc.SetValue(section, Numbered(LeftTotalKey, n), IntegerText(row.CardsLeftTotal));
}

void WriteHistory(TIniDocument& doc, std::string_view section, const GameHistory& history)
{
    // Rows without games are skipped, so their old keys stay in the file.
    for (int n = 1; n <= GameHistory::RowCount; ++n) {
        if (history.Row(n).Games != 0)
            WriteRow(doc, section, n, history.Row(n));
    }
}

}  // namespace

TSettingsStore::TSettingsStore(std::filesystem::path file) : ini_(std::move(file)) {}

void TSettingsStore::LoadSettings(const std::string& playerName, bool waveDeviceAvailable, GameSettings& settings,
                                  GameHistory& history)
{
    ini_.Reload();
    const SectionReader read(ini_, playerName);
    ReadOptions(read, settings);
    if (!waveDeviceAvailable)
        settings.SoundOn = false;
    ReadSounds(read, settings);
    ReadHistory(read, history);
}

WindowPosition TSettingsStore::LoadWindowPosition(const std::string& playerName) const
{
    const SectionReader read(ini_, playerName);
    return {read.Integer(TopKey, DefaultPosition.Top), read.Integer(LeftKey, DefaultPosition.Left)};
}

void TSettingsStore::SaveSettings(const std::string& playerName, const GameSettings& settings,
                                  const GameHistory& history, WindowPosition position)
{
    ini_.Update([&](TIniDocument& doc) {
        WriteOptions(doc, playerName, settings, position);
        WriteSounds(doc, playerName, settings);
        WriteHistory(doc, playerName, history);
    });
}

std::string TSettingsStore::ReadPrevious(int n) const
{
    return ini_.ReadString(SharedSection, Numbered(PreviousKey, n), "");
}

void TSettingsStore::WriteRecentPlayers(const std::string& playerName, const std::vector<std::string>& recent)
{
    ini_.Update([&](TIniDocument& doc) {
        doc.EraseSection(SharedSection);
        doc.SetValue(SharedSection, Numbered(PreviousKey, 0), playerName);
        int n = 1;
        for (const std::string& name : recent)
            doc.SetValue(SharedSection, Numbered(PreviousKey, n++), name);
    });
}

void TSettingsStore::EraseSection(const std::string& section)
{
    ini_.Update([&](TIniDocument& doc) { doc.EraseSection(section); });
}

void TSettingsStore::ZeroHistoryRow(const std::string& playerName, int row)
{
    ini_.Update([&](TIniDocument& doc) { WriteRow(doc, playerName, row, HistoryRow{}); });
}

bool IsValidPlayerName(const std::string& name)
{
    return !name.empty() && name.find_first_of("]\r\n") == std::string::npos
        && !EqualsIgnoringCase(TrimBlanks(name), SharedSection);  // names are matched trimmed
}
