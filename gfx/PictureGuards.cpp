#include "gfx/PictureGuards.h"

#include "gfx/Image.h"

#include <algorithm>
#include <vector>

namespace gfx {

namespace {

using Bytes = std::span<std::uint8_t const>;

// The most pixels a byte of coded data can stand for, format by format. A claim beyond that is a
// file cut short or a lying header, and decoders would fill the rest with zeros.
// Deflate turns one byte into at most 1032 (a 258-byte match in two one-bit codes).
constexpr std::int64_t PngBytesPerCodedByte = 1032;
// Every 8 x 8 block of a JPEG takes at least one bit (its first DC code).
constexpr std::int64_t JpegPixelsPerCodedByte = 64 * 8;
// An LZW code stands for at most 4096 pixels.
constexpr std::int64_t GifPixelsPerCode = 4096;

std::uint32_t BigEndian(Bytes b, std::size_t at, int count)
{
    std::uint32_t value = 0;
    for (int i = 0; i < count; ++i)
        value = (value << 8) | b[at + static_cast<std::size_t>(i)];
    return value;
}

std::uint32_t LittleEndian(Bytes b, std::size_t at, int count)
{
    std::uint32_t value = 0;
    for (int i = count - 1; i >= 0; --i)
        value = (value << 8) | b[at + static_cast<std::size_t>(i)];
    return value;
}

bool StartsWith(Bytes b, std::initializer_list<std::uint8_t> prefix)
{
    return b.size() >= prefix.size() && std::equal(prefix.begin(), prefix.end(), b.begin());
}

std::optional<PictureClaim> Claim(PictureFormat format, std::int64_t width, std::int64_t height, std::int64_t maxPixels)
{
    if (width <= 0 || height <= 0 || width > MaxImageSide || height > MaxImageSide || width * height > maxPixels)
        return std::nullopt;
    return PictureClaim { format, static_cast<int>(width), static_cast<int>(height) };
}

// Bits of one pixel for a colour type and sample depth that PNG allows; 0 for any other pair.
std::int64_t PngBitsPerPixel(int colourType, int depth)
{
    bool const anyDepth = depth == 1 || depth == 2 || depth == 4 || depth == 8 || depth == 16;
    switch (colourType) {
    case 0: return anyDepth ? depth : 0;                           // grey
    case 3: return anyDepth && depth <= 8 ? depth : 0;             // palette
    case 2: return depth == 8 || depth == 16 ? 3 * depth : 0;      // RGB
    case 4: return depth == 8 || depth == 16 ? 2 * depth : 0;      // grey and alpha
    case 6: return depth == 8 || depth == 16 ? 4 * depth : 0;      // RGBA
    default: return 0;
    }
}

std::optional<PictureClaim> CheckPng(Bytes b, std::int64_t maxPixels)
{
    std::size_t pos = 8;
    std::int64_t width = 0;
    std::int64_t height = 0;
    std::int64_t bitsPerPixel = 0;
    std::int64_t coded = 0;
    bool first = true;
    for (;;) {
        if (b.size() - pos < 12)
            return std::nullopt;
        std::size_t const length = BigEndian(b, pos, 4);
        if (length > b.size() - pos - 12)
            return std::nullopt;
        Bytes const type = b.subspan(pos + 4, 4);
        Bytes const data = b.subspan(pos + 8, length);
        auto const is = [&](char const* name) { return std::equal(type.begin(), type.end(), name); };
        if (first) {
            if (!is("IHDR") || length != 13)
                return std::nullopt;
            width = BigEndian(data, 0, 4);
            height = BigEndian(data, 4, 4);
            bitsPerPixel = PngBitsPerPixel(data[9], data[8]);
            // Compression, filter method and interlacing have one, one and two known values.
            if (bitsPerPixel == 0 || data[10] != 0 || data[11] != 0 || data[12] > 1)
                return std::nullopt;
            first = false;
        } else if (is("IDAT")) {
            coded += static_cast<std::int64_t>(length);
        } else if (is("IEND")) {
            break;
        }
        pos += 12 + length;
    }
    auto const claim = Claim(PictureFormat::Png, width, height, maxPixels);
    if (!claim)
        return std::nullopt;
    std::int64_t const rawBytes = height * ((width * bitsPerPixel + 7) / 8);
    if (coded == 0 || rawBytes > coded * PngBytesPerCodedByte)
        return std::nullopt;
    return claim;
}

bool IsStandaloneJpegMarker(std::uint8_t marker) { return marker == 0x01 || (marker >= 0xD0 && marker <= 0xD7); }

// The tables a JPEG has defined so far, one bit per table number 0 ... 3. A decoder handed a scan
// that names a table nobody defined reads whatever its table memory holds.
struct JpegTables {
    unsigned dc = 0;
    unsigned ac = 0;
    unsigned quantisation = 0;
};

// Huffman tables: stb_image builds lookup tables of 256 codes and trusts the counts.
bool ReadHuffmanTables(Bytes segment, JpegTables& tables)
{
    std::size_t p = 0;
    while (p < segment.size()) {
        if (segment.size() - p < 17 || (segment[p] >> 4) > 1 || (segment[p] & 15) > 3)
            return false;
        std::size_t codes = 0;
        for (std::size_t i = 1; i <= 16; ++i)
            codes += segment[p + i];
        if (codes > 256 || codes > segment.size() - p - 17)
            return false;
        ((segment[p] >> 4) == 0 ? tables.dc : tables.ac) |= 1u << (segment[p] & 15);
        p += 17 + codes;
    }
    return true;
}

bool ReadQuantisationTables(Bytes segment, JpegTables& tables)
{
    std::size_t p = 0;
    while (p < segment.size()) {
        int const precision = segment[p] >> 4;
        if (precision > 1 || (segment[p] & 15) > 3)
            return false;
        std::size_t const size = 1 + 64 * static_cast<std::size_t>(precision + 1);
        if (segment.size() - p < size)
            return false;
        tables.quantisation |= 1u << (segment[p] & 15);
        p += size;
    }
    return true;
}

struct JpegComponent {
    std::uint8_t id = 0;
    std::uint8_t quantisationTable = 0;
};

struct JpegFrame {
    std::int64_t width = 0;
    std::int64_t height = 0;
    bool progressive = false;
    std::vector<JpegComponent> components;
};

std::optional<JpegFrame> ReadJpegFrame(Bytes segment, bool progressive)
{
    if (segment.size() < 6 || segment[0] != 8)
        return std::nullopt;
    std::size_t const components = segment[5];
    if ((components != 1 && components != 3 && components != 4) || segment.size() != 6 + 3 * components)
        return std::nullopt;
    // A height of 0 (given later in the data) is something no decoder we use supports.
    JpegFrame frame { BigEndian(segment, 3, 2), BigEndian(segment, 1, 2), progressive, {} };
    for (std::size_t c = 0; c < components; ++c) {
        std::uint8_t const sampling = segment[6 + 3 * c + 1];
        int const h = sampling >> 4;
        int const v = sampling & 15;
        if (h < 1 || h > 4 || v < 1 || v > 4 || segment[6 + 3 * c + 2] > 3)
            return std::nullopt;
        frame.components.push_back({ segment[6 + 3 * c], segment[6 + 3 * c + 2] });
    }
    return frame;
}

// A scan header: its components must be the frame's, and every table they use must be defined
// by now. A progressive scan uses only the DC tables (a first DC scan) or only the AC tables.
bool ScanIsSound(Bytes segment, JpegFrame const& frame, JpegTables const& tables)
{
    if (segment.empty() || segment[0] < 1 || segment[0] > 4 || segment.size() != 1 + 2 * std::size_t { segment[0] } + 3)
        return false;
    std::size_t const count = segment[0];
    std::uint8_t const spectralStart = segment[1 + 2 * count];
    std::uint8_t const approximationHigh = segment[3 + 2 * count] >> 4;
    bool const usesDc = !frame.progressive || (spectralStart == 0 && approximationHigh == 0);
    bool const usesAc = !frame.progressive || spectralStart > 0;
    for (std::size_t i = 0; i < count; ++i) {
        std::uint8_t const id = segment[1 + 2 * i];
        auto const component = std::find_if(frame.components.begin(), frame.components.end(),
            [id](JpegComponent const& c) { return c.id == id; });
        if (component == frame.components.end() || !(tables.quantisation & (1u << component->quantisationTable)))
            return false;
        unsigned const dc = segment[2 + 2 * i] >> 4;
        unsigned const ac = segment[2 + 2 * i] & 15;
        if (usesDc && (dc > 3 || !(tables.dc & (1u << dc))))
            return false;
        if (usesAc && (ac > 3 || !(tables.ac & (1u << ac))))
            return false;
    }
    return true;
}

std::optional<PictureClaim> CheckJpeg(Bytes b, std::int64_t maxPixels)
{
    std::size_t pos = 2;
    std::optional<JpegFrame> frame;
    JpegTables tables;
    std::int64_t coded = 0;
    for (;;) {
        if (pos >= b.size() || b[pos] != 0xFF)
            return std::nullopt;
        while (pos < b.size() && b[pos] == 0xFF)
            ++pos;
        if (pos >= b.size())
            return std::nullopt;
        std::uint8_t const marker = b[pos++];
        if (marker == 0xD9)
            break;
        if (marker == 0x00 || marker == 0xD8)
            return std::nullopt;
        if (IsStandaloneJpegMarker(marker))
            continue;
        if (b.size() - pos < 2)
            return std::nullopt;
        std::size_t const length = BigEndian(b, pos, 2);
        if (length < 2 || length > b.size() - pos)
            return std::nullopt;
        Bytes const segment = b.subspan(pos + 2, length - 2);
        pos += length;
        switch (marker) {
        case 0xC0: // baseline
        case 0xC1: // extended
        case 0xC2: // progressive
            if (frame || !(frame = ReadJpegFrame(segment, marker == 0xC2)))
                return std::nullopt;
            break;
        case 0xC4:
            if (!ReadHuffmanTables(segment, tables))
                return std::nullopt;
            break;
        case 0xDB:
            if (!ReadQuantisationTables(segment, tables))
                return std::nullopt;
            break;
        case 0xDD:
            if (segment.size() != 2)
                return std::nullopt;
            break;
        case 0xDA: {
            if (!frame || !ScanIsSound(segment, *frame, tables))
                return std::nullopt;
            // The coded data runs to the next marker; inside it 0xFF is followed by 0 or a restart.
            std::size_t const start = pos;
            while (pos + 1 < b.size()
                && !(b[pos] == 0xFF && b[pos + 1] != 0 && !(b[pos + 1] >= 0xD0 && b[pos + 1] <= 0xD7)))
                pos += b[pos] == 0xFF ? 2 : 1;
            if (pos + 1 >= b.size())
                return std::nullopt;
            coded += static_cast<std::int64_t>(pos - start);
            break;
        }
        default:
            // Other frame kinds (lossless, hierarchical, arithmetic coding) are not read.
            if (marker >= 0xC3 && marker <= 0xCF && marker != 0xC8 && marker != 0xCC)
                return std::nullopt;
            break;
        }
    }
    if (!frame || coded == 0)
        return std::nullopt;
    auto const claim = Claim(PictureFormat::Jpeg, frame->width, frame->height, maxPixels);
    if (!claim || frame->width * frame->height > coded * JpegPixelsPerCodedByte)
        return std::nullopt;
    return claim;
}

std::optional<PictureClaim> CheckBmp(Bytes b, std::int64_t maxPixels)
{
    if (b.size() < 26)
        return std::nullopt;
    std::int64_t const pixelOffset = LittleEndian(b, 10, 4);
    std::size_t const headerSize = LittleEndian(b, 14, 4);
    std::int64_t width = 0;
    std::int64_t height = 0;
    std::uint32_t bitsPerPixel = 0;
    std::uint32_t compression = 0;
    std::int64_t headersEnd = 14 + static_cast<std::int64_t>(headerSize);
    if (headerSize == 12) {
        width = LittleEndian(b, 18, 2);
        height = LittleEndian(b, 20, 2);
        bitsPerPixel = LittleEndian(b, 24, 2);
    } else if (headerSize == 40 || headerSize == 52 || headerSize == 56 || headerSize == 108 || headerSize == 124) {
        if (b.size() < 14 + headerSize)
            return std::nullopt;
        width = static_cast<std::int32_t>(LittleEndian(b, 18, 4));
        height = static_cast<std::int32_t>(LittleEndian(b, 22, 4));
        bitsPerPixel = LittleEndian(b, 28, 2);
        compression = LittleEndian(b, 30, 4);
        if (compression == 3 && headerSize == 40)
            headersEnd += 12; // the three colour masks
    } else {
        return std::nullopt;
    }
    // Only rows of a fixed size: run-length and embedded kinds are refused, since their data
    // says nothing about the size they claim.
    bool const fields = compression == 3 && (bitsPerPixel == 16 || bitsPerPixel == 32);
    if (!(compression == 0 || fields))
        return std::nullopt;
    if (bitsPerPixel != 1 && bitsPerPixel != 4 && bitsPerPixel != 8 && bitsPerPixel != 16 && bitsPerPixel != 24
        && bitsPerPixel != 32)
        return std::nullopt;
    // A negative height marks rows stored top row first.
    height = height < 0 ? -height : height;
    auto const claim = Claim(PictureFormat::Bmp, width, height, maxPixels);
    if (!claim || pixelOffset < headersEnd)
        return std::nullopt;
    std::int64_t const rowBytes = (width * bitsPerPixel + 31) / 32 * 4;
    if (pixelOffset + rowBytes * height > static_cast<std::int64_t>(b.size()))
        return std::nullopt;
    return claim;
}

// Skips a run of GIF sub-blocks (each a length byte and its data, ended by a zero length) and
// gives the data bytes it held; nothing when the run leaves the file.
std::optional<std::int64_t> SkipSubBlocks(Bytes b, std::size_t& pos)
{
    std::int64_t data = 0;
    for (;;) {
        if (pos >= b.size())
            return std::nullopt;
        std::size_t const length = b[pos++];
        if (length == 0)
            return data;
        if (b.size() - pos < length)
            return std::nullopt;
        pos += length;
        data += static_cast<std::int64_t>(length);
    }
}

std::size_t ColourTableBytes(std::uint8_t flags) { return (flags & 0x80) ? 3 * (std::size_t { 2 } << (flags & 7)) : 0; }

std::optional<PictureClaim> CheckGif(Bytes b, std::int64_t maxPixels)
{
    if (b.size() < 13 || !(StartsWith(b, { 'G', 'I', 'F', '8', '7', 'a' }) || StartsWith(b, { 'G', 'I', 'F', '8', '9', 'a' })))
        return std::nullopt;
    std::int64_t const screenWidth = LittleEndian(b, 6, 2);
    std::int64_t const screenHeight = LittleEndian(b, 8, 2);
    std::size_t pos = 13 + ColourTableBytes(b[10]);
    bool framed = false;
    // The whole file is walked to its trailer: one cut short anywhere is refused.
    for (;;) {
        if (pos >= b.size())
            return std::nullopt;
        std::uint8_t const block = b[pos++];
        if (block == 0x3B)
            break;
        if (block == 0x21) {
            ++pos; // the extension's label
            if (!SkipSubBlocks(b, pos))
                return std::nullopt;
        } else if (block == 0x2C) {
            if (b.size() - pos < 10)
                return std::nullopt;
            std::int64_t const left = LittleEndian(b, pos, 2);
            std::int64_t const top = LittleEndian(b, pos + 2, 2);
            std::int64_t const width = LittleEndian(b, pos + 4, 2);
            std::int64_t const height = LittleEndian(b, pos + 6, 2);
            pos += 9 + ColourTableBytes(b[pos + 8]);
            if (pos >= b.size() || b[pos] < 2 || b[pos] > 8)
                return std::nullopt;
            std::int64_t const codeBits = b[pos++] + 1;
            auto const coded = SkipSubBlocks(b, pos);
            if (!coded)
                return std::nullopt;
            if (!framed) {
                if (width <= 0 || height <= 0 || left + width > screenWidth || top + height > screenHeight
                    || width * height > *coded * 8 / codeBits * GifPixelsPerCode)
                    return std::nullopt;
                framed = true;
            }
        } else {
            return std::nullopt;
        }
    }
    if (!framed)
        return std::nullopt;
    return Claim(PictureFormat::Gif, screenWidth, screenHeight, maxPixels);
}

// An icon file: a directory of images, each a PNG or a bitmap without its file header (rows of
// colours, then a one-bit mask, at twice the height). The first image is the one shown.
std::optional<PictureClaim> CheckIco(Bytes b, std::int64_t maxPixels)
{
    if (b.size() < 6)
        return std::nullopt;
    std::size_t const count = LittleEndian(b, 4, 2);
    if (count == 0 || b.size() < 6 + 16 * count)
        return std::nullopt;
    for (std::size_t i = 0; i < count; ++i) {
        std::size_t const size = LittleEndian(b, 6 + 16 * i + 8, 4);
        std::size_t const offset = LittleEndian(b, 6 + 16 * i + 12, 4);
        if (offset < 6 + 16 * count || offset > b.size() || size > b.size() - offset)
            return std::nullopt;
    }
    Bytes const image = b.subspan(LittleEndian(b, 6 + 12, 4), LittleEndian(b, 6 + 8, 4));
    if (StartsWith(image, { 0x89, 'P', 'N', 'G', 0x0D, 0x0A, 0x1A, 0x0A })) {
        auto const png = CheckPng(image, maxPixels);
        if (!png)
            return std::nullopt;
        return PictureClaim { PictureFormat::Ico, png->width, png->height };
    }
    if (image.size() < 40 || LittleEndian(image, 0, 4) != 40 || LittleEndian(image, 16, 4) != 0)
        return std::nullopt;
    std::int64_t const width = static_cast<std::int32_t>(LittleEndian(image, 4, 4));
    std::int64_t const height = static_cast<std::int32_t>(LittleEndian(image, 8, 4)) / 2;
    std::uint32_t const bitsPerPixel = LittleEndian(image, 14, 2);
    if (bitsPerPixel != 1 && bitsPerPixel != 4 && bitsPerPixel != 8 && bitsPerPixel != 24 && bitsPerPixel != 32)
        return std::nullopt;
    auto const claim = Claim(PictureFormat::Ico, width, height, maxPixels);
    if (!claim)
        return std::nullopt;
    std::int64_t const palette = bitsPerPixel <= 8 ? 4 * (std::int64_t { 1 } << bitsPerPixel) : 0;
    std::int64_t const rows = (width * bitsPerPixel + 31) / 32 * 4 * height;
    std::int64_t const mask = (width + 31) / 32 * 4 * height;
    if (40 + palette + rows + mask > static_cast<std::int64_t>(image.size()))
        return std::nullopt;
    return claim;
}

}

std::optional<PictureClaim> CheckPicture(Bytes bytes, std::int64_t maxPixels)
{
    if (StartsWith(bytes, { 0x89, 'P', 'N', 'G', 0x0D, 0x0A, 0x1A, 0x0A }))
        return CheckPng(bytes, maxPixels);
    if (StartsWith(bytes, { 0xFF, 0xD8 }))
        return CheckJpeg(bytes, maxPixels);
    if (StartsWith(bytes, { 'B', 'M' }))
        return CheckBmp(bytes, maxPixels);
    if (StartsWith(bytes, { 'G', 'I', 'F' }))
        return CheckGif(bytes, maxPixels);
    if (StartsWith(bytes, { 0, 0, 1, 0 }))
        return CheckIco(bytes, maxPixels);
    return std::nullopt;
}

}
