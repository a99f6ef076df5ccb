// Fuzzes the scrolling banner's arithmetic: steps, image places, tiling and turns over
// arbitrary positions, step sizes, banner and image sizes and directions.
#include "controls/BannerCore.h"

#include <fuzzer/FuzzedDataProvider.h>

#include <cstdlib>

using namespace controls;

namespace {

void check(bool condition) {
    if (!condition) std::abort();
}

constexpr int kMaxSize = 65535; // sizes beyond any screen and any image

TScrollDirection consumeDirection(FuzzedDataProvider& data) {
    return static_cast<TScrollDirection>(data.ConsumeIntegralInRange(0, 3));
}

void checkStep(std::uint16_t position, std::uint16_t pixels, int extent, int span, bool noGap,
               bool onlyOnce) {
    const StepOutcome out = bannerStep(position, pixels, extent, span, noGap, onlyOnce);
    const auto moved = static_cast<std::uint16_t>(position + pixels);
    if (noGap) {
        check(!out.disable);
        check(extent <= 0 ? out.position == 0 : out.position <= extent);
    } else if (out.disable) {
        check(onlyOnce && out.position == moved); // the position stays where the pass ended
    } else {
        check(out.position == moved || out.position == 0);
    }
}

void checkTiling(TScrollDirection d, std::uint16_t position, int bw, int bh, int iw, int ih) {
    const auto origins = tiledOrigins(d, position, bw, bh, iw, ih);
    check(!origins.empty() && origins.front() == imageOrigin(d, position, bw, bh, iw, ih));
    const int step = isHorizontal(d) ? iw : ih;
    const int span = isHorizontal(d) ? bw : bh;
    // Copies one image apart, no more than it takes to cover the banner and the entry gap.
    check(step <= 0 ? origins.size() == 1
                    : origins.size() <= static_cast<std::size_t>((span + 65535) / step + 2));
    for (std::size_t i = 1; i < origins.size(); ++i) {
        const int dx = origins[i].x - origins[i - 1].x;
        const int dy = origins[i].y - origins[i - 1].y;
        check((isHorizontal(d) ? std::abs(dx) : std::abs(dy)) == step);
        check((isHorizontal(d) ? dy : dx) == 0);
    }
}

void checkReversal(TScrollDirection d, std::uint16_t position, int bw, int bh, int iw, int ih) {
    const TScrollDirection back = d == sdRightToLeft   ? sdLeftToRight
                                  : d == sdLeftToRight ? sdRightToLeft
                                  : d == sdTopToBottom ? sdBottomToTop
                                                       : sdTopToBottom;
    const std::uint16_t turned = positionAfterTurn(d, back, position, bw, bh, iw, ih);
    check(positionAfterTurn(back, d, turned, bw, bh, iw, ih) == position);
    // Without a wrap the image stays where it is on the screen.
    const int extent = isHorizontal(d) ? iw + bw : ih + bh;
    if (extent <= 65535 && position <= extent)
        check(imageOrigin(back, turned, bw, bh, iw, ih) ==
              imageOrigin(d, position, bw, bh, iw, ih));
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* bytes, std::size_t size) {
    FuzzedDataProvider data(bytes, size);
    const auto position = data.ConsumeIntegral<std::uint16_t>();
    const auto pixels = data.ConsumeIntegral<std::uint16_t>();
    const int bw = data.ConsumeIntegralInRange(0, kMaxSize);
    const int bh = data.ConsumeIntegralInRange(0, kMaxSize);
    const int iw = data.ConsumeIntegralInRange(0, kMaxSize);
    const int ih = data.ConsumeIntegralInRange(0, kMaxSize);
    const TScrollDirection d = consumeDirection(data);
    const TScrollDirection to = consumeDirection(data);
    const bool noGap = data.ConsumeBool();
    const bool onlyOnce = data.ConsumeBool();

    const bool horizontal = isHorizontal(d);
    checkStep(position, pixels, horizontal ? iw : ih, horizontal ? bw : bh, noGap, onlyOnce);
    checkTiling(d, position, bw, bh, iw, ih);
    checkReversal(d, position, bw, bh, iw, ih);
    positionAfterTurn(d, to, position, bw, bh, iw, ih); // any turn: no overflow, no trap
    return 0;
}
