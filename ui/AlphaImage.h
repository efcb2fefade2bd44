#pragma once
// The skin's image control: shows one picture file blended with its alpha channel over what lies
// beneath and reports the pointer. Until a file is loaded it shows its built-in picture. A file
// that cannot be read shows nothing; the program goes on.
//
// Skin pictures are drawn for a 96-DPI screen: on a scaled screen they are shown through a
// smoothly resampled copy. A built-in picture may instead be drawn by the program for the very
// size and scale it is shown at, so that its lines and captions stay sharp.

#include "ui/Control.h"

#include <functional>
#include <memory>
#include <string>

namespace ui {

// Draws a picture of the given device pixels for a screen of the given scale.
using PictureMaker = std::function<gfx::Image(gfx::Size pixels, double scale)>;

class AlphaImage final : public Control {
public:
    explicit AlphaImage(std::string name, gfx::Image builtIn = {});
    AlphaImage(std::string name, PictureMaker builtIn);

    // Shows the file from now on. Its form keeps files decoded, so the button states swap
    // instantly. Returns whether the file could be read.
    bool SetImageFile(std::string const& path);
    std::string const& ImageFile() const { return m_file; }
    // Shows a picture drawn by the program instead of a file.
    void SetBuiltInPicture(gfx::Image picture);
    void SetBuiltInPicture(PictureMaker maker);
    // What is shown: the file's picture, or the built-in one (drawn for the control's size).
    gfx::Image const& Picture() const;

    // When set, loading a picture gives the control the picture's size.
    void SetAutoSize(bool autoSize) { m_autoSize = autoSize; }

    void Paint(gfx::Painter& painter, platform::TextRenderer& text) override;

private:
    // The maker's picture for a size, drawn again only when the size or the scale changed.
    gfx::Image const& MadeFor(gfx::Size pixels) const;

    std::shared_ptr<gfx::Image const> m_builtIn;
    PictureMaker m_maker;
    mutable gfx::Image m_made;
    mutable double m_madeScale = 0;
    std::string m_file;
    bool m_fileLoaded = false;
    bool m_autoSize = false;
    std::shared_ptr<gfx::Image const> m_filePicture;
};

}
