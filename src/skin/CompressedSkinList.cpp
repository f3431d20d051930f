#include "skin/CompressedSkinList.h"

TbsSkinListItem::TbsSkinListItem(TbsCompressedSkinList& list, int index)
    : Name("bsSkin" + std::to_string(index)), list_(list), storedSkin_(std::make_unique<TbsCompressedStoredSkin>())
{
}

bool TbsSkinListItem::Designing() const { return list_.IsDesigning() && !list_.IsLoading(); }

void TbsSkinListItem::SetFileName(std::string_view path)
{
    SetSkinFileName(fileName_, path, Designing(), *storedSkin_, &TbsCompressedStoredSkin::BuildFromSkinFile);
}

void TbsSkinListItem::SetCompressedFileName(std::string_view path)
{
    SetSkinFileName(compressedFileName_, path, Designing(), *storedSkin_, &TbsCompressedStoredSkin::LoadFromCompressedFile);
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
