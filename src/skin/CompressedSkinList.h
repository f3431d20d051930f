#pragma once
#include <memory>
#include <string>
#include <string_view>
#include <vector>

#include "skin/CompressedStoredSkin.h"

class TbsCompressedSkinList;

// One package of a skin list; streams its package as the "Skin" property in framed form.
class TbsSkinListItem {
public:
    TbsSkinListItem(TbsCompressedSkinList& list, int index);

    std::string Description;
    std::string Name; // "bsSkin<index at creation>"; the display name
    const std::string& FileName() const { return fileName_; }
    const std::string& CompressedFileName() const { return compressedFileName_; }
    // While the list is being designed, the data is loaded from the path first and
    // only the file name is stored.
    void SetFileName(std::string_view path);
    void SetCompressedFileName(std::string_view path);

    TbsCompressedStoredSkin& StoredSkin() { return *storedSkin_; }
    const TbsCompressedStoredSkin& StoredSkin() const { return *storedSkin_; }
    void ReadSkin(TStream& stream) { storedSkin_->LoadFramed(stream); }
    void WriteSkin(TStream& stream) const { storedSkin_->SaveFramed(stream); }

    void Assign(const TbsSkinListItem& source);

private:
    bool Designing() const;

    TbsCompressedSkinList& list_;
    std::string fileName_, compressedFileName_;
    std::unique_ptr<TbsCompressedStoredSkin> storedSkin_;
};

// Several skin packages, chosen by index through the skin data component.
class TbsCompressedSkinList : public TComponent {
public:
    TbsSkinListItem& Add();
    size_t Count() const { return skins_.size(); }
    TbsSkinListItem& Item(size_t index) { return *skins_.at(index); }
    // Assigning Skins copies the given items into the list's own.
    void AssignSkins(const TbsCompressedSkinList& source);

private:
    std::vector<std::unique_ptr<TbsSkinListItem>> skins_;
};
