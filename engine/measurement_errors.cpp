// Texts of the measuring pages' own error boxes.
#include "engine/measurement_errors.h"

const char UnusableColorsMessage[] =
    "The measured colors cannot be those of a monitor: the red, green and blue readings do not "
    "surround the white.\r\n\r\nMake sure the calibrator lies flat on the screen over the "
    "target window, then try again.";

const char DarkWhiteMessage[] =
    "The calibrator measured no more light on white than on black.\r\n\r\nMake sure the "
    "monitor is switched on and the calibrator lies flat on the screen over the target window, "
    "then try again.";
