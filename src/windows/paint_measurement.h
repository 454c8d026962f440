#pragma once
// What was painted, for the repaint and start-up measurements. Only a
// measurement build (OSTREL_MEASURE_PAINTING) counts and writes the figures,
// to the file named by OSTREL_PAINT_LOG; the shipped program does neither.

#include <windows.h>

namespace ostrel::win32 {

struct PaintCount {
    long long ticks = 0;
    long long windowPixels = 0;
    long long textBlockPixels = 0;
    long long firstTextMs = -1;
};

#ifdef OSTREL_MEASURE_PAINTING
void CountTick(PaintCount& count);
void CountWindowPaint(PaintCount& count, const RECT& area);
void CountTextBlockPaint(PaintCount& count, const RECT& area, bool drewText);
void WritePaintMeasurement(const PaintCount& count);
#else
inline void CountTick(PaintCount&) {}
inline void CountWindowPaint(PaintCount&, const RECT&) {}
inline void CountTextBlockPaint(PaintCount&, const RECT&, bool) {}
inline void WritePaintMeasurement(const PaintCount&) {}
#endif

}  // namespace ostrel::win32
