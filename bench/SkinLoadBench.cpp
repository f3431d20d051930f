// skin-load: loading a skin package of the shipped proportions into skin data,
// against zlib inflating the same compressed bytes alone. Both are timed in
// alternation and the medians compared.
#include <zlib.h>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <map>
#include <random>

#include "base/IniFile.h"
#include "base/StringList.h"
#include "base/ZlibStream.h"
#include "skin/CompressedStoredSkin.h"
#include "skin/SkinData.h"
#include "skin/SkinPackage.h"

namespace {

// The shipped skin's entries: 13 skin objects and 63 skin controls, name:type.
const char* const Objects[] = {"menuitem:menuitem", "caption:caption", "closebutton:stdbutton",
    "minimizebutton:stdbutton", "maximizebutton:stdbutton", "rollupbutton:stdbutton",
    "mainmenubaritem:mainmenubaritem", "sysmenubutton:stdbutton", "menubarsysmenubutton:mainmenubarbutton",
    "menubarclosebutton:mainmenubarbutton", "menubarmaxbutton:mainmenubarbutton",
    "menubarminbutton:mainmenubarbutton", "traybutton:stdbutton"};
const char* const Controls[] = {"button:button", "toolpanel:panel", "toolbutton:button", "checkbox:checkradio",
    "gauge:gauge", "vgauge:gauge", "radiobox:checkradio", "panel:panel", "label:label", "trackbar:trackbar",
    "htrackbar:trackbar", "grid:grid", "tab:tab", "edit:edit", "memo:memo", "hscrollbar:scrollbar",
    "vscrollbar:scrollbar", "listbox:listbox", "combobox:combobox", "checklistbox:checklistbox",
    "spinedit:spinedit", "groupbox:panel", "stdlabel:stdlabel", "statuspanel:label", "statusbar:panel",
    "buttonedit:edit", "vupdown:updown", "hupdown:updown", "captionlistbox:listbox",
    "captionchecklistbox:checklistbox", "captioncombobox:combobox", "controlbar:controlbar",
    "mainmenubar:mainmenubar", "vsplitter:splitter", "hsplitter:splitter", "resizebutton:button",
    "bothhscrollbar:scrollbar", "bigtoolpanel:panel", "bigtoolbutton:button", "toolmenubutton:menubutton",
    "toolmenutrackbutton:menubutton", "bigtoolmenubutton:menubutton", "bigtoolmenutrackbutton:menubutton",
    "scrollbox:scrollbox", "treeview:treeview", "listview:listview", "statusgauge:gauge", "richedit:richedit",
    "expanel:expanel", "slider:slider", "bevel:bevel", "statusedit:edit", "statusbuttonedit:edit",
    "statusspinedit:spinedit", "statuscombobox:combobox", "toolspinedit:spinedit", "toolcombobox:combobox",
    "tooledit:edit", "toolbuttonedit:edit", "resizetoolpanel:panel", "resizetoolbutton:button",
    "htracktoolbutton:button", "vtracktoolbutton:button"};

// Values of the kinds real skins hold: small rectangles and points, colours.
class Filler final : public SkinKeys {
public:
    void Integer(std::string_view, int32_t& f, int32_t) override { f = static_cast<int32_t>(r_() % 0xFFFFFF); }
    void Boolean(std::string_view, bool& f) override { f = r_() % 2; }
    void String(std::string_view, std::string& f, std::string_view) override { f = "Tahoma"; }
    void Rect(std::string_view, TRect& f) override
    {
        f.Left = static_cast<int32_t>(r_() % 400);
        f.Top = static_cast<int32_t>(r_() % 300);
        f.Right = f.Left + 1 + static_cast<int32_t>(r_() % 100);
        f.Bottom = f.Top + 1 + static_cast<int32_t>(r_() % 60);
    }
    void Point(std::string_view, TPoint& f) override { f = {static_cast<int32_t>(r_() % 50), static_cast<int32_t>(r_() % 50)}; }
    void FontStyle(std::string_view, TFontStyles& f) override { f = r_() % 2 ? FontStyle::Bold : 0; }
    void Keyword(std::string_view, uint8_t& f, const KeywordTable& t) override { f = static_cast<uint8_t>(r_() % t.Words.size()); }

private:
    std::mt19937 r_{1};
};

void AddList(TMemIniFile& ini, const char* section, std::span<const char* const> entries)
{
    ini.WriteInteger(section, "count", static_cast<int32_t>(entries.size()));
    for (size_t i = 0; i < entries.size(); ++i) ini.WriteString(section, std::to_string(i), entries[i]);
}

// A definition of the shipped layout, cut to the shipped line count.
std::string Definition()
{
    TMemIniFile ini;
    ini.WriteString("VERSION", "ver", "3");
    ini.WriteString("VERSION", "skinname", "Bench");
    ini.WriteString("PICTURES", "picture", "main.bmp");
    ini.WriteString("PICTURES", "inactivepicture", "inactive.bmp");
    ini.WriteString("PICTURES", "mask", "mask.bmp");
    WriteStringList(ini, "PICTURES", "activepictures", {"0.bmp", "1.bmp", "2.bmp", "3.bmp", "4.bmp", "5.bmp"});
    Filler fill;
    TbsSkinFormInfo form;
    TbsDataSkinPopupWindow popup;
    TbsDataSkinHintWindow hint;
    TbsSkinColors colors;
    for (TbsSkinDefinition* d : std::initializer_list<TbsSkinDefinition*>{&form, &popup, &hint, &colors}) {
        d->Keys(fill);
        d->SaveToIni(ini);
    }
    AddList(ini, "SKINOBJECTS", Objects);
    AddList(ini, "SKINCONTROLS", Controls);
    auto save = [&](auto create, const char* entry) {
        const std::string e = entry;
        auto d = create(e.substr(e.find(':') + 1), e.substr(0, e.find(':')));
        d->Keys(fill);
        d->SaveToIni(ini);
    };
    for (const char* e : Objects) save(CreateSkinObject, e);
    for (const char* e : Controls) save(CreateSkinControl, e);
    // Trim every definition section evenly until the text has the shipped 2,156 lines.
    TStringList lines;
    lines.SetText(ini.Text());
    const size_t target = 2156;
    std::vector<std::string> out;
    size_t surplus = lines.Count() > target ? lines.Count() - target : 0;
    const size_t sections = std::size(Objects) + std::size(Controls);
    const size_t dropPerSection = (surplus + sections - 1) / sections;
    size_t inSection = 0;
    bool definition = false;
    for (const std::string& line : lines.Lines) {
        if (line.starts_with("[")) {
            inSection = 0;
            definition = line != "[VERSION]" && line != "[PICTURES]" && line != "[FORMINFO]" &&
                         line != "[POPUPWINDOW]" && line != "[HINTWINDOW]" && line != "[SKINCOLORS]" &&
                         line != "[SKINOBJECTS]" && line != "[SKINCONTROLS]";
        } else if (definition && !line.empty() && ++inSection > 12 && surplus > 0 && inSection <= 12 + dropPerSection) {
            --surplus;
            continue;
        }
        out.push_back(line);
    }
    TStringList result;
    result.Lines = out;
    return result.Text();
}

TDib Picture(int width, int height, int bits, int colors = 0)
{
    TDib dib(width, height, bits);
    if (colors) dib.Palette.resize(colors);
    for (int y = 0; y < height; ++y) {
        auto row = dib.Row(y);
        for (int x = 0; x < width; ++x) {
            const bool frame = x < 3 || y < 3 || x >= width - 3 || y >= height - 3;
            if (bits == 24) {
                row[x * 3] = static_cast<uint8_t>(frame ? 90 : 200 + y * 40 / height);
                row[x * 3 + 1] = static_cast<uint8_t>(frame ? 90 : 180 + y * 50 / height);
                row[x * 3 + 2] = static_cast<uint8_t>(frame ? 100 : 160 + x * 60 / width);
            } else if (bits == 8) {
                row[x] = static_cast<uint8_t>(frame ? 0 : (x / 8 + y / 8) % (colors ? colors : 256));
            } else if (x < width / 8 * 8) {
                row[x / 8] = frame ? 0x00 : 0xFF;
            }
        }
    }
    return dib;
}

using Clock = std::chrono::steady_clock;
double Micro(Clock::duration d) { return std::chrono::duration<double, std::micro>(d).count(); }
double Median(std::vector<double> v)
{
    std::sort(v.begin(), v.end());
    return v[v.size() / 2];
}

} // namespace

int main()
{
    SkinPackage package;
    package.Picture = Picture(162, 120, 24);
    package.InactivePicture = Picture(162, 120, 24);
    package.MaskPicture = Picture(162, 120, 1);
    package.ActivePictures = {Picture(145, 165, 24), Picture(67, 61, 24), Picture(65, 116, 24),
                              Picture(40, 21, 24),   Picture(521, 353, 24), Picture(138, 86, 8, 237)};
    package.Text = Definition();
    TMemoryStream inflated, packed;
    WriteSkinPackage(inflated, package);
    {
        TCompressionStream deflater(TCompressionLevel::Max, packed);
        deflater.WriteBuffer(inflated.Bytes().data(), inflated.Bytes().size());
    }
    TbsCompressedStoredSkin skin;
    skin.SetCompressedData(packed.Bytes());

    std::vector<unsigned char> out(inflated.Bytes().size());
    std::vector<double> ours, reference;
    size_t controls = 0, objects = 0;
    for (int round = 0; round < 101; ++round) {
        auto t0 = Clock::now();
        uLongf size = static_cast<uLongf>(out.size());
        uncompress(out.data(), &size, reinterpret_cast<const Bytef*>(packed.Bytes().data()),
                   static_cast<uLong>(packed.Bytes().size()));
        reference.push_back(Micro(Clock::now() - t0));
        t0 = Clock::now();
        TbsSkinData data;
        data.LoadCompressedStoredSkin(skin);
        ours.push_back(Micro(Clock::now() - t0));
        controls = data.SkinControls.size();
        objects = data.SkinObjects.size();
    }
    TStringList lines;
    lines.SetText(package.Text);
    const double a = Median(ours), b = Median(reference);
    std::printf("skin-load: %.0f us for %zu bytes inflated, %zu lines, %zu objects, %zu controls "
                "(reference: %.0f us for zlib inflating the same %zu bytes alone, ratio: %.3f)\n",
                a, inflated.Bytes().size(), lines.Count(), objects, controls, b, packed.Bytes().size(), a / b);
}
