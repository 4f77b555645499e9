#include "ui/picture_scaling.h"

#include <algorithm>
#include <cmath>
#include <numeric>

namespace {

struct Share {
    int From;      // old pixel
    double Weight; // of it in the new pixel, all of a new pixel's weights adding up to 1
};

// For each of `to` new pixels along one axis, the old pixels it covers and how much of each.
std::vector<std::vector<Share>> Shares(int from, int to) {
    std::vector<std::vector<Share>> shares(static_cast<size_t>(to));
    const double step = static_cast<double>(from) / to;
    for (int pixel = 0; pixel < to; ++pixel) {
        const double start = pixel * step, end = start + step;
        for (int old = static_cast<int>(start); old < from && old < end; ++old)
            shares[static_cast<size_t>(pixel)].push_back(
                {old, (std::min<double>(end, old + 1) - std::max<double>(start, old)) / step});
    }
    return shares;
}

// One channel of the picture, resampled along x (the stride between pixels is 1) or y (the width).
uint32_t Channel(const Pixels& pixels, int shift, size_t at, size_t stride,
                 const std::vector<Share>& shares) {
    const double sum =
        std::accumulate(shares.begin(), shares.end(), 0.0, [&](double total, const Share& share) {
            return total + share.Weight * ((pixels[at + share.From * stride] >> shift) & 0xFF);
        });
    return static_cast<uint32_t>(std::clamp(std::lround(sum), 0L, 255L)) << shift;
}

} // namespace

Pixels ScalePixels(const Pixels& pixels, int width, int height, int toWidth, int toHeight) {
    const auto across = Shares(width, toWidth), down = Shares(height, toHeight);
    Pixels wide(static_cast<size_t>(toWidth) * height), scaled(static_cast<size_t>(toWidth) * toHeight);
    for (int y = 0; y < height; ++y)
        for (int x = 0; x < toWidth; ++x)
            for (int shift : {0, 8, 16})
                wide[static_cast<size_t>(y) * toWidth + x] |=
                    Channel(pixels, shift, static_cast<size_t>(y) * width, 1, across[x]);
    for (int y = 0; y < toHeight; ++y)
        for (int x = 0; x < toWidth; ++x)
            for (int shift : {0, 8, 16})
                scaled[static_cast<size_t>(y) * toWidth + x] |=
                    Channel(wide, shift, static_cast<size_t>(x), static_cast<size_t>(toWidth), down[y]);
    return scaled;
}
