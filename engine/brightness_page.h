// Page 5, "Set Brightness Control": nine dark greys and white measured
// through the linear ramp, shown against the curve the target gamma expects.
#pragma once

// 0 when the page waits for the user (or skipped itself), 1 when a reading
// was given up.
int RunBrightnessPage();
