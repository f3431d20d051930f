#include "skinctrls/SkinComponents.h"

#include "base/Exception.h"
#include "base/WinStrings.h"
#include "skin/CompressedStoredSkin.h"
#include "skin/SkinData.h"
#include "skinctrls/PngImageList.h"
#include "skinctrls/PngImageView.h"
#include "skinctrls/SkinCheckRadioBox.h"
#include "skinctrls/SkinLinkLabel.h"
#include "ui/PropertyReader.h"

namespace {

// The stored skin as a page definition gives it: CompressedData <packed skin>,
// FileName, CompressedFileName, Description.
class PageStoredSkin : public TbsCompressedStoredSkin {
public:
    bool SetProperty(const PageProperty& property, PropertyReader& loader) override
    {
        const std::string& name = property.Name;
        if (name == "CompressedData") SetCompressedData(loader.File(property));
        else if (name == "FileName") SetFileName(loader.String(property));
        else if (name == "CompressedFileName") SetCompressedFileName(loader.String(property));
        else if (name == "Description") Description = loader.String(property);
        else return false;
        return true;
    }
};

// The skin data as a page definition gives it. Its stored skin is loaded once the page
// is read; a package that cannot be read leaves the skin empty, so the controls show
// their default looks and the page still works.
class PageSkinData : public TbsSkinData {
public:
    bool SetProperty(const PageProperty& property, PropertyReader& loader) override
    {
        const std::string& name = property.Name;
        if (name == "SkinnableForm") SetSkinnableForm(loader.Boolean(property));
        else if (name == "EnableSkinEffects") EnableSkinEffects = loader.Boolean(property);
        else if (name == "ShowButtonGlowFrames") ShowButtonGlowFrames = loader.Boolean(property);
        else if (name == "ShowCaptionButtonGlowFrames") ShowCaptionButtonGlowFrames = loader.Boolean(property);
        else if (name == "SkinIndex") SetSkinIndex(loader.Integer(property));
        else if (name == "CompressedStoredSkin")
            loader.Reference<TbsCompressedStoredSkin>(property, [this](TbsCompressedStoredSkin* skin) {
                try {
                    SetCompressedStoredSkin(skin);
                } catch (const std::exception& error) {
                    OutputDebugStringW(ToWide("The page's skin cannot be read: " + std::string(error.what())).c_str());
                }
            });
        else return false;
        return true;
    }
};

} // namespace

const ComponentRegistry& SkinComponents()
{
    static const ComponentRegistry registry = [] {
        ComponentRegistry r = StandardComponents();
        r.Add("TbsCompressedStoredSkin", [](ControlHost&) { return std::make_unique<PageStoredSkin>(); });
        r.Add("TbsSkinData", [](ControlHost&) { return std::make_unique<PageSkinData>(); });
        r.Add("TbsSkinCheckRadioBox", [](ControlHost& page) { return std::make_unique<TbsSkinCheckRadioBox>(page); });
        r.Add("TbsSkinLinkLabel", [](ControlHost& page) { return std::make_unique<TbsSkinLinkLabel>(page); });
        r.Add("TbsPngImageList", [](ControlHost&) { return std::make_unique<TbsPngImageList>(); });
        r.Add("TbsPngImageStorage", [](ControlHost&) { return std::make_unique<TbsPngImageStorage>(); });
        r.Add("TbsPngImageView", [](ControlHost& page) { return std::make_unique<TbsPngImageView>(page); });
        return r;
    }();
    return registry;
}
