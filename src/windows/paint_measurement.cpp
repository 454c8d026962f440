#include "windows/paint_measurement.h"

#ifdef OSTREL_MEASURE_PAINTING

#include <cstdio>

namespace ostrel::win32 {

namespace {

long long Area(const RECT& r) {
    return static_cast<long long>(r.right - r.left) * (r.bottom - r.top);
}

long long MillisecondsSinceProcessStart() {
    FILETIME created, exited, kernel, user, now;
    GetProcessTimes(GetCurrentProcess(), &created, &exited, &kernel, &user);
    GetSystemTimeAsFileTime(&now);
    const ULARGE_INTEGER a{{created.dwLowDateTime, created.dwHighDateTime}};
    const ULARGE_INTEGER b{{now.dwLowDateTime, now.dwHighDateTime}};
    return static_cast<long long>((b.QuadPart - a.QuadPart) / 10000);
}

}  // namespace

void CountTick(PaintCount& count) {
    ++count.ticks;
}

void CountWindowPaint(PaintCount& count, const RECT& area) {
    ++count.windowPaints;
    count.windowPixels += Area(area);
}

void CountTextBlockPaint(PaintCount& count, const RECT& area, bool drewText) {
    if (drewText && count.firstTextMs < 0) {
        count.firstTextMs = MillisecondsSinceProcessStart();
    }
    ++count.textBlockPaints;
    count.textBlockPixels += Area(area);
}

void CountTextMeasure(PaintCount& count) {
    ++count.textMeasures;
}

void WritePaintMeasurement(const PaintCount& count, long long interfaceTableCalls) {
    char path[MAX_PATH] = {};
    if (GetEnvironmentVariableA("OSTREL_PAINT_LOG", path, MAX_PATH) == 0) {
        return;
    }
    if (FILE* f = std::fopen(path, "w")) {
        std::fprintf(f,
                     "ticks %lld\nwindow_pixels %lld\npanel_pixels %lld\nfirst_text_ms %lld\n"
                     "window_paints %lld\npanel_paints %lld\ntext_measures %lld\n"
                     "interface_table_calls %lld\n",
                     count.ticks, count.windowPixels, count.textBlockPixels, count.firstTextMs,
                     count.windowPaints, count.textBlockPaints, count.textMeasures,
                     interfaceTableCalls);
        std::fclose(f);
    }
}

}  // namespace ostrel::win32

#endif
