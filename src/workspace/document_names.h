#pragma once

#include <string>
#include <string_view>

// Save asks for a file name while the document has never been opened from
// or saved to a chosen file: until then the shown name and the path are the
// same default name (compared case-sensitively).
bool saveNeedsFileName(std::string_view displayFileName, std::string_view currentFilePath);

// The file name and extension of a Windows path, without drive or folders.
std::string fileNamePart(std::string_view path);

// The main window's title for a document: "<application title> - <name>".
std::string documentWindowTitle(std::string_view applicationTitle,
                                std::string_view displayFileName);
