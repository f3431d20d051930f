#pragma once
#include <png.h>

// The error and warning handlers both PNG codecs give libpng. libpng is C: its errors
// leave by longjmp back to the codec function, never by unwinding through it (the
// Windows build has no unwind tables for it), so no callback lets an exception out.
// Everything a codec touches lives in a job on the heap, so the jump skips no
// destructor. The error pointer is the job's std::string for the reason.
[[noreturn]] void PngFail(png_structp png, png_const_charp message);
void PngWarn(png_structp png, png_const_charp message);
