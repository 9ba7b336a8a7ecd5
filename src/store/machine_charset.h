#pragma once

#include <cstdint>
#include <span>

// Maps every byte up to the first NUL once through the pair list that the
// machine's display language selects: PC code page to machine and back.
void toMachineCharset(std::span<char> text, uint8_t language);
void fromMachineCharset(std::span<char> text, uint8_t language);

// The Windows code page that the PC side of the character mapping uses for
// a display language: 1252 Western, 1251 Russian, 1250 Central European
// (also every unknown language above 11), 932 Japanese.
int pcCodePage(uint8_t language);
