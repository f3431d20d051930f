#include "skin/SkinData.h"

#include <algorithm>

#include "base/IniFile.h"
#include "base/Stream.h"
#include "skin/CompressedSkinList.h"
#include "skin/CompressedStoredSkin.h"
#include "skin/ResourceStrData.h"
#include "skin/SkinPackage.h"

namespace {

// An object list section: "count", then entries "<i>=<name>:<type keyword>". Entries
// without a known keyword create nothing.
template <typename Definition, typename Create>
void ReadDefinitionList(const TMemIniFile& ini, std::string_view section,
                        std::vector<std::unique_ptr<Definition>>& list, Create create)
{
    const int32_t count = std::min(ini.ReadInteger(section, "count", 0), MaxListCount);
    for (int32_t i = 0; i < count; ++i) {
        const std::string entry = ini.ReadString(section, std::to_string(i), "");
        const size_t colon = entry.find(':');
        if (colon == std::string::npos) continue; // an empty keyword names no class
        auto definition = create(std::string_view(entry).substr(colon + 1), entry.substr(0, colon));
        if (!definition) continue;
        list.push_back(std::move(definition));
        list.back()->LoadFromIni(ini);
    }
}

} // namespace

TbsSkinData::~TbsSkinData()
{
    empty_ = true;
    ClearAll();
}

void TbsSkinData::SetSkinnableForm(bool value)
{
    if (value == skinnableForm_) return;
    skinnableForm_ = value;
    if (!IsDesigning() && !IsLoading()) BroadcastSkinMessage(SkinMessage::SkinnableFormChanged);
}

void TbsSkinData::SetCompressedStoredSkin(TbsCompressedStoredSkin* skin)
{
    Relink(storedSkin_, skin);
    if (!IsDesigning() && skin) LoadCompressedStoredSkin(*skin);
}

void TbsSkinData::SetResourceStrData(TbsResourceStrData* data)
{
    Relink(resourceStrData_, data);
    if (!IsDesigning()) BroadcastSkinMessage(SkinMessage::ResourceStringsChanged);
}

void TbsSkinData::SetSkinList(TbsCompressedSkinList* list)
{
    Relink(skinList_, list);
    if (!IsDesigning()) LoadListItem();
}

void TbsSkinData::SetSkinIndex(int32_t index)
{
    if (index == skinIndex_) return;
    if (!skinList_) {
        skinIndex_ = index;
        return;
    }
    if (index < 0 || static_cast<size_t>(index) >= skinList_->Count()) return;
    skinIndex_ = index;
    if (!IsDesigning()) LoadListItem();
}

void TbsSkinData::LoadListItem()
{
    if (skinList_ && skinIndex_ >= 0 && static_cast<size_t>(skinIndex_) < skinList_->Count())
        LoadCompressedStoredSkin(skinList_->Item(static_cast<size_t>(skinIndex_)).StoredSkin());
}

void TbsSkinData::Notification(TComponent& removed)
{
    if (&removed == storedSkin_) storedSkin_ = nullptr;
    if (&removed == resourceStrData_) resourceStrData_ = nullptr;
    if (&removed == skinList_) skinList_ = nullptr;
}

void TbsSkinData::BroadcastSkinMessage(unsigned message) { Broadcast(*this, message); }

void TbsSkinData::AddClient(SkinClient& client)
{
    if (std::ranges::find(clients_, &client) == clients_.end()) clients_.push_back(&client);
}

void TbsSkinData::RemoveClient(SkinClient& client) { std::erase(clients_, &client); }

void TbsSkinData::TellClients(void (SkinClient::*news)())
{
    // A copy: a client may leave, or another join, while it reacts.
    for (SkinClient* client : std::vector<SkinClient*>(clients_))
        if (std::ranges::find(clients_, client) != clients_.end()) (client->*news)();
}

void TbsSkinData::ClearAll()
{
    SkinObjects.clear();
    SkinControls.clear();
    ActivePictures.clear();
    ActivePictureNames.clear();
    PopupWindow.WindowPictureIndex = -1;
    HintWindow.WindowPictureIndex = -1;
    SkinColors.SetDefault();
}

int TbsSkinData::GetControlIndex(std::string_view name) const
{
    for (size_t i = 0; i < SkinControls.size(); ++i)
        if (SkinControls[i]->SectionName == name) return static_cast<int>(i);
    return -1;
}

void TbsSkinData::LoadCompressedStoredSkin(TbsCompressedStoredSkin& skin)
{
    if (skin.IsEmpty()) return;
    empty_ = true;
    TellClients(&SkinClient::SkinChanging);
    BroadcastSkinMessage(SkinMessage::LoadBegins);
    ClearAll();
    Picture = {};
    InactivePicture = {};
    MaskPicture = {};
    PictureName.clear();
    MaskPictureName.clear();

    SkinPackage package;
    if (!ReadSkinPackage(skin.Decompress(), package)) return;
    Picture = std::move(package.Picture);
    InactivePicture = std::move(package.InactivePicture);
    MaskPicture = std::move(package.MaskPicture);
    ActivePictures = std::move(package.ActivePictures);

    const TMemIniFile ini(package.Text);
    SkinName = ini.ReadString("VERSION", "skinname", "");
    SkinAuthor = ini.ReadString("VERSION", "skinauthor", "");
    AuthorEmail = ini.ReadString("VERSION", "authoremail", "");
    AuthorURL = ini.ReadString("VERSION", "authorurl", "");
    SkinComments = ini.ReadString("VERSION", "skincomments", "");
    PictureName = ini.ReadString("PICTURES", "picture", "");
    InactivePictureName = ini.ReadString("PICTURES", "inactivepicture", "");
    MaskPictureName = ini.ReadString("PICTURES", "mask", "");
    ActivePictureNames = ReadStringList(ini, "PICTURES", "activepictures");

    FormInfo.LoadFromIni(ini);
    FormInfo.Adjust(MaskPictureName);
    PopupWindow.LoadFromIni(ini);
    HintWindow.LoadFromIni(ini);
    SkinColors.LoadFromIni(ini);
    ReadDefinitionList(ini, "SKINOBJECTS", SkinObjects, CreateSkinObject);
    ReadDefinitionList(ini, "SKINCONTROLS", SkinControls, CreateSkinControl);

    empty_ = false;
    BroadcastSkinMessage(SkinMessage::LoadDone);
    TellClients(&SkinClient::SkinChanged);
    BroadcastSkinMessage(SkinMessage::Changed);
}
