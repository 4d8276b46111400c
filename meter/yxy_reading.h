// One colorimeter reading exactly as the toolkit fills it: 32 bytes, four
// doubles Y (cd/m2), x, y and z = 1 - x - y.
#pragma once

struct YxyReading {
    double Y;
    double x;
    double y;
    double z;
};

static_assert(sizeof(YxyReading) == 32, "the toolkit fills 32 bytes");
