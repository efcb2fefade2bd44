#include "TestPictures.h"

#define STBI_WRITE_NO_STDIO
#include <stb/stb_image_write.h>

#include <algorithm>
#include <string>

namespace pictures {

namespace {

void Append(void* bytes, void* data, int size)
{
    auto const* begin = static_cast<std::uint8_t const*>(data);
    static_cast<Bytes*>(bytes)->insert(static_cast<Bytes*>(bytes)->end(), begin, begin + size);
}

}

Bytes Png(int width, int height, Bytes const& rgba)
{
    Bytes file;
    stbi_write_png_to_func(Append, &file, width, height, 4, rgba.data(), width * 4);
    return file;
}

void Put(Bytes& bytes, std::size_t at, std::uint32_t value, int count)
{
    for (int i = 0; i < count; ++i)
        bytes[at + static_cast<std::size_t>(i)] = static_cast<std::uint8_t>(value >> (8 * i));
}

// Written field by field; 24-bit rows are padded from 6 to 8 bytes. Windows stores the bottom
// row first unless the height is negative.
Bytes Bmp(bool topDown, int bits)
{
    Bytes file(54, 0);
    file[0] = 'B';
    file[1] = 'M';
    Put(file, 2, 70, 4);
    Put(file, 10, 54, 4);
    Put(file, 14, 40, 4);
    Put(file, 18, 2, 4);
    Put(file, 22, topDown ? static_cast<std::uint32_t>(-2) : 2, 4);
    Put(file, 26, 1, 2);
    Put(file, 28, static_cast<std::uint32_t>(bits), 2);
    // Blue, green, red (and an unused fourth byte) per pixel.
    Bytes top { 0, 0, 255, 0, 255, 255, 255, 0 };
    Bytes bottom { 255, 0, 0, 0, 0, 255, 0, 0 };
    if (bits == 24) {
        top = { 0, 0, 255, 255, 255, 255, 0, 0 };
        bottom = { 255, 0, 0, 0, 255, 0, 0, 0 };
    }
    for (Bytes const* row : { topDown ? &top : &bottom, topDown ? &bottom : &top })
        file.insert(file.end(), row->begin(), row->end());
    return file;
}

// By hand: a 4-colour table, colour 3 transparent. The LZW codes stay 3 bits wide thanks to a
// clear code after two pixels: clear 0 1 clear 2 3 end.
Bytes const Gif { 'G', 'I', 'F', '8', '9', 'a', 2, 0, 2, 0, 0x91, 0, 0, // screen, 4-colour table
    0xFF, 0, 0, 0, 0xFF, 0, 0, 0, 0xFF, 0xFF, 0xFF, 0xFF, // the table
    0x21, 0xF9, 4, 1, 0, 0, 3, 0, // colour 3 is transparent
    0x2C, 0, 0, 0, 0, 2, 0, 2, 0, 0, 2, 3, 0x44, 0xA8, 0x15, 0, 0x3B };

// One JPEG block per quarter, so the losses stay small.
Bytes Jpeg()
{
    Bytes rgb;
    for (int i = 0; i < 256; ++i) {
        int const quarter = (i / 128) * 2 + (i % 16) / 8;
        rgb.insert(rgb.end(), { std::uint8_t(quarter % 3 == 0 ? 255 : 0), std::uint8_t(quarter % 2 ? 255 : 0),
                                  std::uint8_t(quarter >= 2 ? 255 : 0) });
    }
    Bytes file;
    stbi_write_jpg_to_func(Append, &file, 16, 16, 3, rgb.data(), 100);
    return file;
}

namespace {

Bytes FromHex(char const* hex)
{
    Bytes bytes;
    for (; hex[0] && hex[1]; hex += 2)
        bytes.push_back(static_cast<std::uint8_t>(std::stoul(std::string(hex, 2), nullptr, 16)));
    return bytes;
}

}

Bytes const& HuffmanOverrunJpeg()
{
    static Bytes const bytes = FromHex("FFD8FFC400D101D1D1");
    return bytes;
}

Bytes const& HugeChunkPng()
{
    static Bytes const bytes
        = FromHex("89504E470D0A1A0A0000000D4948445200000076000000160806000000150068534B0000F84944415449454E44AE426082");
    return bytes;
}

void ClaimJpegSize(Bytes& jpeg, int width, int height)
{
    Bytes const frame { 0xFF, 0xC0 };
    auto const at = static_cast<std::size_t>(std::search(jpeg.begin(), jpeg.end(), frame.begin(), frame.end()) - jpeg.begin());
    jpeg[at + 5] = static_cast<std::uint8_t>(height >> 8);
    jpeg[at + 6] = static_cast<std::uint8_t>(height);
    jpeg[at + 7] = static_cast<std::uint8_t>(width >> 8);
    jpeg[at + 8] = static_cast<std::uint8_t>(width);
}

}
