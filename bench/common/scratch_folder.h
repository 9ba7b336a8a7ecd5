#pragma once

#include <filesystem>
#include <string>
#include <string_view>

// A fresh folder under the system's temporary folder for the files a
// benchmark writes, removed with them at the end.
class ScratchFolder {
  public:
    ScratchFolder();
    ~ScratchFolder();
    ScratchFolder(const ScratchFolder&) = delete;
    ScratchFolder& operator=(const ScratchFolder&) = delete;

    bool created() const { return !path_.empty(); }
    // The UTF-8 path of `name` in the folder, as the program's file
    // functions take it.
    std::string file(std::string_view name) const;

  private:
    std::filesystem::path path_;
};
