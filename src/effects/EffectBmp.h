#pragma once
#include <cstddef>
#include <cstdint>
#include <span>
#include <vector>

// A 24-bit working copy of a picture (rows top-down, bytes blue, green, red, each row
// padded to a multiple of 4) on which hover frames are computed: the picture morphs
// towards another by a factor t in one of seven ways, or lightens towards white.
// Every operation goes row by row through a one-row buffer; channel values round to
// nearest, ties to even, then clamp to 0–255. A morph with a picture of another size
// does nothing.
class TbsEffectBmp {
public:
    TbsEffectBmp(int width, int height);

    int Width() const { return width_; }
    int Height() const { return height_; }
    size_t Stride() const { return stride_; }
    std::span<uint8_t> Row(int y) { return {bits_.data() + y * stride_, static_cast<size_t>(width_) * 3}; }
    std::span<const uint8_t> Row(int y) const { return {bits_.data() + y * stride_, static_cast<size_t>(width_) * 3}; }
    uint8_t* Bits() { return bits_.data(); }
    const uint8_t* Bits() const { return bits_.data(); }

    void MorphBlend(const TbsEffectBmp& b, double t);
    void MorphGradient(const TbsEffectBmp& b, double t);
    void MorphLeftGradient(const TbsEffectBmp& b, double t);
    void MorphRightGradient(const TbsEffectBmp& b, double t);
    void MorphLeftSlide(const TbsEffectBmp& b, double t);
    void MorphRightSlide(const TbsEffectBmp& b, double t);
    void MorphPush(const TbsEffectBmp& b, double t);
    // By the skin's morph kind 0–6 ("mkdefault" … "mkpush").
    void Morph(int kind, const TbsEffectBmp& b, double t);
    void Lighten(double t);

private:
    bool SameSize(const TbsEffectBmp& b) const { return b.width_ == width_ && b.height_ == height_; }
    int SlideWidth(double t) const;
    void GradientColumns(const TbsEffectBmp& b, int from, int to, int direction, double step);

    int width_, height_;
    size_t stride_;
    std::vector<uint8_t> bits_;
};
