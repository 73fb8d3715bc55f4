#include "controls/xpprogressbar/progressbartiles.h"

#include <algorithm>
#include <cmath>

namespace {

using Gdi::ColorRef;

struct Look {
    ColorRef base;
    bool metallic;
};

// master, blue, bluemet, goldmet, grmet, greymet, orangemet, redmet
constexpr std::array<Look, ProgressBarTiles::LookCount> Looks = {{
    {Gdi::rgb(52, 178, 60), false},
    {Gdi::rgb(44, 104, 226), false},
    {Gdi::rgb(58, 112, 178), true},
    {Gdi::rgb(196, 150, 28), true},
    {Gdi::rgb(46, 140, 78), true},
    {Gdi::rgb(118, 124, 132), true},
    {Gdi::rgb(236, 118, 22), true},
    {Gdi::rgb(196, 36, 36), true},
}};

// Brightness per tile row: flat looks have a soft band in the middle,
// metallic ones a bright sheen at the top and a dark foot.
constexpr std::array<double, 10> FlatRows
    = {0.92, 1.12, 1.30, 1.38, 1.26, 1.10, 1.0, 0.96, 0.90, 0.80};
constexpr std::array<double, 10> MetalRows
    = {1.40, 1.62, 1.38, 1.12, 0.96, 0.86, 0.80, 0.80, 0.86, 0.68};

int shadeChannel(int channel, double factor)
{
    const double value
        = factor > 1.0 ? channel + (255 - channel) * (factor - 1.0) : channel * factor;
    return std::clamp(int(std::lround(value)), 0, 255);
}

ColorRef shade(ColorRef c, double factor)
{
    return Gdi::rgb(shadeChannel(Gdi::red(c), factor), shadeChannel(Gdi::green(c), factor),
                    shadeChannel(Gdi::blue(c), factor));
}

// Lighter tiles of the moving group's head: the base blended towards white.
ColorRef whiten(ColorRef c, double amount)
{
    return shade(c, 1.0 + amount);
}

Gdi::Surface makeTile(const Look &look, double whiteness)
{
    Gdi::Surface tile(ProgressBarTiles::TileWidth, ProgressBarTiles::TileHeight);
    const ColorRef base = whiten(look.base, whiteness);
    const auto &rows = look.metallic ? MetalRows : FlatRows;
    for (int y = 0; y < ProgressBarTiles::TileHeight; ++y) {
        const ColorRef row = shade(base, rows[std::size_t(y)]);
        tile.fillRect(Gdi::Rect::box(0, y, ProgressBarTiles::TileWidth, 1), row);
        // Darker side columns give each block a rounded edge.
        tile.setPixel(0, y, shade(row, 0.86));
        tile.setPixel(ProgressBarTiles::TileWidth - 1, y, shade(row, 0.80));
    }
    return tile;
}

// The trough is one flat colour, and so is the blank strip: the two are
// stretched by different amounts, and any shading would show seams where
// the moving group has been erased.
constexpr ColorRef TroughColor = Gdi::rgb(244, 245, 247);

Gdi::Surface makeFrame()
{
    const int w = ProgressBarTiles::FrameWidth;
    const int h = ProgressBarTiles::FrameHeight;
    Gdi::Surface frame(w, h);
    frame.fillRect(frame.bounds(), TroughColor);
    frame.frameRect(Gdi::Rect::box(0, 0, w, h), Gdi::rgb(104, 116, 132));
    frame.frameRect(Gdi::Rect::box(1, 1, w - 2, h - 2), Gdi::rgb(178, 186, 196));
    frame.frameRect(Gdi::Rect::box(2, 2, w - 4, h - 4), Gdi::rgb(214, 218, 224));
    // The trough's source reaches into the bottom ring, so that row carries
    // the trough colour: a lit lower edge instead of a grey band.
    frame.fillRect(Gdi::Rect::box(2, h - 3, w - 4, 1), TroughColor);
    // Rounded outer corners take the window face colour.
    const ColorRef face = Gdi::ColorRef(Gdi::sysColor(Gdi::ButtonFace));
    for (const auto &[x, y] : {std::pair{0, 0}, {w - 1, 0}, {0, h - 1}, {w - 1, h - 1}})
        frame.setPixel(x, y, face);
    return frame;
}

Gdi::Surface makeBlank()
{
    return Gdi::Surface(ProgressBarTiles::TileWidth, ProgressBarTiles::TileHeight, TroughColor);
}

} // namespace

struct ProgressBarTiles::Artwork {
    Gdi::Surface frame = makeFrame();
    Gdi::Surface blank = makeBlank();
    std::array<TileSet, LookCount> looks;

    Artwork()
    {
        for (std::size_t i = 0; i < Looks.size(); ++i)
            looks[i]
                = {makeTile(Looks[i], 0.55), makeTile(Looks[i], 0.28), makeTile(Looks[i], 0.0)};
    }
};

const ProgressBarTiles::Artwork &ProgressBarTiles::artwork()
{
    static const Artwork pictures;
    return pictures;
}

const Gdi::Surface &ProgressBarTiles::frame()
{
    return artwork().frame;
}

const Gdi::Surface &ProgressBarTiles::blank()
{
    return artwork().blank;
}

const ProgressBarTiles::TileSet *ProgressBarTiles::look(int index)
{
    if (index < 0 || index >= LookCount)
        return nullptr;
    return &artwork().looks[std::size_t(index)];
}
