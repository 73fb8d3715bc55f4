#include "controls/xpprogressbar/progressbarpainter.h"

#include "controls/xpprogressbar/progressbartiles.h"

namespace {

// Where the frame image's right and bottom borders start.
constexpr int RightBorderX = ProgressBarTiles::FrameWidth - ProgressBarPainter::Border;
constexpr int BottomBorderY = ProgressBarTiles::FrameHeight - ProgressBarPainter::Border;

// Where the moving group starts again once it has run off the end.
constexpr int GroupRestartX = 2;

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
    // Nine pieces: corners copied, edges and trough stretched from samples
    // of the frame image's own border and middle.
    constexpr int B = Border; // short, to keep the table readable
    const FramePiece pieces[] = {
        {0, 0, B, B, Gdi::Rect::box(0, 0, B, B)},
        {w - B, 0, B, B, Gdi::Rect::box(RightBorderX, 0, B, B)},
        {w - B, h - B, B, B, Gdi::Rect::box(RightBorderX, BottomBorderY, B, B)},
        {0, h - B, B, B, Gdi::Rect::box(0, BottomBorderY, B, B)},
        {B, 0, w - 2 * B, B, Gdi::Rect::box(B, 0, /*width*/ 12, B)},
        {w - B, B, B, h - 2 * B, Gdi::Rect::box(RightBorderX, B, B, B)},
        {B, h - B, w - 2 * B, B, Gdi::Rect::box(B, BottomBorderY, /*width*/ 1, B)},
        {0, B, B, h - 2 * B, Gdi::Rect::box(0, B, B, B)},
        {B, B, w - 2 * B, h - 2 * B, Gdi::Rect::box(/*x*/ 4, /*y*/ 4, /*width*/ 51, /*height*/ 7)},
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
    // The three tiles stand a step apart; the step behind the group is
    // erased unless the group has just (re)started.
    if (p != GroupRestartX && p != FirstBlockX)
        m_surface.stretchBlt(Gdi::Rect::box(p - GroupStep, Border, half, height() - 2 * Border),
                             ProgressBarTiles::blank(), ProgressBarTiles::blank().bounds());
    if (p + 4 * GroupStep < w)
        drawTile(m_state.tiles[2], p + 2 * GroupStep, half);
    if (p + 2 * GroupStep < w)
        drawTile(m_state.tiles[1], p + GroupStep, half);
    if (p + GroupStep < w)
        drawTile(m_state.tiles[0], p, half);
    m_surface.resetClip();
    track.groupX = p + GroupStep >= w ? GroupRestartX : p + GroupStep;
}

void ProgressBarPainter::drawTile(const Gdi::Surface *tile, int x, int tileWidth)
{
    if (!tile || tileWidth <= 0)
        return;
    m_surface.stretchBlt(Gdi::Rect::box(x, Border, tileWidth, height() - 2 * Border), *tile,
                         tile->bounds());
}
