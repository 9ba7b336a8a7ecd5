#pragma once

#include <windows.h>

#include <string>

// The system Open or Save dialog for the phone-book exchange files (CSV
// and vCard) and the import report (CSV). `path` (UTF-8) is both the
// initial name and the chosen file. Returns true when the user chose one.
enum class ExchangeFileDialog { exportBook, importBook, saveReport };
bool exchangeFileDialog(HWND owner, std::string& path, ExchangeFileDialog kind);
