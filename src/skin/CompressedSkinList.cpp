#include "skin/CompressedSkinList.h"

TbsSkinListItem::TbsSkinListItem(TbsCompressedSkinList& list, int index)
    : Name("bsSkin" + std::to_string(index)), list_(list), storedSkin_(std::make_unique<TbsCompressedStoredSkin>())
{
}

bool TbsSkinListItem::Designing() const { return list_.IsDesigning() && !list_.IsLoading(); }

void TbsSkinListItem::SetFileName(std::string_view path)
{
    if (Designing()) {
        storedSkin_->BuildFromSkinFile(path);
        fileName_ = FileNamePart(path);
    } else {
        fileName_ = path;
    }
}

void TbsSkinListItem::SetCompressedFileName(std::string_view path)
{
    if (Designing()) {
        storedSkin_->LoadFromCompressedFile(path);
        compressedFileName_ = FileNamePart(path);
    } else {
        compressedFileName_ = path;
    }
}

void TbsSkinListItem::Assign(const TbsSkinListItem& source)
{
    Description = source.Description;
    Name = source.Name;
    fileName_ = source.fileName_;
    compressedFileName_ = source.compressedFileName_;
    storedSkin_->SetCompressedData(source.storedSkin_->CompressedData());
}

TbsSkinListItem& TbsCompressedSkinList::Add()
{
    skins_.push_back(std::make_unique<TbsSkinListItem>(*this, static_cast<int>(skins_.size())));
    return *skins_.back();
}

void TbsCompressedSkinList::AssignSkins(const TbsCompressedSkinList& source)
{
    if (&source == this) return;
    skins_.clear();
    for (const auto& item : source.skins_) Add().Assign(*item);
}
