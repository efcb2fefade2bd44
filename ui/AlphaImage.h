#pragma once
// The skin's image control: shows one picture file blended with its alpha channel over what lies
// beneath and reports the pointer. Until a file is loaded it shows its built-in picture. A file
// that cannot be read shows nothing; the program goes on.

#include "ui/Control.h"

#include <memory>
#include <string>

namespace ui {

class AlphaImage final : public Control {
public:
    explicit AlphaImage(std::string name, gfx::Image builtIn = {});

    // Shows the file from now on. Its form keeps files decoded, so the button states swap
    // instantly. Returns whether the file could be read.
    bool SetImageFile(std::string const& path);
    std::string const& ImageFile() const { return m_file; }
    // Shows a picture drawn by the program instead of a file.
    void SetBuiltInPicture(gfx::Image picture);
    gfx::Image const& Picture() const;

    // When set, loading a picture gives the control the picture's size.
    void SetAutoSize(bool autoSize) { m_autoSize = autoSize; }

    void Paint(gfx::Painter& painter, platform::TextRenderer& text) override;

private:
    gfx::Image m_builtIn;
    std::string m_file;
    bool m_fileLoaded = false;
    bool m_autoSize = false;
    std::shared_ptr<gfx::Image const> m_filePicture;
};

}
