// The bitmap reader: every picture it accepts can be read pixel by pixel and comes
// back the same through the writer.
#include "Fuzz.h"
#include "base/Dib.h"
#include "base/Exception.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    TDib dib;
    try {
        dib = TDib::FromBmp(AsBytes(data, size));
    } catch (const Exception&) {
        return 0;
    }
    FUZZ_CHECK(!dib.Empty());
    const TDib copy = TDib::FromBmp(dib.ToBmp());
    FUZZ_CHECK(copy.Width() == dib.Width() && copy.Height() == dib.Height() && copy.BitsPerPixel() == dib.BitsPerPixel());
    for (int y = 0; y < dib.Height(); ++y)
        for (int x = 0; x < dib.Width(); ++x) FUZZ_CHECK(copy.Color(x, y) == dib.Color(x, y));
    return 0;
}
