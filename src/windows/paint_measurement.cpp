#include "windows/paint_measurement.h"

#ifdef OSTREL_MEASURE_PAINTING

#include <cstdio>

namespace ostrel::win32 {

namespace {

struct PaintCount {
    long long ticks = 0;
    long long windowPixels = 0;
    long long textBlockPixels = 0;
    long long firstTextMs = -1;
} gCount;

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

void CountTick() {
    ++gCount.ticks;
}

void CountWindowPaint(const RECT& area) {
    gCount.windowPixels += Area(area);
}

void CountTextBlockPaint(const RECT& area, bool drewText) {
    if (drewText && gCount.firstTextMs < 0) {
        gCount.firstTextMs = MillisecondsSinceProcessStart();
    }
    gCount.textBlockPixels += Area(area);
}

void WritePaintMeasurement() {
    char path[MAX_PATH] = {};
    if (GetEnvironmentVariableA("OSTREL_PAINT_LOG", path, MAX_PATH) == 0) {
        return;
    }
    if (FILE* f = std::fopen(path, "w")) {
        std::fprintf(f, "ticks %lld\nwindow_pixels %lld\npanel_pixels %lld\nfirst_text_ms %lld\n",
                     gCount.ticks, gCount.windowPixels, gCount.textBlockPixels, gCount.firstTextMs);
        std::fclose(f);
    }
}

}  // namespace ostrel::win32

#endif
