#include "store/savedgametext.h"

#include <charconv>
#include <sstream>

namespace {

constexpr std::string_view Ranks = "A23456789TJQK";
constexpr std::string_view Suits = "SHDC";  // in the order of the codes
constexpr std::string_view NoCardName = "--";
constexpr std::string_view Format = "1";
constexpr std::size_t UndoKeyLength = 900;
constexpr int MostUndoKeys = 200;

std::string Key(std::string_view name)
{
    return std::string(SavedGamePrefix) + std::string(name);
}

std::string Numbered(std::string_view name, int n)
{
    return Key(name) + std::to_string(n);
}

std::string CardName(CardCode code)
{
    if (!IsFaceCard(code))
        return std::string(NoCardName);
    return {Ranks[static_cast<std::size_t>(RankOf(code) - 1)], Suits[static_cast<std::size_t>(SuitOf(code))]};
}

std::optional<CardCode> CardFromName(std::string_view name)
{
    if (name == NoCardName)
        return NoCard;
    if (name.size() != 2)
        return std::nullopt;
    const std::size_t rank = Ranks.find(name[0]);
    const std::size_t suit = Suits.find(name[1]);
    if (rank == std::string_view::npos || suit == std::string_view::npos)
        return std::nullopt;
    return CardOf(static_cast<Suit>(suit), static_cast<int>(rank) + 1);
}

std::string Cards(const CardCode* first, int count)
{
    std::string text;
    for (int k = 0; k < count; ++k)
        text += (k > 0 ? " " : "") + CardName(first[k]);
    return text;
}

std::vector<std::string> Words(const std::string& text)
{
    std::istringstream in(text);
    std::vector<std::string> words;
    for (std::string word; in >> word;)
        words.push_back(word);
    return words;
}

std::vector<std::string> Split(const std::string& text, char separator)
{
    std::vector<std::string> parts;
    std::size_t start = 0;
    for (std::size_t end; (end = text.find(separator, start)) != std::string::npos; start = end + 1)
        parts.push_back(text.substr(start, end - start));
    parts.push_back(text.substr(start));
    return parts;
}

std::optional<int> Number(std::string_view text, int lowest, int highest)
{
    int value = 0;
    const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), value);
    if (error != std::errc{} || end != text.data() + text.size() || value < lowest || value > highest)
        return std::nullopt;
    return value;
}

// At most `room` cards into places 1.. of an array; the count read.
template <std::size_t N>
std::optional<int> ReadCards(const std::vector<std::string>& words, std::size_t from, std::array<CardCode, N>& into)
{
    const std::size_t count = words.size() - std::min(from, words.size());
    if (count > N - 1)
        return std::nullopt;
    for (std::size_t k = 0; k < count; ++k) {
        const auto card = CardFromName(words[from + k]);
        if (!card)
            return std::nullopt;
        into[k + 1] = *card;
    }
    return static_cast<int>(count);
}

struct RecordText {
    std::string operator()(const NothingToUndo&) const { return {}; }
    std::string operator()(const DrawUndo& u) const
    {
        return "D " + CardName(u.DrawnCard) + ' ' + std::to_string(u.ActiveSpot) + ' ' + (u.DrawTop ? '1' : '0') + ' '
            + (u.ShiftShown ? '1' : '0');
    }
    std::string operator()(const ShiftUndo& u) const { return u.Left ? "S L" : "S R"; }
    std::string operator()(const TablePlayUndo& u) const
    {
        return "T " + CardName(u.Card) + ' ' + std::to_string(u.Spot) + ' ' + std::to_string(u.Stack) + ' '
            + CardName(u.StackNext);
    }
    std::string operator()(const PlayPilePlayUndo& u) const
    {
        return "P " + std::to_string(u.Stack) + ' ' + CardName(u.StackNext) + ' ' + std::to_string(u.Index) + ' '
            + Cards(&u.PlayPile[1], u.PlayCount);
    }
};

std::optional<UndoRecord> RecordFromText(const std::string& text)
{
    const std::vector<std::string> w = Words(text);
    if (w.empty())
        return std::nullopt;
    const auto card = [&](std::size_t i) { return i < w.size() ? CardFromName(w[i]) : std::nullopt; };
    const auto number = [&](std::size_t i, int lowest, int highest) {
        return i < w.size() ? Number(w[i], lowest, highest) : std::nullopt;
    };
    if (w[0] == "S" && w.size() == 2 && (w[1] == "L" || w[1] == "R"))
        return ShiftUndo{w[1] == "L"};
    if (w[0] == "D" && w.size() == 5) {
        const auto drawn = card(1);
        const auto spot = number(2, 0, SpotCount);
        const auto top = number(3, 0, 1);
        const auto shift = number(4, 0, 1);
        if (drawn && spot && top && shift)
            return DrawUndo{*drawn, static_cast<std::uint8_t>(*spot), *top == 1, *shift == 1};
    }
    if (w[0] == "T" && w.size() == 5) {
        const auto played = card(1);
        const auto spot = number(2, 1, SpotCount);
        const auto stack = number(3, 1, StackCount);
        const auto next = card(4);
        if (played && spot && stack && next)
            return TablePlayUndo{*played, static_cast<std::uint8_t>(*spot), static_cast<std::uint8_t>(*stack), *next};
    }
    if (w[0] == "P" && w.size() >= 4) {
        PlayPilePlayUndo undo;
        const auto stack = number(1, 1, StackCount);
        const auto next = card(2);
        const auto index = number(3, 1, PileSlots);
        const auto count = ReadCards(w, 4, undo.PlayPile);
        if (stack && next && index && count) {
            undo.Stack = static_cast<std::uint8_t>(*stack);
            undo.StackNext = *next;
            undo.Index = static_cast<std::uint8_t>(*index);
            undo.PlayCount = static_cast<std::uint8_t>(*count);
            return undo;
        }
    }
    return std::nullopt;
}

void AddUndoKeys(SavedGameKeys& keys, const std::vector<UndoRecord>& records)
{
    std::string line;
    int n = 0;
    for (const UndoRecord& record : records) {
        std::string text = std::visit(RecordText{}, record);
        if (text.empty())
            continue;
        if (!line.empty() && line.size() + 1 + text.size() > UndoKeyLength) {
            keys.emplace_back(Numbered("Undo", ++n), line);
            line.clear();
        }
        line += (line.empty() ? "" : ";") + text;
    }
    if (!line.empty())
        keys.emplace_back(Numbered("Undo", ++n), line);
}

}  // namespace

SavedGameKeys SavedGameText(const SavedGame& game)
{
    const GameState& s = game.state;
    SavedGameKeys keys{{Key("Saved"), std::string(Format)}, {Key("Deck"), Cards(&game.deck[1], DeckSize)}};
    for (int spot = 1; spot <= SpotCount; ++spot)
        keys.emplace_back(Numbered("Table", spot), Cards(&s.TablePile[spot][1], s.TableCount[spot]));
    keys.emplace_back(Key("Stacks"), Cards(&s.StackNext[1], StackCount));
    keys.emplace_back(Key("Draw Pile"), Cards(&s.DrawPile[1], s.DrawStart));
    keys.emplace_back(Key("Draw Count"), std::to_string(s.DrawCount));
    keys.emplace_back(Key("Fan"), Cards(&s.PlayPile[1], s.PlayCount));
    keys.emplace_back(Key("Fan Spot"), std::to_string(s.ActiveSpot));
    keys.emplace_back(Key("Drawn Card"), CardName(s.DrawnCard));
    keys.emplace_back(Key("Shift Shown"), s.ShiftShown ? "1" : "0");
    AddUndoKeys(keys, game.undo);
    return keys;
}

namespace {

class TextReader {
public:
    explicit TextReader(const std::function<std::optional<std::string>(const std::string&)>& value) : value_(value) {}

    bool ok = true;

    std::vector<std::string> WordsOf(const std::string& key)
    {
        const auto text = value_(key);
        ok = ok && text.has_value();
        return text ? Words(*text) : std::vector<std::string>{};
    }
    template <std::size_t N>
    int CardsOf(const std::string& key, std::array<CardCode, N>& into)
    {
        const auto count = ReadCards(WordsOf(key), 0, into);
        ok = ok && count.has_value();
        return count.value_or(0);
    }
    int NumberOf(const std::string& key, int lowest, int highest)
    {
        const auto text = value_(key);
        const auto number = text ? Number(*text, lowest, highest) : std::nullopt;
        ok = ok && number.has_value();
        return number.value_or(0);
    }
    CardCode CardOfKey(const std::string& key)
    {
        const auto text = value_(key);
        const auto card = text ? CardFromName(*text) : std::nullopt;
        ok = ok && card.has_value();
        return card.value_or(NoCard);
    }
    std::optional<std::string> Raw(const std::string& key) const { return value_(key); }

private:
    const std::function<std::optional<std::string>(const std::string&)>& value_;
};

bool ReadUndo(const TextReader& read, std::vector<UndoRecord>& undo)
{
    for (int n = 1; n <= MostUndoKeys; ++n) {
        const auto line = read.Raw(Numbered("Undo", n));
        if (!line)
            return true;
        for (const std::string& text : Split(*line, ';')) {
            const auto record = RecordFromText(text);
            if (!record)
                return false;
            undo.push_back(*record);
        }
    }
    return true;
}

}  // namespace

std::optional<SavedGame> SavedGameFromText(const std::function<std::optional<std::string>(const std::string&)>& value)
{
    TextReader read(value);
    if (value(Key("Saved")) != std::optional<std::string>(Format))
        return std::nullopt;
    SavedGame game;
    GameState& s = game.state;
    InitStacks(s);
    read.ok = read.CardsOf(Key("Deck"), game.deck) == DeckSize;
    for (int spot = 1; spot <= SpotCount; ++spot)
        s.TableCount[spot] = static_cast<std::uint8_t>(read.CardsOf(Numbered("Table", spot), s.TablePile[spot]));
    std::array<CardCode, StackCount + 1> next{};
    if (read.CardsOf(Key("Stacks"), next) != StackCount)
        return std::nullopt;
    s.StackNext = next;
    s.DrawStart = static_cast<std::uint8_t>(read.CardsOf(Key("Draw Pile"), s.DrawPile));
    s.DrawCount = read.NumberOf(Key("Draw Count"), 0, DeckSize);
    s.PlayCount = static_cast<std::uint8_t>(read.CardsOf(Key("Fan"), s.PlayPile));
    s.ActiveSpot = static_cast<std::uint8_t>(read.NumberOf(Key("Fan Spot"), 0, SpotCount));
    s.DrawnCard = read.CardOfKey(Key("Drawn Card"));
    s.ShiftShown = read.NumberOf(Key("Shift Shown"), 0, 1) == 1;
    s.CardsLeft = static_cast<std::uint8_t>(DeckSize - CardsOnStacks(s));
    if (!read.ok || !ReadUndo(read, game.undo))
        return std::nullopt;
    return game;
}
