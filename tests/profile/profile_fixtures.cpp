// Known calibrations for the tests, set straight into the global settings,
// record and correction ramp the writers read.
#include "tests/profile/profile_fixtures.h"

#include "engine/calibration_record.h"
#include "engine/gamma_ramp.h"
#include "profile/icc_profile.h"
#include "profile/profile_log.h"
#include "text/text_utils.h"
#include "wizard/calibration_settings.h"

#include <gtest/gtest.h>

#include <cstdio>
#include <cstring>
#ifdef _WIN32
#include <process.h>
#define getpid _getpid
#else
#include <unistd.h>
#endif

namespace {

void SetTriple(double* target, double a, double b, double c) {
    target[0] = a;
    target[1] = b;
    target[2] = c;
}

void SetMeasuredValues() {
    struct CalibrationRecord& r = CalibrationRecord;
    r.targetWhiteX = 0.3127;
    r.targetWhiteY = 0.3290;
    r.uncorrectedWhiteX = 0.3051;
    r.uncorrectedWhiteY = 0.3224;
    r.correctedWhiteX = 0.3129;
    r.correctedWhiteY = 0.3288;
    r.uncorrectedWhiteLuminance = 182.456;
    r.uncorrectedGamma = 2.3149;
    r.correctedGamma = 2.1987;
    SetTriple(r.whiteXYZ, 0.9505, 1.0, 1.0888);
    SetTriple(r.redChromaticity, 0.6400, 0.3300, 0.0300);
    SetTriple(r.greenChromaticity, 0.3000, 0.6000, 0.1000);
    SetTriple(r.blueChromaticity, 0.1500, 0.0600, 0.7900);
    // Bradford-adapted sRGB colorants: they add up to (about) the D50 white.
    SetTriple(r.redXYZ, 0.4361, 0.2225, 0.0139);
    SetTriple(r.greenXYZ, 0.3851, 0.7169, 0.0971);
    SetTriple(r.blueXYZ, 0.1431, 0.0606, 0.7141);
}

void SetVerificationGreys() {
    static const double kLuminance[VERIFY_GREY_COUNT] = {
        0.0004, 0.0031, 0.0134, 0.0318, 0.0601, 0.0982, 0.1473, 0.2079,
        0.2794, 0.3631, 0.4592, 0.5679, 0.6889, 0.8231, 0.9702, 1.0};
    for (int k = 0; k < VERIFY_GREY_COUNT; ++k) {
        YxyReading& grey = CalibrationRecord.verifyReadings[k];
        grey.x = 0.3004 + 0.001 * k;
        grey.y = 0.3303 - 0.001 * k;
        grey.z = 1.0 - grey.x - grey.y;
        grey.Y = kLuminance[k];
        CalibrationRecord.verifyLuminance[k] = kLuminance[k];
    }
}

// Red rises straight, green a little lower, blue lifted: channel order shows.
void SetKnownCorrectionRamp() {
    for (int i = 0; i < 256; ++i) {
        CorrectionRamp.red[i] = static_cast<unsigned short>(i * 256);
        CorrectionRamp.green[i] = static_cast<unsigned short>(i * 240 / 255 * 256);
        CorrectionRamp.blue[i] = static_cast<unsigned short>((15 + i * 240 / 255) * 256);
    }
}

void SetChoices(int whitePointIndex, int gammaIndex) {
    CalibrationSettings.monitorType = MONITOR_LCD;
    CalibrationSettings.whitePointIndex = whitePointIndex;
    CalibrationSettings.gammaIndex = gammaIndex;
    SetTargetsFromIndexes(whitePointIndex, gammaIndex);
}

} // namespace

void SetKnownCalibration() {
    SetChoices(WHITE_POINT_D65, 0);
    SetProfileTexts("Test panel", "");
    SetMeasuredValues();
    SetVerificationGreys();
    SetKnownCorrectionRamp();
}

void SetD75Gamma18Calibration() {
    SetKnownCalibration();
    SetChoices(WHITE_POINT_D75, 1);
    CalibrationRecord.targetWhiteX = 0.2990;
    CalibrationRecord.targetWhiteY = 0.3149;
}

void SetProfileTexts(const char* description, const char* copyright) {
    CopyTextLimited(description, CalibrationSettings.profileDescription, DESCRIPTION_SIZE - 1);
    CopyTextLimited(copyright, CalibrationSettings.copyrightNotice, DESCRIPTION_SIZE - 1);
}

void SetFlatCorrectionRamp() {
    for (int i = 0; i < 256; ++i) {
        const unsigned short entry = static_cast<unsigned short>(i * 256);
        CorrectionRamp.red[i] = CorrectionRamp.green[i] = CorrectionRamp.blue[i] = entry;
    }
}

std::vector<unsigned char> BuildProfileBytes() {
    std::vector<unsigned char> buffer(PROFILE_BUFFER_SIZE, 0);
    buffer.resize(static_cast<size_t>(BuildProfile(buffer.data())));
    return buffer;
}

std::string WriteLogFile(const std::string& path) {
    OutputFile file;
    EXPECT_EQ(0, CreateOutputFile(path.c_str(), &file));
    EXPECT_EQ(0, WriteProfileLog(file));
    CloseOutputFile(file);
    return ReadWholeFile(path);
}

std::string TestFilePath(const char* name) {
    return testing::TempDir() + "prismoth-" + std::to_string(getpid()) + "-" + name;
}

std::string ReadWholeFile(const std::string& path) {
    std::string contents;
    FILE* file = std::fopen(path.c_str(), "rb");
    if (file == nullptr) return contents;
    char chunk[4096];
    size_t got;
    while ((got = std::fread(chunk, 1, sizeof chunk, file)) > 0)
        contents.append(chunk, got);
    std::fclose(file);
    return contents;
}

void WriteWholeFile(const std::string& path, const std::vector<unsigned char>& bytes) {
    FILE* file = std::fopen(path.c_str(), "wb");
    ASSERT_NE(nullptr, file) << path;
    if (!bytes.empty()) std::fwrite(bytes.data(), 1, bytes.size(), file);
    std::fclose(file);
}
