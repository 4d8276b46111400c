// The virtual monitor's light output; the model is described in the header.
#include "sim/monitor_model.h"

#include "text/text_utils.h"

#include <cmath>

void DefaultMonitorModel(struct MonitorModel* model) {
    *model = {};
    CopyTextLimited("Virtual sRGB LCD", model->name, MONITOR_NAME_SIZE - 1);
    model->lcd = 1;
    model->whiteLuminance = 120.0;
    model->whitePoint[0] = 0.3127, model->whitePoint[1] = 0.3290;
    model->primaries[CHANNEL_RED][0] = 0.64, model->primaries[CHANNEL_RED][1] = 0.33;
    model->primaries[CHANNEL_GREEN][0] = 0.30, model->primaries[CHANNEL_GREEN][1] = 0.60;
    model->primaries[CHANNEL_BLUE][0] = 0.15, model->primaries[CHANNEL_BLUE][1] = 0.06;
    model->blackLuminance = 0.4;
    model->blackChromaticity[0] = 0.28, model->blackChromaticity[1] = 0.29;
    model->contrast = 1.0;
    for (int c = 0; c < 3; ++c)
        model->gamma[c] = 2.2, model->gain[c] = 1.0;
    model->crosstalk = 0.02;
    model->darkDrift[0] = -0.01, model->darkDrift[1] = -0.02;
    model->noise = 0.002;
    model->noiseFloor = 0.005;
    model->chromaNoise = 0.0005;
    model->seed = 1;
}

void XyzFromChromaticity(double x, double y, double luminance, double xyz[3]) {
    xyz[0] = luminance * x / y;
    xyz[1] = luminance;
    xyz[2] = luminance * (1.0 - x - y) / y;
}

static double Determinant(const double m[3][3]) {
    return m[0][0] * (m[1][1] * m[2][2] - m[1][2] * m[2][1]) -
           m[0][1] * (m[1][0] * m[2][2] - m[1][2] * m[2][0]) +
           m[0][2] * (m[1][0] * m[2][1] - m[1][1] * m[2][0]);
}

// Full-drive luminance of each channel (cd/m2, before the LCD's crosstalk) so
// that white plus the black leak lands exactly on the white point and white
// luminance. 0 when all three are positive.
static int SolveChannelLuminances(const struct MonitorModel* model, double luminances[3]) {
    double white[3], black[3], columns[3][3];
    XyzFromChromaticity(model->whitePoint[0], model->whitePoint[1], model->whiteLuminance, white);
    XyzFromChromaticity(model->blackChromaticity[0], model->blackChromaticity[1],
                        model->blackLuminance, black);
    double primaries[3][3];
    for (int c = 0; c < 3; ++c)
        XyzFromChromaticity(model->primaries[c][0], model->primaries[c][1], 1.0, primaries[c]);
    for (int row = 0; row < 3; ++row)
        for (int c = 0; c < 3; ++c)
            columns[row][c] = primaries[c][row];
    const double det = Determinant(columns);
    if (std::fabs(det) < 1e-12) return 1;
    for (int c = 0; c < 3; ++c) {
        double replaced[3][3];
        for (int row = 0; row < 3; ++row)
            for (int k = 0; k < 3; ++k)
                replaced[row][k] = k == c ? white[row] - black[row] : columns[row][k];
        luminances[c] = Determinant(replaced) / det;
    }
    return luminances[0] > 0 && luminances[1] > 0 && luminances[2] > 0 ? 0 : 1;
}

// An LCD's darkest chromaticities must still be real colours.
static int CheckDarkDrift(const struct MonitorModel* model) {
    if (!model->lcd) return 0;
    for (int c = 0; c < 3; ++c) {
        const double x = model->primaries[c][0] + model->darkDrift[0];
        const double y = model->primaries[c][1] + model->darkDrift[1];
        if (x <= 0 || y <= 0 || x + y >= 1) return 1;
    }
    return 0;
}

int CheckMonitorGeometry(const struct MonitorModel* model) {
    double luminances[3];
    return SolveChannelLuminances(model, luminances) || CheckDarkDrift(model);
}

static double ToneResponse(const struct MonitorModel* model, int channel, double drive) {
    const double signal = model->contrast * model->gain[channel] * drive + model->brightness;
    return signal > 0 ? std::pow(signal, model->gamma[channel]) : 0.0;
}

// Share of its light a channel keeps on an LCD, relative to full white.
static double CrosstalkFactor(const struct MonitorModel* model, const double drives[3],
                              int channel) {
    if (!model->lcd) return 1.0;
    const double others = drives[(channel + 1) % 3] + drives[(channel + 2) % 3];
    return (1.0 - model->crosstalk * others / 2) / (1.0 - model->crosstalk);
}

static void ChannelChromaticity(const struct MonitorModel* model, int channel, double drive,
                                double xy[2]) {
    const double fade = model->lcd ? (1.0 - drive) * (1.0 - drive) : 0.0;
    for (int k = 0; k < 2; ++k)
        xy[k] = model->primaries[channel][k] + model->darkDrift[k] * fade;
}

void MonitorXyzForDrive(const struct MonitorModel* model, int red, int green, int blue,
                        double xyz[3]) {
    double luminances[3] = {0, 0, 0};
    SolveChannelLuminances(model, luminances);
    const double drives[3] = {(red & 255) / 255.0, (green & 255) / 255.0, (blue & 255) / 255.0};
    XyzFromChromaticity(model->blackChromaticity[0], model->blackChromaticity[1],
                        model->blackLuminance, xyz);
    for (int c = 0; c < 3; ++c) {
        double xy[2], light[3];
        ChannelChromaticity(model, c, drives[c], xy);
        const double luminance =
            luminances[c] * ToneResponse(model, c, drives[c]) * CrosstalkFactor(model, drives, c);
        XyzFromChromaticity(xy[0], xy[1], luminance, light);
        for (int k = 0; k < 3; ++k)
            xyz[k] += light[k];
    }
}

int PanelDriveLevel(const unsigned short* rampBlock, int value) {
    return rampBlock[value & 255] >> 8;
}

void MonitorXyzForPatch(const struct MonitorModel* model, const GammaRamp* ramp, int red, int green,
                        int blue, double xyz[3]) {
    MonitorXyzForDrive(model, PanelDriveLevel(ramp->red, red), PanelDriveLevel(ramp->green, green),
                       PanelDriveLevel(ramp->blue, blue), xyz);
}
