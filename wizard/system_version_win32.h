// The system version check both programs make before anything else.
#pragma once

// 1 when the running system is Windows 98 / Windows 2000 or later, else 0.
int IsRunningSystemSupported();
