// The brightness curve and the white point gauges drawn into a memory
// surface (through WM_PRINTCLIENT) that starts in a colour neither window
// uses, so that anything drawn outside the charts shows. Each test leaves
// its picture as a BMP in the working folder.
#include "charts/chart_windows_win32.h"

#include "engine/calibration_record.h"
#include "wizard/app_globals_win32.h"
#include "wizard/app_messages.h"

#include "resource_ids.h"
#include "tests/charts/window_picture_win32.h"

#include <gtest/gtest.h>

#include <string>

// The start-up's globals that the windows read.
int margin = 7;
int controlHeight = 28;
HBITMAP wizardBitmaps[WIZARD_BITMAP_COUNT];

namespace {

const int M = 7, H = 28;
const DWORD kUntouched = 0x123456, kWhite = 0xFFFFFF, kGrey = 0x808080, kBlack = 0;
const DWORD kBars[3] = {0xFF0000, 0x00FF00, 0x0000FF};

int BarTop(int gauge) {
    return M + gauge * (M + H);
}

class ChartWindows : public ::testing::Test {
  protected:
    static void SetUpTestSuite() {
        HINSTANCE instance = GetModuleHandleA(0);
        const int ids[][2] = {{RED_POINTER_BITMAP, IDREDPOINTER},
                              {GREEN_POINTER_BITMAP, IDGREENPOINTER},
                              {BLUE_POINTER_BITMAP, IDBLUEPOINTER}};
        for (const auto& id : ids)
            wizardBitmaps[id[0]] = LoadBitmapA(instance, MAKEINTRESOURCEA(id[1]));
        RegisterChartClass("setbrightness", BrightnessWindowProc);
        RegisterChartClass("setwhitepoint", GaugeWindowProc);
    }
    static void RegisterChartClass(const char* name, WNDPROC procedure) {
        WNDCLASSA windowClass = {};
        windowClass.lpfnWndProc = procedure;
        windowClass.hInstance = GetModuleHandleA(0);
        windowClass.hbrBackground = static_cast<HBRUSH>(GetStockObject(LTGRAY_BRUSH));
        windowClass.lpszClassName = name;
        RegisterClassA(&windowClass);
    }
    void Create(const char* className, int width, int height) {
        window = CreateFramedWindow(className, width, height);
        ASSERT_NE(nullptr, window);
    }
    void TearDown() override {
        DestroyWindow(window);
        FreeWindowPicture(&picture);
    }
    void Paint(const char* name) {
        const std::string path = std::string("chart_windows_") + name + ".bmp";
        PaintWindowPicture(window, kUntouched, path.c_str(), &picture);
        width = picture.width;
        height = picture.height;
    }
    DWORD At(int x, int y) const { return PicturePixel(&picture, x, y); }
    // Pixels outside the rectangle from (left, top) to (right, bottom) that
    // were drawn on.
    int DrawnOutside(int left, int top, int right, int bottom) const {
        int drawn = 0;
        for (int y = 0; y < height; ++y)
            for (int x = 0; x < width; ++x)
                if ((x < left || x >= right || y < top || y >= bottom) && At(x, y) != kUntouched)
                    ++drawn;
        return drawn;
    }
    void SendGauges(WPARAM flag, LPARAM red, LPARAM green, LPARAM blue) {
        SendMessageA(window, APPMSG_GAUGE_RED, flag, red);
        SendMessageA(window, APPMSG_GAUGE_GREEN, flag, green);
        SendMessageA(window, APPMSG_GAUGE_BLUE, flag, blue);
    }
    // Whether a pointer's tip (its top row's middle column, white) stands at x
    // on gauge's bar.
    bool TipAt(int gauge, int x) const {
        return At(x, BarTop(gauge)) == kWhite && At(x, BarTop(gauge) + 1) == kGrey;
    }
    // Whether the bar's top row holds only its colour and the centre mark.
    bool BarWithoutPointer(int gauge) const {
        for (int x = M; x < M + 256; ++x)
            if (At(x, BarTop(gauge)) != (x == M + 128 ? kBlack : kBars[gauge])) return false;
        return true;
    }

    HWND window = 0;
    WindowPicture picture = {};
    int width = 0, height = 0;
};

TEST_F(ChartWindows, GaugePointersStandTheirValueRightOfTheCentre) {
    Create("setwhitepoint", 256 + 2 * M, 3 * H + 4 * M);
    SendGauges(1, 1, 0, 40);
    Paint("gauges");
    EXPECT_TRUE(TipAt(0, M + 129));
    EXPECT_TRUE(TipAt(2, M + 168));
    // Green's tip is under the centre mark, drawn over it; the pointer shows
    // on both sides.
    EXPECT_EQ(kBlack, At(M + 128, BarTop(1)));
    EXPECT_EQ(kWhite, At(M + 128 - 5, BarTop(1) + 5));
    EXPECT_EQ(kWhite, At(M + 128 + 5, BarTop(1) + 5));
    for (int gauge = 0; gauge < 3; ++gauge) {
        EXPECT_EQ(kBars[gauge], At(M, BarTop(gauge) + H - 1));
        EXPECT_EQ(kBlack, At(M + 128, BarTop(gauge) + H - 1));
        EXPECT_EQ(kBars[gauge], At(M + 255, BarTop(gauge) + H - 1));
    }
    EXPECT_EQ(0, DrawnOutside(M, M, M + 256, 3 * M + 3 * H));
    EXPECT_EQ(kUntouched, At(M + 100, M + H)); // the margin between two bars
}

TEST_F(ChartWindows, GaugeValuesBeyondTheBarAreHeldAndCut) {
    Create("setwhitepoint", 256 + 2 * M, 3 * H + 4 * M);
    SendGauges(1, 200, -300, static_cast<LPARAM>(-(1LL << 40)));
    Paint("gauges_held");
    EXPECT_TRUE(TipAt(0, M + 255));
    EXPECT_EQ(kWhite, At(M + 250, BarTop(0) + 5)); // the pointer's left half
    EXPECT_TRUE(TipAt(1, M + 1));
    EXPECT_EQ(kWhite, At(M + 6, BarTop(1) + 5)); // the pointer's right half
    EXPECT_TRUE(TipAt(2, M + 1));
    EXPECT_EQ(0, DrawnOutside(M, M, M + 256, 3 * M + 3 * H)); // the other halves cut off
}

TEST_F(ChartWindows, GaugesShowNoPointersBeforeValuesOrWithFlagZero) {
    Create("setwhitepoint", 256 + 2 * M, 3 * H + 4 * M);
    Paint("gauges_new");
    for (int gauge = 0; gauge < 3; ++gauge)
        EXPECT_TRUE(BarWithoutPointer(gauge)) << gauge;
    SendGauges(1, 30, 0, 60);
    Paint("gauges_shown");
    EXPECT_FALSE(BarWithoutPointer(0));
    SendMessageA(window, APPMSG_GAUGE_RED, 0, 30);
    SendMessageA(window, APPMSG_GAUGE_GREEN, 0, 0);
    SendMessageA(window, APPMSG_GAUGE_BLUE, 0, 60);
    Paint("gauges_hidden");
    for (int gauge = 0; gauge < 3; ++gauge)
        EXPECT_TRUE(BarWithoutPointer(gauge)) << gauge;
    SendMessageA(window, APPMSG_GAUGE_BLUE, 1, 60); // the flag of the last message counts
    Paint("gauges_again");
    EXPECT_TRUE(TipAt(0, M + 158));
    EXPECT_TRUE(TipAt(2, M + 188));
}

class BrightnessChart : public ChartWindows {
  protected:
    void SetUp() override {
        Create("setbrightness", 256 + 2 * M, 128 + 2 * M);
        CalibrationRecord.targetGamma = 2.2;
    }
    // Luminances whose measured heights are heights[i] above black 0.5, with
    // white 100.5.
    static void SetMeasured(const int heights[9]) {
        for (int i = 0; i < 9; ++i)
            CalibrationRecord.brightnessY[i] = 0.5 + heights[i] * 100.0 / 3000;
        CalibrationRecord.brightnessY[9] = 100.5;
    }
    bool OnCurve(int i, int h, DWORD colour) const { return At(M + 32 * i, M + 128 - h) == colour; }
};

TEST_F(BrightnessChart, CurvesPassThroughTheirPoints) {
    const int measured[9] = {0, 12, 24, 36, 48, 60, 72, 84, 96};
    SetMeasured(measured);
    Paint("brightness");
    const int expected[9] = {0, 1, 7, 17, 31, 51, 76, 107, 143}; // gamma 2.2
    for (int i = 2; i <= 7; ++i)
        EXPECT_TRUE(OnCurve(i, expected[i], kWhite) || i == 6) << i;
    for (int i = 1; i <= 7; ++i) // point 8 lies on the chart's right edge, just outside
        EXPECT_TRUE(OnCurve(i, measured[i], 0xFF0000)) << i; // red drawn last
    EXPECT_EQ(kBlack, At(M + 200, M + 10));                  // the chart's fill
    // The white curve's last point lies 15 pixels above the chart: it leaves
    // through the top edge between points 7 and 8.
    int leavesAt = 0;
    for (int x = M + 224; x < M + 256 && !leavesAt; ++x)
        if (At(x, M) == kWhite) leavesAt = x;
    EXPECT_GT(leavesAt, M + 224);
    EXPECT_EQ(kBlack, At(M + 255, M + 128 - 96 - 20)); // nothing right of the red end
    EXPECT_EQ(0, DrawnOutside(M, M, M + 256, M + 128));
}

TEST_F(BrightnessChart, FarOffScaleHeightsAreCutAtTheChart) {
    const int measured[9] = {0, -40, 20, 1000000, -1000000, 30, 40, 50, 60};
    SetMeasured(measured);
    CalibrationRecord.brightnessY[3] = 1e30;
    CalibrationRecord.brightnessY[4] = -1e30;
    Paint("brightness_off_scale");
    EXPECT_TRUE(OnCurve(2, 20, 0xFF0000));
    EXPECT_TRUE(OnCurve(6, 40, 0xFF0000));
    // Between the points far above and far below, the line crosses the whole
    // chart almost upright.
    for (int y = M + 4; y < M + 124; y += 20) {
        int red = 0;
        for (int x = M + 32 * 3 + 14; x <= M + 32 * 3 + 18; ++x)
            red += At(x, y) == 0xFF0000u;
        EXPECT_GT(red, 0) << y;
    }
    EXPECT_EQ(0, DrawnOutside(M, M, M + 256, M + 128));
}

TEST_F(BrightnessChart, WhiteAsDarkAsBlackDrawsTheExpectedCurveOnly) {
    for (double& luminance : CalibrationRecord.brightnessY)
        luminance = 0.5;
    Paint("brightness_flat");
    for (int y = M; y < M + 128; ++y)
        for (int x = M; x < M + 256; ++x)
            ASSERT_NE(0xFF0000u, At(x, y)) << x << " " << y;
    EXPECT_TRUE(OnCurve(5, 51, kWhite));
    EXPECT_EQ(0, DrawnOutside(M, M, M + 256, M + 128));
}

} // namespace
