// The setup choices in the registry: every value is written as a string,
// numbers as decimal texts read through the word splitter. Any value's bytes
// are read as text, whatever type another program gave it. A value that is
// missing or does not fit its buffer leaves its fields as they are (the
// defaults), so nothing is ever taken from a buffer the registry did not fill.
#include "wizard/settings_persistence.h"

#include "engine/calibration_record.h"
#include "text/text_format.h"
#include "text/text_utils.h"
#include "wizard/calibration_settings.h"
#include "wizard/settings_store.h"
#include "wizard/word_splitter.h"

enum { NUMBER_VALUE_SIZE = 256, NUMBER_TEXT_SIZE = 64 };

static void SetDefaultSettings() {
    CalibrationSettings.monitorType = MONITOR_CRT;
    CalibrationSettings.adjustableBrightness = 1;
    CalibrationSettings.adjustableColor = 1;
    CalibrationSettings.whitePointIndex = WHITE_POINT_D65;
    CalibrationSettings.gammaIndex = 0;
    CalibrationSettings.lastLogFolder[0] = 0;
}

// Reads a value's bytes as a zero-terminated text of at most capacity bytes.
// A value without its terminator is accepted when there is room to add one.
static int ReadValueText(const char* name, char* text, int capacity) {
    int size = 0;
    if (ReadSettingsValue(name, text, capacity, &size) != 0) return 1;
    if (size < 0 || size > capacity) return 1;
    if (size > 0 && text[size - 1] == 0) return 0;
    if (size == capacity) return 1;
    text[size] = 0;
    return 0;
}

// Parses the value's first words into fields; fields without a word keep
// their values.
static void ReadNumbers(const char* name, int* const* fields, int fieldCount) {
    char text[NUMBER_VALUE_SIZE];
    if (ReadValueText(name, text, NUMBER_VALUE_SIZE) != 0) return;
    int count = 0;
    char** words = 0;
    SplitWords(text, &count, &words);
    for (int i = 0; i < fieldCount && i < count; ++i)
        ParseWholeInteger(words[i], fields[i]);
}

static void ReadIndex(const char* name, int* index, int largest) {
    int* const fields[1] = {index};
    ReadNumbers(name, fields, 1);
    if (*index < 0 || *index > largest) *index = 0;
}

// Reads a text value whole into destination (capacity bytes with terminator).
static void ReadTextSetting(const char* name, char* destination, int capacity) {
    char text[DESCRIPTION_SIZE > LOG_FOLDER_SIZE ? DESCRIPTION_SIZE : LOG_FOLDER_SIZE];
    if (ReadValueText(name, text, capacity) == 0) CopyTextLimited(text, destination, capacity - 1);
}

int LoadSettings() {
    SetDefaultSettings();
    SetTargetsFromIndexes(CalibrationSettings.whitePointIndex, CalibrationSettings.gammaIndex);
    if (OpenSettingsKey() != 0) return 1;
    int* const monitorFields[3] = {&CalibrationSettings.monitorType,
                                   &CalibrationSettings.adjustableBrightness,
                                   &CalibrationSettings.adjustableColor};
    ReadNumbers("monitor", monitorFields, 3);
    ReadIndex("whitepoint", &CalibrationSettings.whitePointIndex, WHITE_POINT_COUNT - 1);
    ReadIndex("monitorgamma", &CalibrationSettings.gammaIndex, 1);
    ReadTextSetting("copyright", CalibrationSettings.copyrightNotice, DESCRIPTION_SIZE);
    ReadTextSetting("lastlogfolder", CalibrationSettings.lastLogFolder, LOG_FOLDER_SIZE);
    CloseSettingsKey();
    SetTargetsFromIndexes(CalibrationSettings.whitePointIndex, CalibrationSettings.gammaIndex);
    return 0;
}

static void WriteNumberSetting(const char* name, const char* format, int a, int b, int c) {
    char text[NUMBER_TEXT_SIZE];
    FormatText(text, NUMBER_TEXT_SIZE, format, a, b, c);
    WriteSettingsValue(name, text);
}

void SaveSettings() {
    if (CreateSettingsKey() != 0) return;
    const struct CalibrationSettings& s = CalibrationSettings;
    WriteSettingsValue("version", "1.0");
    WriteNumberSetting("monitor", "%d %d %d", s.monitorType, s.adjustableBrightness,
                       s.adjustableColor);
    WriteNumberSetting("whitepoint", "%d", s.whitePointIndex, 0, 0);
    WriteNumberSetting("monitorgamma", "%d", s.gammaIndex, 0, 0);
    WriteSettingsValue("copyright", s.copyrightNotice);
    WriteSettingsValue("lastlogfolder", s.lastLogFolder);
    CloseSettingsKey();
}
