// The results window drawn into a memory surface (through WM_PRINTCLIENT):
// the diagram of the chosen white point, the overlay's places and colours,
// the curves at the created and at a wider size, the tabs; and its clicks
// through the window's update region, so that a click that must not repaint
// is seen not to. Each test leaves its picture as a BMP in the working folder.
#include "charts/results_window_win32.h"

#include "charts/results_geometry.h"
#include "engine/calibration_record.h"
#include "engine/gamma_ramp.h"
#include "wizard/app_globals_win32.h"
#include "wizard/calibration_settings.h"

#include "resource_ids.h"
#include "tests/charts/window_picture_win32.h"

#include <gtest/gtest.h>

#include <cmath>
#include <string>
#include <vector>

// The start-up's globals that the window reads.
int margin = 7;
HFONT BodyFont;
HBITMAP wizardBitmaps[WIZARD_BITMAP_COUNT];

namespace {

const int M = 7;
const int kWidth = 440 + 2 * M;
const int kHeight = 460 + 2 * M;
const DWORD kWhite = 0xFFFFFF, kGrey = 0x808080, kRed = 0xFF0000, kGreen = 0x00FF00,
            kBlue = 0x0000FF;

// A finished run on a wide-gamut panel: its primaries, D65 as the target,
// and a correction that lowers red and blue a little more than green.
void SetFinishedRun() {
    const double measured[3][2] = {{0.680, 0.310}, {0.210, 0.710}, {0.150, 0.050}};
    double* primaries[3] = {CalibrationRecord.redChromaticity, CalibrationRecord.greenChromaticity,
                            CalibrationRecord.blueChromaticity};
    for (int k = 0; k < 3; ++k) { // the window draws x and y only
        primaries[k][0] = measured[k][0];
        primaries[k][1] = measured[k][1];
    }
    CalibrationRecord.targetWhiteX = 0.3127;
    CalibrationRecord.targetWhiteY = 0.3290;
    unsigned short* channels[3] = {CorrectionRamp.red, CorrectionRamp.green, CorrectionRamp.blue};
    const double gains[3] = {0.93, 1.0, 0.86}, powers[3] = {1.10, 1.04, 0.95};
    for (int c = 0; c < 3; ++c)
        for (int i = 0; i < 256; ++i)
            channels[c][i] = static_cast<unsigned short>(
                256 * std::lround(255 * gains[c] * std::pow(i / 255.0, powers[c])));
    CalibrationSettings.whitePointIndex = WHITE_POINT_D65;
}

class ResultsWindow : public ::testing::Test {
  protected:
    static void SetUpTestSuite() {
        HINSTANCE instance = GetModuleHandleA(0);
        const int ids[][2] = {{CHROMATICITY_D75_BITMAP, IDCHROMATICITYD75},
                              {CHROMATICITY_D65_BITMAP, IDCHROMATICITYD65},
                              {CHROMATICITY_D50_BITMAP, IDCHROMATICITYD50},
                              {CURVES_BITMAP, IDCURVES}};
        for (const auto& id : ids)
            wizardBitmaps[id[0]] = LoadBitmapA(instance, MAKEINTRESOURCEA(id[1]));
        BodyFont = CreateFontA(15, 0, 0, 0, FW_NORMAL, 0, 0, 0, ANSI_CHARSET, 0, 0, 0, 0,
                               "Times New Roman");
        WNDCLASSA windowClass = {};
        windowClass.lpfnWndProc = ResultsWindowProc;
        windowClass.hInstance = instance;
        windowClass.hbrBackground = static_cast<HBRUSH>(GetStockObject(BLACK_BRUSH));
        windowClass.lpszClassName = "results";
        RegisterClassA(&windowClass);
    }
    void SetUp() override {
        SetFinishedRun();
        window = CreateFramedWindow("results", kWidth, kHeight);
        ASSERT_NE(nullptr, window);
    }
    void TearDown() override {
        DestroyWindow(window);
        FreeWindowPicture(&picture);
    }

    // Paints the client area as it stands into a fresh black surface and
    // leaves the picture in results_window_<name>.bmp.
    void Paint(const char* name) {
        const std::string path = std::string("results_window_") + name + ".bmp";
        PaintWindowPicture(window, 0, path.c_str(), &picture);
        width = picture.width;
        height = picture.height;
    }
    DWORD At(int x, int y) const { return PicturePixel(&picture, x, y); }
    DWORD At(ChartPoint p) const { return At(p.x, p.y); }
    static std::vector<DWORD> BitmapPixels(HBITMAP bitmap) {
        BITMAPINFO info = {};
        info.bmiHeader = {sizeof info.bmiHeader, 440, -440, 1, 32, BI_RGB, 0, 0, 0, 0, 0};
        std::vector<DWORD> bitmapPixels(440 * 440);
        HDC context = CreateCompatibleDC(0);
        GetDIBits(context, bitmap, 0, 440, bitmapPixels.data(), &info, DIB_RGB_COLORS);
        DeleteDC(context);
        for (DWORD& pixel : bitmapPixels)
            pixel &= 0xFFFFFF;
        return bitmapPixels;
    }
    // Percentage of the pixels where two diagrams differ that the picture
    // shows as the first one has them.
    int AgreementWith(WizardBitmap shown, WizardBitmap other) const {
        const std::vector<DWORD> a = BitmapPixels(wizardBitmaps[shown]);
        const std::vector<DWORD> b = BitmapPixels(wizardBitmaps[other]);
        int differing = 0, agreeing = 0;
        for (int y = 0; y < 440; ++y) {
            for (int x = 0; x < 440; ++x) {
                if (a[y * 440 + x] == b[y * 440 + x]) continue;
                ++differing;
                if (At(M + x, M + y) == a[y * 440 + x]) ++agreeing;
            }
        }
        return differing ? 100 * agreeing / differing : 0;
    }
    void Click(int x, int y) { SendMessageA(window, WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(x, y)); }
    // Shows the window and lets it paint, so nothing is left to repaint.
    void ShowPainted() {
        ShowWindow(window, SW_SHOWNOACTIVATE);
        UpdateWindow(window);
        RECT pending;
        ASSERT_FALSE(GetUpdateRect(window, &pending, FALSE));
    }

    HWND window = 0;
    WindowPicture picture = {};
    int width = 0, height = 0;
};

TEST_F(ResultsWindow, GamutViewDrawsTheOverlayOverTheChosenDiagram) {
    Paint("gamut");
    // Markers and triangle of the measured primaries in white, the
    // reference triangle and the target white in grey.
    EXPECT_EQ(kWhite, At(GamutPoint(0.680, 0.310, M).x + 3 - 1, GamutPoint(0.680, 0.310, M).y));
    EXPECT_EQ(kWhite, At(GamutPoint(0.445, 0.510, M))); // on the red-green side
    ChartPoint reference[REFERENCE_TRIANGLE_POINTS];
    ReferenceTriangle(M, reference);
    EXPECT_EQ(kGrey, At(reference[0]));
    EXPECT_EQ(kGrey, At(reference[2]));
    const ChartPoint white = GamutPoint(0.3127, 0.3290, M);
    EXPECT_EQ(kGrey, At(white.x - 2, white.y));
    EXPECT_EQ(kGrey, At(white.x + 2, white.y));
    EXPECT_NE(kGrey, At(white)); // a hollow marker
    // Below lies the D65 diagram where it differs from the D50 one.
    EXPECT_GE(AgreementWith(CHROMATICITY_D65_BITMAP, CHROMATICITY_D50_BITMAP), 95);
}

TEST_F(ResultsWindow, DiagramFollowsTheWhitePointChoice) {
    const WizardBitmap diagrams[WHITE_POINT_COUNT] = {
        CHROMATICITY_D65_BITMAP, CHROMATICITY_D50_BITMAP, CHROMATICITY_D75_BITMAP};
    for (int index = 0; index < WHITE_POINT_COUNT; ++index) {
        CalibrationSettings.whitePointIndex = index;
        Paint(index == WHITE_POINT_D75 ? "gamut_d75" : "gamut_choice");
        for (int other = 0; other < WHITE_POINT_COUNT; ++other) {
            if (other == index) continue;
            EXPECT_GE(AgreementWith(diagrams[index], diagrams[other]), 95) << index;
            EXPECT_LE(AgreementWith(diagrams[other], diagrams[index]), 5) << index;
        }
    }
}

TEST_F(ResultsWindow, CurvesViewDrawsTheRampBlueOnTop) {
    Click(kWidth - 50, kHeight - 10);
    for (int i = 0; i < 256; ++i)
        CorrectionRamp.red[i] = CorrectionRamp.green[i] = CorrectionRamp.blue[i] =
            static_cast<unsigned short>(257 * i);
    Paint("curves_linear");
    ChartPoint diagonal[CURVE_POINT_COUNT];
    CurvePoints(CorrectionRamp.blue, kWidth, kHeight, M, diagonal);
    EXPECT_EQ(kBlue, At(M + 20, M + 420));
    EXPECT_EQ(kBlue, At(diagonal[128]));
    SetFinishedRun();
    Paint("curves");
    ChartPoint red[CURVE_POINT_COUNT], green[CURVE_POINT_COUNT];
    CurvePoints(CorrectionRamp.red, kWidth, kHeight, M, red);
    CurvePoints(CorrectionRamp.green, kWidth, kHeight, M, green);
    EXPECT_EQ(kRed, At(red[200]));
    EXPECT_EQ(kGreen, At(green[200]));
}

TEST_F(ResultsWindow, WiderWindowStretchesOnlyTheCurves) {
    RECT frame;
    GetWindowRect(window, &frame);
    SetWindowPos(window, 0, 0, 0, frame.right - frame.left + 200, frame.bottom - frame.top,
                 SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
    Paint("gamut_wider");
    ASSERT_EQ(kWidth + 200, width);
    // The tab strip stays where it was made: the closed curves tab's top
    // edge ends at the old width.
    const int tabTop = kHeight - 20 + 2;
    EXPECT_EQ(kWhite, At(kWidth - 10, tabTop));
    EXPECT_NE(kWhite, At(kWidth + 100, tabTop));
    Click(kWidth - 50, kHeight - 10);
    Paint("curves_wider");
    ChartPoint green[CURVE_POINT_COUNT];
    CurvePoints(CorrectionRamp.green, width, height, M, green);
    EXPECT_GT(green[254].x, M + 440);
    EXPECT_EQ(kGreen, At(green[254]));
}

TEST_F(ResultsWindow, TabsShowTheCurrentViewOpenAtTheTop) {
    Paint("tabs_gamut");
    const int stripTop = kHeight - 20;
    const int half = kWidth / 2;
    // Gamut current: its top edge is open, the curves tab's is closed.
    EXPECT_NE(kWhite, At(half / 4, stripTop + 2));
    EXPECT_EQ(kWhite, At(half + half / 4, stripTop + 2));
    Click(kWidth - 50, kHeight - 10);
    Paint("tabs_curves");
    EXPECT_EQ(kWhite, At(half / 4, stripTop + 2));
    EXPECT_NE(kWhite, At(half + half / 4, stripTop + 2));
}

TEST_F(ResultsWindow, OnlyAClickOnTheOtherTabRepaints) {
    ShowPainted();
    RECT pending;
    Click(10, kHeight - 10);          // gamut, already shown
    Click(kWidth / 2, kHeight - 10);  // the exact middle is gamut's
    Click(kWidth - 50, kHeight - 21); // above the strip
    EXPECT_FALSE(GetUpdateRect(window, &pending, FALSE));
    Click(kWidth - 50, kHeight - 20); // curves
    ASSERT_TRUE(GetUpdateRect(window, &pending, FALSE));
    EXPECT_EQ(kWidth, pending.right);
    EXPECT_EQ(kHeight, pending.bottom);
    UpdateWindow(window);
    Click(kWidth - 1, kHeight - 1); // curves again
    EXPECT_FALSE(GetUpdateRect(window, &pending, FALSE));
    Click(0, kHeight - 20); // back to gamut
    EXPECT_TRUE(GetUpdateRect(window, &pending, FALSE));
}

} // namespace
