#pragma once

#include "platform/gdi/surface.h"

#include <array>

// The built-in pictures of the progress bar, drawn once in code: the frame
// image, the background strip, and the eight three-tile looks.
class ProgressBarTiles {
public:
    using TileSet = std::array<Gdi::Surface, 3>;

    static constexpr int FrameWidth = 59;
    static constexpr int FrameHeight = 13;
    static constexpr int TileWidth = 8;
    static constexpr int TileHeight = 10;
    static constexpr int LookCount = 8;

    // 59 x 13: a 3-pixel border around the trough.
    static const Gdi::Surface &frame();
    // 8 x 10: the empty trough, for erasing behind the moving group.
    static const Gdi::Surface &blank();
    // The tiles of look 0 to 7 (master, blue, bluemet, goldmet, grmet,
    // greymet, orangemet, redmet): index 2 is the block, 0 and 1 are
    // lighter heads for the moving group. Null for any other look.
    static const TileSet *look(int index);

private:
    struct Artwork;
    static const Artwork &artwork();
};
