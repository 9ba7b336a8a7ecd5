#include "store/machine_charset.h"

#include <array>

namespace {

struct BytePair {
    uint8_t pc;
    uint8_t machine;
};

// PC code page byte to machine byte, per group of display languages.
constexpr BytePair kWesternPairs[] = {
    {181, 27},  {191, 208}, {161, 182}, {198, 217}, {199, 218}, {163, 26},  {162, 25},
    {176, 183}, {208, 219}, {128, 24},  {216, 221}, {140, 180}, {156, 207}, {215, 220},
};

constexpr BytePair kCentralEuropeanPairs[] = {
    {165, 177}, {199, 218}, {227, 188}, {185, 198}, {232, 193}, {230, 191}, {208, 219}, {202, 190},
    {239, 200}, {240, 201}, {236, 197}, {234, 195}, {188, 179}, {163, 176}, {190, 205}, {229, 237},
    {179, 196}, {242, 203}, {241, 202}, {170, 178}, {224, 185}, {154, 186}, {156, 187}, {186, 199},
    {222, 181}, {157, 189}, {254, 215}, {249, 210}, {251, 212}, {158, 192}, {159, 194}, {191, 204},
    {215, 220}, {181, 27},  {245, 206}, {248, 209},
};

constexpr BytePair kCyrillicPairs[] = {
    {193, 128}, {195, 129}, {225, 146}, {226, 147}, {227, 148}, {196, 168}, {198, 131}, {199, 132},
    {168, 130}, {228, 171}, {230, 150}, {231, 151}, {184, 149}, {200, 133}, {201, 134}, {203, 135},
    {232, 152}, {233, 153}, {234, 154}, {235, 155}, {207, 136}, {236, 156}, {237, 157}, {239, 158},
    {211, 137}, {242, 159}, {212, 138}, {214, 169}, {215, 139}, {244, 172}, {246, 173}, {247, 160},
    {216, 140}, {217, 170}, {218, 141}, {219, 142}, {248, 161}, {249, 174}, {250, 162}, {251, 163},
    {221, 143}, {222, 144}, {223, 145}, {252, 164}, {253, 165}, {254, 166}, {255, 167},
};

// Cyrillic letters the machine cannot show go out as their Latin look-alikes
// and cannot be told apart on the way back.
constexpr BytePair kCyrillicLookAlikes[] = {
    {192, 'A'}, {194, 'B'}, {224, 'a'}, {197, 'E'}, {229, 'e'}, {202, 'K'}, {204, 'M'},
    {205, 'H'}, {206, 'O'}, {208, 'P'}, {209, 'C'}, {210, 'T'}, {240, 'p'}, {241, 'c'},
    {243, 'y'}, {213, 'X'}, {245, 'x'}, {238, 'o'}, {220, 'b'},
};

using ByteMap = std::array<uint8_t, 256>;

constexpr ByteMap identityMap() {
    ByteMap map{};
    for (size_t i = 0; i < map.size(); ++i)
        map[i] = static_cast<uint8_t>(i);
    return map;
}

// One lookup per byte, so chains inside a list (196 to 168 to 130) never
// cascade.
template <size_t N>
constexpr void addPairs(ByteMap& to, ByteMap& from, const BytePair (&pairs)[N]) {
    for (const BytePair& pair : pairs) {
        to[pair.pc] = pair.machine;
        from[pair.machine] = pair.pc;
    }
}

struct CharsetMaps {
    ByteMap toMachine;
    ByteMap fromMachine;
};

constexpr CharsetMaps kWesternMaps = [] {
    CharsetMaps maps{identityMap(), identityMap()};
    addPairs(maps.toMachine, maps.fromMachine, kWesternPairs);
    return maps;
}();

constexpr CharsetMaps kCentralEuropeanMaps = [] {
    CharsetMaps maps{identityMap(), identityMap()};
    addPairs(maps.toMachine, maps.fromMachine, kCentralEuropeanPairs);
    return maps;
}();

constexpr CharsetMaps kCyrillicMaps = [] {
    CharsetMaps maps{identityMap(), identityMap()};
    addPairs(maps.toMachine, maps.fromMachine, kCyrillicPairs);
    for (const BytePair& pair : kCyrillicLookAlikes)
        maps.toMachine[pair.pc] = pair.machine;
    return maps;
}();

constexpr uint8_t kLanguageRussian = 6;
constexpr uint8_t kLanguageJapanese = 11;

const CharsetMaps* mapsForLanguage(uint8_t language) {
    if (language == kLanguageJapanese)
        return nullptr;
    if (language < kLanguageRussian)
        return &kWesternMaps;
    if (language == kLanguageRussian)
        return &kCyrillicMaps;
    return &kCentralEuropeanMaps;
}

void mapText(std::span<char> text, const ByteMap* map) {
    if (!map)
        return;
    for (char& character : text) {
        if (character == '\0')
            return;
        character = static_cast<char>((*map)[static_cast<uint8_t>(character)]);
    }
}

} // namespace

int pcCodePage(uint8_t language) {
    if (language == kLanguageJapanese)
        return 932;
    if (language < kLanguageRussian)
        return 1252;
    if (language == kLanguageRussian)
        return 1251;
    return 1250;
}

void toMachineCharset(std::span<char> text, uint8_t language) {
    const CharsetMaps* maps = mapsForLanguage(language);
    mapText(text, maps ? &maps->toMachine : nullptr);
}

void fromMachineCharset(std::span<char> text, uint8_t language) {
    const CharsetMaps* maps = mapsForLanguage(language);
    mapText(text, maps ? &maps->fromMachine : nullptr);
}
