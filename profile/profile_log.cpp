// Writes the profile log line by line through FormatText. The lines have a
// fixed structure (31 report lines, then 16 table rows) so that spreadsheets
// importing several logs find the same values in the same cells.
#include "profile/profile_log.h"

#include "engine/calibration_record.h"
#include "text/text_format.h"
#include "text/text_utils.h"
#include "wizard/calibration_settings.h"

#include <cmath>
#include <cstdarg>

namespace {

// The longest line is "Description: " and a 338-character description; the
// number lines are far shorter even for absurd values.
const int kLineSize = 512;
const double kGreyStep = 1.0 / 15.0;

const char* const kMonthNames[12] = {"Jan", "Feb", "Mar", "Apr", "May", "Jun",
                                     "Jul", "Aug", "Sep", "Oct", "Nov", "Dec"};
const char* const kWhitePointLines[WHITE_POINT_COUNT] = {
    "Target White Point: D65", "Target White Point: D50", "Target White Point: D75"};
const char* const kTargetGammaLines[2] = {"Target Gamma: 2.20", "Target Gamma: 1.80"};

// Formats one line and writes it; 1 when the write failed.
int WriteFormattedLine(OutputFile file, const char* format, ...) {
    char line[kLineSize];
    va_list values;
    va_start(values, format);
    FormatTextList(line, kLineSize, format, values);
    va_end(values);
    return WriteLogLine(file, line);
}

// Settings indexes outside their lists fall back to the first entry, as the
// settings loader does.
int IndexOrZero(int index, int count) {
    return index >= 0 && index < count ? index : 0;
}

int WriteChoiceLines(OutputFile file) {
    const struct CalibrationSettings& settings = CalibrationSettings;
    char date[32];
    FormatLogDate(LocalDateStamp(), date, sizeof date);
    int failed = WriteLogLine(file, "Prismoth - Monitor 1.0 Log");
    failed |= WriteLogLine(file, date);
    failed |= WriteLogLine(file, "");
    failed |= WriteFormattedLine(file, "Description: %s", settings.profileDescription);
    failed |= WriteFormattedLine(file, "Copyright: %s", settings.copyrightNotice);
    failed |= WriteLogLine(file, "");
    failed |= WriteLogLine(file, settings.monitorType == MONITOR_CRT ? "Monitor Type: CRT"
                                                                     : "Monitor Type: LCD");
    failed |= WriteLogLine(
        file, kWhitePointLines[IndexOrZero(settings.whitePointIndex, WHITE_POINT_COUNT)]);
    failed |= WriteLogLine(file, "");
    return failed;
}

int WriteWhiteAndGammaLines(OutputFile file) {
    const struct CalibrationRecord& record = CalibrationRecord;
    int failed = WriteFormattedLine(file, "Target White Point CIE xy: (%3f, %3f)",
                                    record.targetWhiteX, record.targetWhiteY);
    failed |= WriteFormattedLine(file, "Uncorrected White Point CIE xy: (%3f, %3f)",
                                 record.uncorrectedWhiteX, record.uncorrectedWhiteY);
    failed |= WriteFormattedLine(file, "Corrected White Point CIE xy: (%3f, %3f)",
                                 record.correctedWhiteX, record.correctedWhiteY);
    failed |= WriteLogLine(file, "");
    failed |=
        WriteFormattedLine(file, "Monitor Luminance: %2f nits", record.uncorrectedWhiteLuminance);
    failed |= WriteLogLine(file, "");
    failed |= WriteLogLine(file, kTargetGammaLines[IndexOrZero(CalibrationSettings.gammaIndex, 2)]);
    failed |= WriteFormattedLine(file, "Uncorrected Gamma: %2f", record.uncorrectedGamma);
    failed |= WriteFormattedLine(file, "Corrected Gamma: %2f", record.correctedGamma);
    failed |= WriteLogLine(file, "");
    return failed;
}

int WritePrimaryLines(OutputFile file) {
    const struct CalibrationRecord& record = CalibrationRecord;
    const double* const chromaticities[3] = {record.redChromaticity, record.greenChromaticity,
                                             record.blueChromaticity};
    const double* const xyz[3] = {record.redXYZ, record.greenXYZ, record.blueXYZ};
    static const char* const kChromaticityFormats[3] = {"Red Primary CIE xy: (%3f, %3f)",
                                                        "Green Primary CIE xy: (%3f, %3f)",
                                                        "Blue Primary CIE xy: (%3f, %3f)"};
    static const char* const kXyzFormats[3] = {"Red Primary CIE XYZ: (%3f, %3f, %3f)",
                                               "Green Primary CIE XYZ: (%3f, %3f, %3f)",
                                               "Blue Primary CIE XYZ: (%3f, %3f, %3f)"};
    int failed = 0;
    for (int c = 0; c < 3; ++c)
        failed |= WriteFormattedLine(file, kChromaticityFormats[c], chromaticities[c][0],
                                     chromaticities[c][1]);
    failed |= WriteLogLine(file, "");
    for (int c = 0; c < 3; ++c)
        failed |= WriteFormattedLine(file, kXyzFormats[c], xyz[c][0] * 100.0, xyz[c][1] * 100.0,
                                     xyz[c][2] * 100.0);
    failed |= WriteLogLine(file, "");
    return failed;
}

// The sixteen verification greys against the luminance the target gamma asks
// for; the black row has no chromaticity worth showing.
int WriteGreyTable(OutputFile file) {
    const struct CalibrationRecord& record = CalibrationRecord;
    int failed = WriteLogLine(file, "Neutral Grays:");
    failed |= WriteLogLine(file, "\tMeas\t\t\tTarg");
    failed |= WriteLogLine(file, "n\tx\ty\tY\tY");
    failed |= WriteLogLine(file, "");
    for (int k = 0; k < VERIFY_GREY_COUNT; ++k) {
        const double target = std::pow(k * kGreyStep, record.targetGamma);
        const YxyReading& grey = record.verifyReadings[k];
        if (k == 0)
            failed |= WriteFormattedLine(file, "%2d\t--\t--\t%3f\t%3f", 1,
                                         record.verifyLuminance[0], target);
        else
            failed |= WriteFormattedLine(file, "%2d\t%3f\t%3f\t%3f\t%3f", k + 1, grey.x, grey.y,
                                         record.verifyLuminance[k], target);
    }
    return failed;
}

} // namespace

void FormatLogDate(int dateStamp, char* destination, int capacity) {
    const int month = IndexOrZero(dateStamp % 10000 / 100 - 1, 12);
    FormatText(destination, capacity, "%d-%s-%d", dateStamp % 100, kMonthNames[month],
               dateStamp / 10000);
}

int WriteLogLine(OutputFile file, const char* text) {
    const int length = TextLength(text);
    int written = length;
    if (WriteOutputBytes(file, &written, text) != 0 || written != length) return 1;
    if (length >= 2 && EqualIgnoringCase(text + length - 2, "\r\n")) return 0;
    int lineEndLength = 2;
    if (WriteOutputBytes(file, &lineEndLength, "\r\n") != 0 || lineEndLength != 2) return 1;
    return 0;
}

int WriteProfileLog(OutputFile file) {
    int failed = WriteChoiceLines(file);
    failed |= WriteWhiteAndGammaLines(file);
    failed |= WritePrimaryLines(file);
    failed |= WriteGreyTable(file);
    return failed ? 1 : 0;
}
