// The arithmetic of one white point correction pass of a grey: how far to
// move each channel, from the grey's reading and three probes each with one
// channel lowered, so that the grey lands on the target chromaticity.
#pragma once

#include "meter/yxy_reading.h"

// How far each probe lowers one channel of a grey: a sixth of its level,
// in integer division. Levels run from 17 (grey 1) to 255.
int ProbeStep(int level);

// From the reading at the drive levels (readings[0]) and the probes with red,
// green and blue lowered by level / 6 (readings[1..3]), the change that moves
// the grey by (-dx, -dy) with the three changes summing to zero, held to
// +-level / 12 per channel, applied to drives (red, green, blue) and
// renormalised so that the largest is level again. 1, drives untouched, when
// a reading has no usable chromaticity or the probes give no usable solution.
int ApplyWhitePointCorrection(const YxyReading* readings, double dx, double dy, int level,
                              int drives[3]);
