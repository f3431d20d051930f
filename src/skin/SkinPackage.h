#pragma once
#include <cstdint>
#include <string>
#include <vector>

#include "framework/Dib.h"

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

// Reads from the stream's position. A version above 3 reads nothing more and gives
// false. A bitmap or count that runs past the data raises Exception.
bool ReadSkinPackage(TStream& stream, SkinPackage& package);
void WriteSkinPackage(TStream& stream, const SkinPackage& package);

// One bitmap file in a stream: its length is the size its own header gives.
TDib ReadBitmapFile(TStream& stream);
void WriteBitmapFile(TStream& stream, const TDib& bitmap);
