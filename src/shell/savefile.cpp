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
    Kind kind;
    bool whole;  // an integer field: read values are rounded, a half to the even neighbour
    double lo, hi;
    bool (*allowed)(double);  // a table of codes within lo..hi, or nullptr
    double (*get)();
    void (*set)(double);
    std::string& (*text)();
};

template <auto& var>
constexpr Field number(double lo, double hi, bool (*allowed)(double) = nullptr) {
    using T = std::remove_reference_t<decltype(var)>;
    return {Kind::Number, std::is_integral_v<T>, lo, hi, allowed, [] { return double(var); },
            [](double v) { var = T(v); }, nullptr};
}

template <auto& array, std::size_t i>
constexpr Field element(Kind kind, double lo, double hi, bool (*allowed)(double) = nullptr) {
    using T = typename std::remove_reference_t<decltype(array)>::value_type;
    return {kind, true, lo, hi, allowed, [] { return double(array[i]); },
            [](double v) { array[i] = T(v); }, nullptr};
}

template <auto& var>
constexpr Field text() {
    return {Kind::Text, false, 0, 0, nullptr, nullptr, nullptr, []() -> std::string& { return var; }};
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
    return {element<Vars::heroEquip, i>(Kind::Number, heroLo[i], heroHi[i], table[i]),
            element<Vars::allyEquip, i>(Kind::Number, allyLo[i], allyHi[i], table[i])};
}

template <std::size_t i>
constexpr std::array<Field, 2> questAndAmulet() {
    // Amulet 5 has two forms, owned as 1 and 2.
    return {element<Vars::questFlags, i>(Kind::Number, 0, 255),
            element<Vars::amuletsOwned, i>(Kind::Number, 0, i == 4 ? 2 : 1)};
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
        number<Vars::posX>(0, Vars::kMapWidth - 1),
        number<Vars::posY>(0, Vars::kMapHeight - 1),
        number<Vars::heroStr>(10, 100),
        number<Vars::heroDex>(10, 100),
        number<Vars::heroWis>(10, 100),
        number<Vars::allyStr>(10, 100),
        number<Vars::allyDex>(10, 100),
        number<Vars::allyWis>(10, 100),
        number<Vars::rubies>(0, 9999),
        number<Vars::curMap>(0, Vars::kMaps - 1),
        number<Vars::encounterSteps>(0, 255),
        number<Vars::encounterGroup>(0, 255),
        number<Vars::heroMaxHP>(1, kI16Max),
        number<Vars::heroHP>(kI16Min, kI16Max),
        number<Vars::heroMaxMP>(0, 255),
        number<Vars::heroMP>(0, 255),
        number<Vars::allyMaxHP>(1, kI16Max),
        number<Vars::allyHP>(kI16Min, kI16Max),
        text<Vars::heroName>(),
        text<Vars::allyName>(),
        number<Vars::heroLevel>(1, 40),
        number<Vars::heroExp>(0, kMaxExp),
        number<Vars::heroNextExp>(0, kMaxExp),
        number<Vars::difficulty>(0, 2),
        number<Vars::storyStage>(0, 1000),
        number<Vars::musicTrack>(0, 30),
        number<Vars::allyId>(0, 255, companion),
        number<Vars::allyMode>(0, 6),
        number<Vars::amulet>(0, 9),
        number<Vars::balloonY>(0, Vars::kMapHeight - 1),
        number<Vars::balloonX>(0, Vars::kMapWidth - 1),
        number<Vars::balloonMap>(0, Vars::kMaps - 1),
        element<Vars::heroItems, 0>(Kind::Print, 0, 99),
        element<Vars::heroItems, 1>(Kind::Print, 0, 99),
        element<Vars::heroItems, 2>(Kind::Print, 0, 99),
        element<Vars::heroItems, 3>(Kind::Print, 0, 99),
        element<Vars::heroSpells, 0>(Kind::Print, 0, 3),
        element<Vars::heroSpells, 1>(Kind::Print, 0, 3),
        element<Vars::heroSpells, 2>(Kind::Print, 0, 3),
    },
    equipmentPairs(std::make_index_sequence<5>()),
    questPairs(std::make_index_sequence<11>()));

// What messages call each field, in the file's order: the fields before the
// equipment, then the pairs.
constexpr const char* kFieldNames[] = {
    "the x position", "the y position", "the hero's strength", "the hero's dexterity", "the hero's wisdom",
    "the companion's strength", "the companion's dexterity", "the companion's wisdom", "the rubies", "the map",
    "the encounter steps", "the encounter group", "the hero's maximum HP", "the hero's HP",
    "the hero's maximum MP", "the hero's MP", "the companion's maximum HP", "the companion's HP",
    "the hero's name", "the companion's name", "the hero's level", "the experience",
    "the experience for the next level", "the difficulty", "the story stage", "the music track",
    "the companion", "the companion's tactic", "the amulet", "the balloon's y position",
    "the balloon's x position", "the balloon's map", "the herbs", "the berries", "the potions",
    "the fire potions", "the Attack spells' level", "the Support spells' level", "the Spirit spells' level",
};
constexpr const char* kGearNames[] = {"weapon", "armour", "shield", "helmet", "bracers"};
constexpr std::size_t kGearFields = 2 * std::size(kGearNames);
static_assert(std::size(kFieldNames) + kGearFields + 2 * Vars::questFlags.size() == kFields.size());

std::string fieldName(std::size_t i) {
    if (i < std::size(kFieldNames)) return kFieldNames[i];
    i -= std::size(kFieldNames);
    if (i < kGearFields) return std::string(i % 2 ? "the companion's " : "the hero's ") + kGearNames[i / 2];
    i -= kGearFields;
    return (i % 2 ? "owned amulet " : "quest flag ") + std::to_string(i / 2);
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

// Field i from its line; damage and values out of range name the line and
// the field.
Value readField(platform::SeqReader& in, std::size_t i, int k1, int k2) {
    const Field& f = kFields[i];
    Value v;
    if (f.kind == Kind::Text) {
        v.text = in.nextQuoted();
        if (!validName(v.text))
            throw in.damagedLine("holds '" + platform::shownValue(v.text) + "' for " + fieldName(i) +
                                 ", which is not 1 to 10 characters without quotes or control characters");
        return v;
    }
    double x = in.nextNumber() / k2 + k1;
    if (f.whole) x = platform::Round(x);
    if (!acceptable(f, x)) {
        const std::string held = "holds " + platform::formatNumber(x) + " for " + fieldName(i);
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
    for (std::size_t i = 0; i < kFields.size(); ++i) values.push_back(readField(in, i, k1, k2));
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
