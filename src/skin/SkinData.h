#pragma once
#include <memory>
#include <string>
#include <string_view>
#include <vector>

#include "base/Component.h"
#include "base/Dib.h"
#include "skin/DataSkinControls.h"
#include "skin/DataSkinObjects.h"
#include "skin/SkinWindowDefinitions.h"

class TbsCompressedStoredSkin;
class TbsCompressedSkinList;
class TbsResourceStrData;

// What skin data announces to every form (wParam the skin data, lParam 1000).
namespace SkinMessage {
constexpr unsigned LoadBegins = 1225;
constexpr unsigned LoadDone = 1226;
constexpr unsigned Changed = 1227; // right after LoadDone
constexpr unsigned ResourceStringsChanged = 1274;
constexpr unsigned SkinnableFormChanged = 1294;
} // namespace SkinMessage

// A control drawn from a skin: the skin data tells it directly when the skin is about
// to be replaced and when the new one is complete.
class SkinClient {
public:
    virtual void SkinChanging() = 0;
    virtual void SkinChanged() = 0;

protected:
    ~SkinClient() = default;
};

// The in-memory skin every skinned control points at: pictures, window geometry,
// colours, and the definitions of skin objects and skin controls, in the order of the
// skin definition. Controls find their definition by section name.
class TbsSkinData : public TComponent {
public:
    TbsSkinData() = default;
    ~TbsSkinData() override;

    // Properties, in their stored order.
    bool SkinnableForm() const { return skinnableForm_; }
    void SetSkinnableForm(bool value);
    bool EnableSkinEffects = true; // skinned controls morph only while this is true
    bool ShowButtonGlowFrames = true;
    bool ShowCaptionButtonGlowFrames = true;
    TbsCompressedStoredSkin* CompressedStoredSkin() const { return storedSkin_; }
    void SetCompressedStoredSkin(TbsCompressedStoredSkin* skin);
    TbsResourceStrData* ResourceStrData() const { return resourceStrData_; }
    void SetResourceStrData(TbsResourceStrData* data);
    TbsCompressedSkinList* SkinList() const { return skinList_; }
    void SetSkinList(TbsCompressedSkinList* list);
    int32_t SkinIndex() const { return skinIndex_; }
    void SetSkinIndex(int32_t index);

    // Replaces the skin with the package's: 1225 first, then a full clear and read,
    // then 1226 and 1227. Clients hear SkinChanging before 1225 and SkinChanged
    // before 1227. A package without data changes nothing; a version above 3
    // leaves the skin cleared and Empty; damaged data raises, leaving it Empty.
    void LoadCompressedStoredSkin(TbsCompressedStoredSkin& skin);
    void ClearAll();
    // The first skin control whose section name equals name exactly, or −1.
    int GetControlIndex(std::string_view name) const;
    void BroadcastSkinMessage(unsigned message);
    // Controls drawn from this skin; a client leaves before it goes.
    void AddClient(SkinClient& client);
    void RemoveClient(SkinClient& client);

    bool Empty() const { return empty_; }

    // The loaded skin. Picture indexes in definitions are indexes into ActivePictures.
    TDib Picture, InactivePicture, MaskPicture;
    std::vector<TDib> ActivePictures;
    std::string PictureName, InactivePictureName, MaskPictureName;
    std::vector<std::string> ActivePictureNames;
    std::string SkinName, SkinAuthor, AuthorEmail, AuthorURL, SkinComments;
    TbsSkinFormInfo FormInfo;
    TbsDataSkinPopupWindow PopupWindow;
    TbsDataSkinHintWindow HintWindow;
    TbsSkinColors SkinColors;
    std::vector<std::unique_ptr<TbsDataSkinObject>> SkinObjects;
    std::vector<std::unique_ptr<TbsDataSkinControl>> SkinControls;

protected:
    void Notification(TComponent& removed) override;

private:
    void LoadListItem();
    void TellClients(void (SkinClient::*news)());

    std::vector<SkinClient*> clients_;
    bool skinnableForm_ = true;
    TbsCompressedStoredSkin* storedSkin_ = nullptr;
    TbsResourceStrData* resourceStrData_ = nullptr;
    TbsCompressedSkinList* skinList_ = nullptr;
    int32_t skinIndex_ = 0;
    bool empty_ = true;
};
