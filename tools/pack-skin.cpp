// Packs a skin folder into the compressed bytes a page's stored skin carries:
//   pack-skin <folder>/skin.ini <output>
#include <cstdio>
#include <exception>
#include <fstream>

#include "skin/CompressedStoredSkin.h"

int main(int argc, char** argv)
{
    if (argc != 3) {
        std::fprintf(stderr, "usage: pack-skin <skin definition file> <output file>\n");
        return 2;
    }
    try {
        TbsCompressedStoredSkin skin;
        skin.BuildFromSkinFile(argv[1]);
        if (skin.IsEmpty()) {
            std::fprintf(stderr, "pack-skin: %s lacks one of the sections VERSION, PICTURES, FORMINFO, "
                                 "SKINOBJECTS, SKINCONTROLS\n", argv[1]);
            return 1;
        }
        std::ofstream out(argv[2], std::ios::binary | std::ios::trunc);
        out.write(reinterpret_cast<const char*>(skin.CompressedData().data()),
                  static_cast<std::streamsize>(skin.CompressedData().size()));
        if (!out.flush()) {
            std::fprintf(stderr, "pack-skin: cannot write %s\n", argv[2]);
            return 1;
        }
    } catch (const std::exception& error) {
        std::fprintf(stderr, "pack-skin: %s\n", error.what());
        return 1;
    }
    return 0;
}
