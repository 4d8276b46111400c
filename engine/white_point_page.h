// Page 6, "Set Color Controls": white and the three primaries at full drive,
// and how far each channel is from showing the target white, on the gauges.
#pragma once

// 0 when the page waits for the user (or skipped itself), 1 when a reading
// was given up or the readings cannot be used.
int RunColorControlsPage();
