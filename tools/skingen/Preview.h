#pragma once
// A picture of the window as the skin makes it, to look at while drawing the skin: the four
// panels side by side, then every button and tab in its three states. It is composed from the
// generated files and the description as the program reads them, not from the drawing code, so
// a wrong key or size shows here as it would in the program. Text is shown as grey bars, since
// the generator has no font.

#include "tools/skingen/DefaultSkin.h"

#include "gfx/Image.h"

#include <optional>
#include <vector>

namespace skingen {

// Nothing when the description or a picture it names is missing from the files.
std::optional<gfx::Image> ComposePreview(std::vector<PackageFile> const& files);

}
