// Application messages between the wizard's windows (above WM_APP, 0x8000).
#pragma once

enum {
    APPMSG_TARGET_COLOR = 0x8001, // lParam = 0x00BBGGRR
    APPMSG_FOCUS_NEXT = 0x8002,   // wParam = focused control's identifier
    APPMSG_FOCUS_PREV = 0x8003,
    APPMSG_GO_PREV = 0x8004,
    APPMSG_GO_NEXT = 0x8005,
    APPMSG_GAUGE_RED = 0x8007, // wParam = pointers shown, lParam = value
    APPMSG_GAUGE_GREEN = 0x8008,
    APPMSG_GAUGE_BLUE = 0x8009,
};
