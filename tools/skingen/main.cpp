// picker_skingen FOLDER          writes FOLDER/skin/... (run with the repository's package/)
// picker_skingen --preview FILE [SCALE]   writes a PNG of the window as the skin draws it

#include "tools/skingen/DefaultSkin.h"
#include "tools/skingen/Preview.h"

#include "gfx/Painter.h"

#include <cstdio>
#include <cstdlib>
#include <string_view>

namespace {

int Usage()
{
    std::fputs("usage: picker_skingen FOLDER\n       picker_skingen --preview FILE.png [SCALE]\n", stderr);
    return 2;
}

int WritePreview(char const* file, int scale)
{
    auto preview = skingen::ComposePreview(skingen::DefaultSkinPackage());
    if (!preview) {
        std::fputs("picker_skingen: the skin names a picture it does not contain\n", stderr);
        return 1;
    }
    gfx::Image shown = std::move(*preview);
    if (scale > 1) {
        auto large = gfx::Image::Create(shown.Width() * scale, shown.Height() * scale);
        if (!large)
            return Usage();
        gfx::Painter(*large).StretchBlit(large->Bounds(), shown, shown.Bounds());
        shown = std::move(*large);
    }
    skingen::PackageFile const png { file, skingen::EncodeImage(shown, skingen::FileFormat::Png) };
    if (auto error = skingen::WritePackage(".", { png })) {
        std::fprintf(stderr, "picker_skingen: %s\n", error->c_str());
        return 1;
    }
    return 0;
}

}

int main(int argc, char** argv)
{
    if (argc >= 3 && std::string_view(argv[1]) == "--preview")
        return argc <= 4 ? WritePreview(argv[2], argc == 4 ? std::atoi(argv[3]) : 1) : Usage();
    if (argc != 2 || std::string_view(argv[1]).starts_with("-"))
        return Usage();
    if (auto error = skingen::WritePackage(argv[1], skingen::DefaultSkinPackage())) {
        std::fprintf(stderr, "picker_skingen: %s\n", error->c_str());
        return 1;
    }
    return 0;
}
