#pragma once
#include <cstddef>
#include <cstdint>
#include <span>
#include <string>
#include <vector>

#include "base/Dib.h"

class TStream;

// The inflated skin package: version, the main, inactive and mask pictures (each a
// flag byte, then a bitmap file when the flag is 0), the active pictures (a count,
// then bitmap files), and the skin definition text up to the end.
struct SkinPackage {
    static constexpr int32_t CurrentVersion = 3;

    int32_t Version = CurrentVersion;
    TDib Picture, InactivePicture, MaskPicture;
    std::vector<TDib> ActivePictures;
    std::string Text; // 8-bit text in the system code page, CR LF after each line
};

// Reads an inflated package held in memory (pictures are decoded in place). A
// version above 3 reads nothing more and gives false. A bitmap or count that runs
// past the data raises Exception.
bool ReadSkinPackage(std::span<const std::byte> data, SkinPackage& package);
void WriteSkinPackage(TStream& stream, const SkinPackage& package);

// One bitmap file; in a package its length is the size its own header gives.
void WriteBitmapFile(TStream& stream, const TDib& bitmap);
