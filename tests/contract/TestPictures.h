#pragma once
// Picture files the tests make themselves, with known pixels, and the hostile files found by
// fuzzing the decoders. Works natively and under Wine.

#include <cstdint>
#include <vector>

namespace pictures {

using Bytes = std::vector<std::uint8_t>;

// From rows of red, green, blue, alpha bytes.
Bytes Png(int width, int height, Bytes const& rgba);
// 2 x 2, 24 or 32 bits (alpha bytes 0, as paint programs write them): red, white above blue, green.
Bytes Bmp(bool topDown, int bits = 24);
// 2 x 2: red, green above blue and a transparent white.
extern Bytes const Gif;
// 16 x 16 of four flat 8 x 8 quarters: red, green above blue, white.
Bytes Jpeg();

// Found by fuzzing: a JPEG whose Huffman table counts more than 256 codes (it crashed stb_image),
// and a PNG whose data chunk claims 1.2 GB (the decoder grew its buffer to that).
Bytes const& HuffmanOverrunJpeg();
Bytes const& HugeChunkPng();

// Writes a little-endian value of `count` bytes at `at`.
void Put(Bytes& bytes, std::size_t at, std::uint32_t value, int count);
// The width and height a JPEG's frame header claims.
void ClaimJpegSize(Bytes& jpeg, int width, int height);

}
