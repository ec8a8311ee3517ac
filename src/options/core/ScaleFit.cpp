#include "options/core/ScaleFit.h"

#include "options/core/OptionText.h"

#include <algorithm>
#include <cmath>

int twipsToPixelsAt(int twips, double factor)
{
    constexpr double TwipsPerPixel = 15;
    const long pixels = std::lround(twips / TwipsPerPixel);
    if (factor == 1.0)
        return static_cast<int>(pixels);
    return static_cast<int>(std::lround(static_cast<double>(pixels) * factor));
}

QSize windowSizeAt(const WindowExtent &window, double factor, const QSize &frame)
{
    const auto bars = [factor](int pixels) { return static_cast<int>(std::lround(pixels * factor)); };
    return {twipsToPixelsAt(window.clientTwips.width(), factor) + bars(window.barsPixels.width()) +
                frame.width(),
            twipsToPixelsAt(window.clientTwips.height(), factor) + bars(window.barsPixels.height()) +
                frame.height()};
}

bool windowsFit(const QList<WindowExtent> &windows, const QSize &frame, const QSize &screen,
                GameOptions::Scale scale)
{
    const double factor = scaleFactor(scale);
    return std::all_of(windows.cbegin(), windows.cend(), [&](const WindowExtent &window) {
        const QSize size = windowSizeAt(window, factor, frame);
        return size.width() <= screen.width() && size.height() <= screen.height();
    });
}

GameOptions::Scale fittedScale(GameOptions::Scale chosen, const QList<WindowExtent> &windows,
                               const QSize &frame, const QSize &screen)
{
    if (windowsFit(windows, frame, screen, chosen))
        return chosen;
    // From the largest down; the game's own size is the last resort, fitting or not.
    constexpr GameOptions::Scale Larger[] = {GameOptions::Scale::Percent300, GameOptions::Scale::Percent200,
                                             GameOptions::Scale::Percent150};
    for (GameOptions::Scale scale : Larger)
        if (scaleFactor(scale) < scaleFactor(chosen) && windowsFit(windows, frame, screen, scale))
            return scale;
    return GameOptions::Scale::Percent100;
}
