#pragma once
// Where the skin tests find our skin folder and the damaged packages.
#include <string>
#include <vector>

#include "base/FileBytes.h"
#include "skin/CompressedStoredSkin.h"

inline std::string SkinFolder() { return TEST_SKIN_DIR; }
inline std::string CorpusFile(const std::string& name) { return std::string(TEST_SKIN_CORPUS) + "/" + name + ".bin"; }

inline void LoadCorpus(TbsCompressedStoredSkin& skin, const std::string& name)
{
    skin.SetCompressedData(ReadFileBytes(CorpusFile(name)));
}
