// game.sv<slot>: the two keys, the scrambled state and the whole world map,
// one value per line.
#include "shell/savefile.h"

#include <algorithm>
#include <cmath>
#include <cstring>
#include <memory>
#include <type_traits>
#include <utility>
#include <vector>

#include "platform/error.h"
#include "platform/seqfile.h"
#include "platform/utf8.h"
#include "platform/vbmath.h"
#include "shell/subs.h"
#include "shell/vars.h"

namespace savefile {
namespace {

enum class Kind {
    Number,  // scrambled, write form
    Print,   // scrambled, print form
    Text,    // plain, write form
};

struct Field {
    const char* name;  // as messages call it, with `index` after it when there is one
    int index;
    Kind kind;
    bool whole;  // an integer field: read values are rounded, a half to the even neighbour
    double lo, hi;
    bool (*allowed)(double);  // a table of codes within lo..hi, or nullptr
    double (*get)();
    void (*set)(double);
    std::string& (*text)();
};

template <auto& var>
constexpr Field number(const char* name, double lo, double hi, bool (*allowed)(double) = nullptr) {
    using T = std::remove_reference_t<decltype(var)>;
    return {name, -1, Kind::Number, std::is_integral_v<T>, lo, hi, allowed, [] { return double(var); },
            [](double v) { var = T(v); }, nullptr};
}

template <auto& array, std::size_t i>
constexpr Field element(const char* name, Kind kind, double lo, double hi, bool (*allowed)(double) = nullptr,
                        int index = -1) {
    using T = typename std::remove_reference_t<decltype(array)>::value_type;
    return {name, index, kind, true, lo, hi, allowed, [] { return double(array[i]); },
            [](double v) { array[i] = T(v); }, nullptr};
}

template <auto& var>
constexpr Field text(const char* name) {
    return {name, -1, Kind::Text, false, 0, 0, nullptr, nullptr, nullptr, []() -> std::string& { return var; }};
}

constexpr bool companion(double id) {
    for (int c : {12, 14, 18, 21, 28, 30, 47, 51, 59})
        if (id == c) return true;
    return false;
}
// Shields and helmets 0..5, bracers 0..4, and 9 for nothing.
constexpr bool shieldOrHelmet(double code) { return code <= 5 || code == 9; }
constexpr bool bracers(double code) { return code <= 4 || code == 9; }

constexpr double kMaxExp = 1e15;
constexpr int kNameLength = 10;

template <std::size_t i>
constexpr std::array<Field, 2> equipment() {
    constexpr double heroLo[] = {0, 0, 0, 0, 0}, heroHi[] = {5, 6, 9, 9, 9};
    constexpr double allyLo[] = {1, 0, 0, 0, 0}, allyHi[] = {6, 6, 9, 9, 9};
    constexpr bool (*table[])(double) = {nullptr, nullptr, shieldOrHelmet, shieldOrHelmet, bracers};
    constexpr const char* hero[] = {"the hero's weapon", "the hero's armour", "the hero's shield",
                                    "the hero's helmet", "the hero's bracers"};
    constexpr const char* ally[] = {"the companion's weapon", "the companion's armour", "the companion's shield",
                                    "the companion's helmet", "the companion's bracers"};
    return {element<Vars::heroEquip, i>(hero[i], Kind::Number, heroLo[i], heroHi[i], table[i]),
            element<Vars::allyEquip, i>(ally[i], Kind::Number, allyLo[i], allyHi[i], table[i])};
}

template <std::size_t i>
constexpr std::array<Field, 2> questAndAmulet() {
    // Amulet 5 has two forms, owned as 1 and 2.
    return {element<Vars::questFlags, i>("quest flag", Kind::Number, 0, 255, nullptr, int(i)),
            element<Vars::amuletsOwned, i>("owned amulet", Kind::Number, 0, i == 4 ? 2 : 1, nullptr, int(i))};
}

template <std::size_t N, std::size_t... M>
constexpr auto join(const std::array<Field, N>& first, const std::array<Field, M>&... rest) {
    std::array<Field, (N + ... + M)> all{};
    std::size_t at = 0;
    for (const Field& f : first) all[at++] = f;
    ((std::ranges::for_each(rest, [&](const Field& f) { all[at++] = f; })), ...);
    return all;
}

template <std::size_t... I>
constexpr auto equipmentPairs(std::index_sequence<I...>) {
    return join(equipment<I>()...);
}
template <std::size_t... I>
constexpr auto questPairs(std::index_sequence<I...>) {
    return join(questAndAmulet<I>()...);
}

constexpr double kI16Min = -32768, kI16Max = 32767;

// The state after the two keys, in the file's order.
constexpr auto kFields = join(
    std::array{
        number<Vars::posX>("the x position", 0, Vars::kMapWidth - 1),
        number<Vars::posY>("the y position", 0, Vars::kMapHeight - 1),
        number<Vars::heroStr>("the hero's strength", 10, 100),
        number<Vars::heroDex>("the hero's dexterity", 10, 100),
        number<Vars::heroWis>("the hero's wisdom", 10, 100),
        number<Vars::allyStr>("the companion's strength", 10, 100),
        number<Vars::allyDex>("the companion's dexterity", 10, 100),
        number<Vars::allyWis>("the companion's wisdom", 10, 100),
        number<Vars::rubies>("the rubies", 0, 9999),
        number<Vars::curMap>("the map", 0, Vars::kMaps - 1),
        number<Vars::encounterSteps>("the encounter steps", 0, 255),
        number<Vars::encounterGroup>("the encounter group", 0, 255),
        number<Vars::heroMaxHP>("the hero's maximum HP", 1, kI16Max),
        number<Vars::heroHP>("the hero's HP", kI16Min, kI16Max),
        number<Vars::heroMaxMP>("the hero's maximum MP", 0, 255),
        number<Vars::heroMP>("the hero's MP", 0, 255),
        number<Vars::allyMaxHP>("the companion's maximum HP", 1, kI16Max),
        number<Vars::allyHP>("the companion's HP", kI16Min, kI16Max),
        text<Vars::heroName>("the hero's name"),
        text<Vars::allyName>("the companion's name"),
        number<Vars::heroLevel>("the hero's level", 1, 40),
        number<Vars::heroExp>("the experience", 0, kMaxExp),
        number<Vars::heroNextExp>("the experience for the next level", 0, kMaxExp),
        number<Vars::difficulty>("the difficulty", 0, 2),
        number<Vars::storyStage>("the story stage", 0, 1000),
        number<Vars::musicTrack>("the music track", 0, 30),
        number<Vars::allyId>("the companion", 0, 255, companion),
        number<Vars::allyMode>("the companion's tactic", 0, 6),
        number<Vars::amulet>("the amulet", 0, 9),
        number<Vars::balloonY>("the balloon's y position", 0, Vars::kMapHeight - 1),
        number<Vars::balloonX>("the balloon's x position", 0, Vars::kMapWidth - 1),
        number<Vars::balloonMap>("the balloon's map", 0, Vars::kMaps - 1),
        element<Vars::heroItems, 0>("the herbs", Kind::Print, 0, 99),
        element<Vars::heroItems, 1>("the berries", Kind::Print, 0, 99),
        element<Vars::heroItems, 2>("the potions", Kind::Print, 0, 99),
        element<Vars::heroItems, 3>("the fire potions", Kind::Print, 0, 99),
        element<Vars::heroSpells, 0>("the Attack spells' level", Kind::Print, 0, 3),
        element<Vars::heroSpells, 1>("the Support spells' level", Kind::Print, 0, 3),
        element<Vars::heroSpells, 2>("the Spirit spells' level", Kind::Print, 0, 3),
    },
    equipmentPairs(std::make_index_sequence<5>()),
    questPairs(std::make_index_sequence<11>()));

std::string fieldName(const Field& f) {
    return f.index < 0 ? f.name : std::string(f.name) + " " + std::to_string(f.index);
}

struct Value {
    double number = 0;
    std::string text;
};

using MapBuffer = std::array<Vars::u8, Vars::kMapCells>;

// Calls f(index) over the world in the file's order: x outermost, then y,
// layer, and map innermost.
template <class F>
void forEachCellInFileOrder(F&& f) {
    for (int x = 0; x < Vars::kMapWidth; ++x)
        for (int y = 0; y < Vars::kMapHeight; ++y)
            for (int layer = 0; layer < Vars::kLayers; ++layer)
                for (int map = 0; map < Vars::kMaps; ++map) f(Vars::mapIndex(x, y, layer, map));
}

// Print form of a number: a blank where a minus sign would stand, and one after.
std::string printForm(double value) {
    return (value < 0 ? "" : " ") + platform::formatNumber(value) + " ";
}

// The limit counts characters: a name of ten letters of any script fits.
bool validName(const std::string& name) {
    if (name.empty() || platform::utf8::length(name) > std::size_t(kNameLength)) return false;
    return std::none_of(name.begin(), name.end(), [](char c) {
        return c == '"' || static_cast<unsigned char>(c) < 32 || c == 127;
    });
}

// The world is most of the file, so its lines are formatted and parsed here
// in one pass rather than value by value.
constexpr std::size_t kHeadLines = 2 + kFields.size();

std::string worldLines() {
    struct Text {
        char chars[5];
        std::size_t size;
    };
    static const auto kByteLines = [] {
        std::array<Text, 256> t{};
        for (int b = 0; b < 256; ++b) {
            const std::string line = std::to_string(b) + "\r\n";
            std::copy(line.begin(), line.end(), t[b].chars);
            t[b].size = line.size();
        }
        return t;
    }();
    std::string block(Vars::kMapCells * 5, '\0');
    char* out = block.data();
    forEachCellInFileOrder([&](std::size_t i) {
        const Text& t = kByteLines[Vars::mapData[i]];
        std::memcpy(out, t.chars, 5);
        out += t.size;
    });
    block.resize(std::size_t(out - block.data()) - 2);  // the writer ends the last line
    return block;
}

// One map byte: digits between optional blanks, or any other way of writing
// a whole number that the reader takes ("7.0"). False for anything else.
bool parseByte(std::string_view line, Vars::u8& byte) {
    std::size_t a = 0, b = line.size();
    while (a < b && (line[a] == ' ' || line[a] == '\t')) ++a;
    while (b > a && (line[b - 1] == ' ' || line[b - 1] == '\t')) --b;
    int value = 0;
    std::size_t i = a;
    while (i < b && i - a < 4 && line[i] >= '0' && line[i] <= '9') value = value * 10 + (line[i++] - '0');
    if (i == b && i > a && value <= 255) {
        byte = Vars::u8(value);
        return true;
    }
    double d = 0;
    if (!platform::parseNumber(line, d) || d != std::floor(d) || d < 0 || d > 255) return false;
    byte = Vars::u8(d);
    return true;
}

// Reads the world from text at `at`, line `line` of the file: exactly one
// value per line, then nothing but line ends.
void readWorld(const std::string& file, const std::string& text, std::size_t at, std::size_t line,
               MapBuffer& map) {
    forEachCellInFileOrder([&](std::size_t i) {
        if (at >= text.size()) throw platform::missingLine(file, line);
        std::size_t end = text.find('\n', at);
        if (end == std::string::npos) end = text.size();
        const std::size_t stop = end > at && text[end - 1] == '\r' ? end - 1 : end;
        const std::string_view value = std::string_view(text).substr(at, stop - at);
        if (!parseByte(value, map[i]))
            throw platform::damagedLine(file, line, "holds '" + platform::shownValue(value) +
                                                        "', which is not a whole number from 0 to 255");
        at = end + 1;
        ++line;
    });
    if (at < text.size() && text.find_first_not_of("\r\n", at) != std::string::npos)
        throw platform::damagedFile(file, "it has lines after the world map, from line " +
                                              std::to_string(line) + " on");
}

// Where line n (from 0) starts.
std::size_t lineStart(const std::string& file, const std::string& text, std::size_t n) {
    std::size_t at = 0;
    for (std::size_t line = 0; line < n; ++line) {
        const std::size_t end = text.find('\n', at);
        if (end == std::string::npos) throw platform::missingLine(file, line + (at < text.size() ? 2 : 1));
        at = end + 1;
    }
    return at;
}

void writeGame(const std::string& path, int k1, int k2) {
    platform::SeqWriter out(path);
    out.writeInt(k1);
    out.writeInt(k2);
    for (const Field& f : kFields) {
        switch (f.kind) {
            case Kind::Number: out.writeNumber((f.get() - k1) * k2); break;
            case Kind::Print: out.printLine(printForm((f.get() - k1) * k2)); break;
            case Kind::Text: out.writeString(f.text()); break;
        }
    }
    out.printLine(worldLines());  // whole numbers read the same in print and write form
    out.commit();
}

bool acceptable(const Field& f, double x) {
    return std::isfinite(x) && x >= f.lo && x <= f.hi && (!f.allowed || f.allowed(x));
}

// A field from its line; damage and values out of range name the line and
// the field.
Value readField(platform::SeqReader& in, const Field& f, int k1, int k2) {
    Value v;
    if (f.kind == Kind::Text) {
        v.text = in.nextQuoted();
        if (!validName(v.text))
            throw in.damagedLine("holds '" + platform::shownValue(v.text) + "' for " + fieldName(f) +
                                 ", which is not 1 to 10 characters without quotes or control characters");
        return v;
    }
    double x = in.nextNumber() / k2 + k1;
    if (f.whole) x = platform::Round(x);
    if (!acceptable(f, x)) {
        const std::string held = "holds " + platform::formatNumber(x) + " for " + fieldName(f);
        if (x >= f.lo && x <= f.hi) throw in.damagedLine(held + ", which is none the game has");
        throw in.damagedLine(held + ", which is not from " + platform::formatNumber(f.lo) + " to " +
                             platform::formatNumber(f.hi));
    }
    v.number = x;
    return v;
}

// A save that the loader would refuse is lost: it is not written at all.
void checkLoadable() {
    for (const Field& f : kFields) {
        const bool ok = f.kind == Kind::Text ? validName(f.text()) : acceptable(f, f.get());
        if (!ok) throw NotSaveable("The game state cannot be saved: a value is out of range");
    }
}

}  // namespace

void saveGame(int slot, SlotNames& names) {
    const std::string path = slotPath(slot);
    checkLoadable();
    const int k1 = Subs::randomInt(5, 255);
    const int k2 = Subs::randomInt(2, 5);
    writeGame(path, k1, k2);
    SlotNames updated = names;
    updated[slot] = description(Vars::heroName, Vars::storyStage);
    try {
        writeSlotNames(updated);
    } catch (const platform::Error& e) {
        throw SlotListNotUpdated(e.what());
    }
    names = std::move(updated);
}

void loadGame(int slot) {
    const std::string path = slotPath(slot);
    const std::string file = "game.sv" + std::to_string(slot);
    const std::string text = platform::readTextFile(path);
    // The keys and the state go through the reader, which must use up exactly
    // their lines; the world follows, one value per line.
    const std::size_t worldStart = lineStart(file, text, kHeadLines);
    platform::SeqReader in = platform::SeqReader::fromText(text.substr(0, worldStart), file);
    const int k1 = int(in.nextInt(5, 255));
    const int k2 = int(in.nextInt(2, 5));
    std::vector<Value> values;
    values.reserve(kFields.size());
    for (const Field& f : kFields) values.push_back(readField(in, f, k1, k2));
    if (!in.eof()) throw in.damaged("a line before the world map holds more than one value");
    auto map = std::make_unique<MapBuffer>();
    readWorld(file, text, worldStart, kHeadLines + 1, *map);

    for (std::size_t i = 0; i < kFields.size(); ++i) {
        const Field& f = kFields[i];
        if (f.kind == Kind::Text)
            f.text() = std::move(values[i].text);
        else
            f.set(values[i].number);
    }
    Vars::mapData = *map;
}

}  // namespace savefile
