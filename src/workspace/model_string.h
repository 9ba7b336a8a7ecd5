#pragma once

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

// Derived once at start-up from the model string.
struct StartupValues {
    uint8_t modelFamily = 0; // kModelFamily*
    std::vector<uint32_t> acceptedProductIds;
    int32_t oneTouchKeyCount = 0;
    int32_t groupCount = 0;
    int32_t firstProgramDialKey = 0;
};

// Machine families the model string names.
constexpr uint8_t kModelFamilyUnknown = 0;
constexpr uint8_t kModelFamilyA4 = 1;
constexpr uint8_t kModelFamilyA3 = 2;

// Fills `values` from the model string of the program's own string table:
// "<family token> <hex product id> [<hex product id>]". Only a known family
// token gives key and group counts and accepted product ids; anything else
// leaves every value zero or empty.
void parseModelString(std::string_view modelString, StartupValues& values);

// Base name of the files that belong to a family: the resource library and
// the backup file. An unknown family uses the A4 family's name.
std::string_view familyFileBaseName(uint8_t modelFamily);

// The resource library's full path: the executable's drive and folder, the
// family's base name and the extension "DLL". Both '\\' and '/' separate
// folders; a bare "C:" drive prefix is kept.
std::string resourceLibraryPath(std::string_view executablePath, uint8_t modelFamily);

// The backup file beside the resource module (or the program when no
// library is loaded), named after the family like the library.
std::string backupFilePath(std::string_view moduleFilePath, uint8_t modelFamily);
