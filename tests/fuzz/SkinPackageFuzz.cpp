// The whole skin load from outside bytes. One input serves three entry points: the
// framed form, the stored compressed data (inputs that start like a zlib stream),
// and the inflated package, which is deflated here so mutations reach the pictures,
// the definition text and the definitions past zlib's checksum.
#include <zlib.h>

#include <vector>

#include "Fuzz.h"
#include "base/Exception.h"
#include "base/Stream.h"
#include "skin/CompressedStoredSkin.h"
#include "skin/SkinData.h"

namespace {

void Load(TbsCompressedStoredSkin& skin)
{
    TbsSkinData data;
    try {
        data.LoadCompressedStoredSkin(skin);
    } catch (const Exception&) {
        FUZZ_CHECK(data.Empty());
        return;
    }
    // What the skinned controls do with a loaded skin: find their definition by name.
    for (const auto& control : data.SkinControls) FUZZ_CHECK(data.GetControlIndex(control->SectionName) >= 0);
    for (const TDib& picture : data.ActivePictures) FUZZ_CHECK(!picture.Empty());
}

std::vector<std::byte> Deflate(std::span<const std::byte> bytes)
{
    uLongf size = compressBound(static_cast<uLong>(bytes.size()));
    std::vector<std::byte> out(size);
    FUZZ_CHECK(compress2(reinterpret_cast<Bytef*>(out.data()), &size, reinterpret_cast<const Bytef*>(bytes.data()),
                         static_cast<uLong>(bytes.size()), Z_BEST_SPEED) == Z_OK);
    out.resize(size);
    return out;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    const auto bytes = AsBytes(data, size);
    TbsCompressedStoredSkin framed;
    try {
        TMemoryStream stream;
        stream.WriteBuffer(data, size);
        framed.LoadFramed(stream);
        FUZZ_CHECK(framed.IsEmpty() || framed.CompressedData().size() + 8 <= size);
    } catch (const Exception&) {
    }
    if (!framed.IsEmpty()) Load(framed);

    TbsCompressedStoredSkin stored;
    const bool zlibHeader = size >= 2 && data[0] == 0x78 && (data[0] << 8 | data[1]) % 31 == 0;
    stored.SetCompressedData(zlibHeader ? std::vector<std::byte>(bytes.begin(), bytes.end()) : Deflate(bytes));
    Load(stored);
    return 0;
}
