#pragma once

#include "platform/gdi/surface.h"

#include <array>

// What the progress bar painter reads: the range, the value and the three
// working tiles (light head, mid head, block).
struct ProgressBarState {
    int min = 0;
    int max = 100;
    int value = 0;
    std::array<const Gdi::Surface *, 3> tiles{};
};

struct ProgressBarTrack;

// Draws the tiled bar on a surface the size of the control.
class ProgressBarPainter {
public:
    static constexpr int FirstBlockX = 4;
    static constexpr int BlockStep = 10; // 8-pixel blocks, 2-pixel gaps
    static constexpr int Border = 3;
    static constexpr int GroupStep = 5;

    ProgressBarPainter(Gdi::Surface &surface, const ProgressBarState &state);

    // Frame and empty trough; the track starts again from the left.
    void repaint(ProgressBarTrack &track);
    // Style 0: grows the row of blocks to the value, or clears and redraws
    // it when the value went down.
    void updateBlocks(ProgressBarTrack &track);
    // Other styles: moves the group of three tiles one step to the right.
    void advanceGroup(ProgressBarTrack &track);

private:
    int width() const { return m_surface.width(); }
    int height() const { return m_surface.height(); }
    bool blockReachesValue(int x) const;
    void drawTile(const Gdi::Surface *tile, int x, int width);

    Gdi::Surface &m_surface;
    const ProgressBarState &m_state;
};

// Where drawing stands since the last repaint; the painter keeps it up to
// date and the control keeps it until the next resize.
struct ProgressBarTrack {
    int nextBlockX = ProgressBarPainter::FirstBlockX;
    int groupX = ProgressBarPainter::FirstBlockX;
    bool trackFull = false;
    int lastValue = 0;
};
