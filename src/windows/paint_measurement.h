#pragma once
// What was painted and asked of the system, for the repaint, start-up and
// CPU measurements. Only a measurement build (OSTREL_MEASURE_PAINTING)
// counts and writes the figures, to the file named by OSTREL_PAINT_LOG; the
// shipped program does neither.

#include <windows.h>

namespace ostrel::win32 {

struct PaintCount {
    long long ticks = 0;
    long long windowPixels = 0;
    long long textBlockPixels = 0;
    long long firstTextMs = -1;
    long long windowPaints = 0;
    long long textBlockPaints = 0;
    long long textMeasures = 0;
};

#ifdef OSTREL_MEASURE_PAINTING
void CountTick(PaintCount& count);
void CountWindowPaint(PaintCount& count, const RECT& area);
void CountTextBlockPaint(PaintCount& count, const RECT& area, bool drewText);
void CountTextMeasure(PaintCount& count);
// With the calls for the interface table, which the network service counts.
void WritePaintMeasurement(const PaintCount& count, long long interfaceTableCalls);
#else
inline void CountTick(PaintCount&) {}
inline void CountWindowPaint(PaintCount&, const RECT&) {}
inline void CountTextBlockPaint(PaintCount&, const RECT&, bool) {}
inline void CountTextMeasure(PaintCount&) {}
inline void WritePaintMeasurement(const PaintCount&, long long) {}
#endif

}  // namespace ostrel::win32
