#pragma once

#include <string>
#include <vector>

#include <QRgb>

// A small picture written as rows of letters, one letter a pixel. The letters
// name palette colours (see ArtColour); '.' leaves the pixel alone and
// '#' takes the ink colour given when drawing.
struct PixelArt {
    std::vector<std::string> rows;

    int Width() const;
    int Height() const;
    // The art followed by its own mirror image, sharing the last column: a
    // symmetric figure written as its left half.
    PixelArt MirroredRight() const;
};

// The colour a letter of pixel art stands for; ink for '#'.
QRgb ArtColour(char letter, QRgb ink);
