#pragma once

#include <string>
#include <string_view>

// The help file lies beside the module that supplies the resources, so a
// translated resource library brings its own help: that module's drive and
// folder with the file name "pyrite.chm".
std::string helpFilePathBeside(std::string_view moduleFilePath);
