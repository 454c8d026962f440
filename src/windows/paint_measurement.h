#pragma once
// What was painted, for the repaint and start-up measurements. Only a
// measurement build (OSTREL_MEASURE_PAINTING) counts and writes the figures,
// to the file named by OSTREL_PAINT_LOG; the shipped program does neither.

#include <windows.h>

namespace ostrel::win32 {

#ifdef OSTREL_MEASURE_PAINTING
void CountTick();
void CountWindowPaint(const RECT& area);
void CountTextBlockPaint(const RECT& area, bool drewText);
void WritePaintMeasurement();
#else
inline void CountTick() {}
inline void CountWindowPaint(const RECT&) {}
inline void CountTextBlockPaint(const RECT&, bool) {}
inline void WritePaintMeasurement() {}
#endif

}  // namespace ostrel::win32
