#pragma once
// The default skin "Flat" and the two pictures all skins share: every file of the program
// folder's skin\ tree, made in memory: skin::DefaultSkinDescription() with its pictures drawn at
// the sizes of their controls.

#include "tools/skingen/ImageFiles.h"

#include <filesystem>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace skingen {

inline constexpr std::string_view DefaultSkinName = "Flat";

struct PackageFile {
    // Relative to the program folder, "/" between folders: "skin/Flat/shizhi.ini".
    std::string path;
    Bytes bytes;
};

std::vector<PackageFile> DefaultSkinPackage();

// Writes the files below root, making folders as needed. Nothing on success, otherwise what failed.
std::optional<std::string> WritePackage(std::filesystem::path const& root, std::vector<PackageFile> const& files);

}
