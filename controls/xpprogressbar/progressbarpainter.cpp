#include "controls/xpprogressbar/progressbarpainter.h"

#include "controls/xpprogressbar/progressbartiles.h"

namespace {

struct FramePiece {
    int x, y, width, height; // target, in terms of the control's W and H below
    Gdi::Rect source;
};

} // namespace

ProgressBarPainter::ProgressBarPainter(Gdi::Surface &surface, const ProgressBarState &state)
    : m_surface(surface)
    , m_state(state)
{
}

void ProgressBarPainter::repaint(ProgressBarTrack &track)
{
    m_surface.resetClip();
    m_surface.clear(Gdi::ColorRef(Gdi::sysColor(Gdi::ButtonFace)));
    const Gdi::Surface &img = ProgressBarTiles::frame();
    const int w = width();
    const int h = height();
    // Nine pieces: corners copied, edges and trough stretched from the
    // frame image's own border and middle.
    const FramePiece pieces[] = {
        {0, 0, 3, 3, Gdi::Rect::box(0, 0, 3, 3)},
        {w - 3, 0, 3, 3, Gdi::Rect::box(56, 0, 3, 3)},
        {w - 3, h - 3, 3, 3, Gdi::Rect::box(56, 10, 3, 3)},
        {0, h - 3, 3, 3, Gdi::Rect::box(0, 10, 3, 3)},
        {3, 0, w - 6, 3, Gdi::Rect::box(3, 0, 12, 3)},
        {w - 3, 3, 3, h - 6, Gdi::Rect::box(56, 3, 3, 3)},
        {3, h - 3, w - 6, 3, Gdi::Rect::box(3, 10, 1, 3)},
        {0, 3, 3, h - 6, Gdi::Rect::box(0, 3, 3, 3)},
        {3, 3, w - 6, h - 6, Gdi::Rect::box(4, 4, 51, 7)},
    };
    for (const FramePiece &piece : pieces)
        m_surface.stretchBlt(Gdi::Rect::box(piece.x, piece.y, piece.width, piece.height), img,
                             piece.source);

    track.nextBlockX = FirstBlockX;
    track.groupX = FirstBlockX;
    track.trackFull = false;
    track.lastValue = m_state.value;
}

bool ProgressBarPainter::blockReachesValue(int x) const
{
    // x < (Value - Min) * W / (Max - Min), kept exact in integers. An empty
    // range has no length to fill.
    const long long span = (long long)m_state.max - m_state.min;
    if (span <= 0)
        return false;
    return (long long)x * span < ((long long)m_state.value - m_state.min) * width();
}

void ProgressBarPainter::updateBlocks(ProgressBarTrack &track)
{
    if (m_state.value <= m_state.min || m_state.value < track.lastValue)
        repaint(track);
    const int w = width();
    while (!track.trackFull && blockReachesValue(track.nextBlockX)) {
        const int x = track.nextBlockX;
        if (x + BlockStep >= w) {
            // The last piece is squeezed into what is left before the border.
            drawTile(m_state.tiles[2], x, w - Border - x);
            track.trackFull = true;
            break;
        }
        drawTile(m_state.tiles[2], x, ProgressBarTiles::TileWidth);
        track.nextBlockX += BlockStep;
    }
    track.lastValue = m_state.value;
}

void ProgressBarPainter::advanceGroup(ProgressBarTrack &track)
{
    const int w = width();
    const int p = track.groupX;
    const int half = ProgressBarTiles::TileWidth / 2;
    // The group may touch the frame near either end; keep it in the trough.
    m_surface.setClipRect({Border, Border, w - Border, height() - Border});
    if (p != 2 && p != 4)
        m_surface.stretchBlt(Gdi::Rect::box(p - 5, Border, half, height() - 2 * Border),
                             ProgressBarTiles::blank(), ProgressBarTiles::blank().bounds());
    if (p + 20 < w)
        drawTile(m_state.tiles[2], p + 10, half);
    if (p + 10 < w)
        drawTile(m_state.tiles[1], p + 5, half);
    if (p + 5 < w)
        drawTile(m_state.tiles[0], p, half);
    m_surface.resetClip();
    track.groupX = p + GroupStep >= w ? 2 : p + GroupStep;
}

void ProgressBarPainter::drawTile(const Gdi::Surface *tile, int x, int tileWidth)
{
    if (!tile || tileWidth <= 0)
        return;
    m_surface.stretchBlt(Gdi::Rect::box(x, Border, tileWidth, height() - 2 * Border), *tile,
                         tile->bounds());
}
