// Reader of monitor description files. Lines are split into words; a table
// says how many numbers each name takes, their range and unit, and where they
// go in the model. Bad lines are reported and skipped, never fatal.
#include "sim/monitor_file.h"

#include "text/text_format.h"
#include "text/text_utils.h"

#include <cstddef>
#include <cstdio>
#include <cstdlib>

namespace {

enum { MAX_WORDS = 8, WORD_SIZE = 64, LINE_SIZE = 512, FILE_LIMIT = 65536 };

struct NumericSetting {
    const char* name;
    int count;          // numbers expected
    const char* unit;   // accepted after the numbers, or null
    double low, high;   // inclusive range of each number
    int chromaticity;   // 1: an x, y pair with x + y below 1
    std::size_t offset; // of the first double in MonitorModel
};

const NumericSetting kSettings[] = {
    {"white_luminance", 1, "cd/m2", 1, 10000, 0, offsetof(MonitorModel, whiteLuminance)},
    {"white_point", 2, nullptr, 0.001, 0.999, 1, offsetof(MonitorModel, whitePoint)},
    {"red_primary", 2, nullptr, 0.001, 0.999, 1, offsetof(MonitorModel, primaries[0])},
    {"green_primary", 2, nullptr, 0.001, 0.999, 1, offsetof(MonitorModel, primaries[1])},
    {"blue_primary", 2, nullptr, 0.001, 0.999, 1, offsetof(MonitorModel, primaries[2])},
    {"black_luminance", 1, "cd/m2", 0, 1000, 0, offsetof(MonitorModel, blackLuminance)},
    {"black_chromaticity", 2, nullptr, 0.001, 0.999, 1, offsetof(MonitorModel, blackChromaticity)},
    {"brightness", 1, nullptr, -1, 1, 0, offsetof(MonitorModel, brightness)},
    {"contrast", 1, nullptr, 0.01, 4, 0, offsetof(MonitorModel, contrast)},
    {"gain_red", 1, nullptr, 0.01, 4, 0, offsetof(MonitorModel, gain[0])},
    {"gain_green", 1, nullptr, 0.01, 4, 0, offsetof(MonitorModel, gain[1])},
    {"gain_blue", 1, nullptr, 0.01, 4, 0, offsetof(MonitorModel, gain[2])},
    {"crosstalk", 1, nullptr, 0, 0.5, 0, offsetof(MonitorModel, crosstalk)},
    {"dark_drift", 2, nullptr, -0.1, 0.1, 0, offsetof(MonitorModel, darkDrift)},
    {"noise", 1, nullptr, 0, 0.5, 0, offsetof(MonitorModel, noise)},
    {"noise_floor", 1, "cd/m2", 0, 10, 0, offsetof(MonitorModel, noiseFloor)},
    {"chroma_noise", 1, nullptr, 0, 0.05, 0, offsetof(MonitorModel, chromaNoise)},
};

struct Line {
    int number;
    int count;
    char words[MAX_WORDS][WORD_SIZE];
};

struct Report {
    char* text;
    int capacity;
    int used;
    int problems;
};

void AddProblem(Report* report, const Line& line, const char* what, const char* detail) {
    ++report->problems;
    if (report->used >= report->capacity - 1) return;
    char* end = report->text + report->used;
    const int room = report->capacity - report->used;
    report->used += line.number > 0
                        ? FormatText(end, room, "line %d: %s \"%s\"\n", line.number, what, detail)
                        : FormatText(end, room, "%s \"%s\"\n", what, detail);
}

// Splits at spaces and tabs; words beyond MAX_WORDS are dropped, long ones cut.
void SplitWords(const char* text, Line* line) {
    line->count = 0;
    while (*text && line->count < MAX_WORDS) {
        while (*text == ' ' || *text == '\t')
            ++text;
        if (!*text) break;
        int length = 0;
        char* word = line->words[line->count++];
        for (; *text && *text != ' ' && *text != '\t'; ++text)
            if (length < WORD_SIZE - 1) word[length++] = *text;
        word[length] = 0;
    }
}

int ParseNumber(const char* word, double* value) {
    char* end = nullptr;
    *value = std::strtod(word, &end);
    return end == word || *end != 0 || !(*value == *value) ? 1 : 0;
}

// The table's only unit is cd/m2, which may also be written nits.
int AcceptsUnit(const char* unit, const char* word) {
    return EqualIgnoringCase(word, unit) || EqualIgnoringCase(word, "nits");
}

// Reads count numbers after the name and an optional unit; 0 when well formed.
int ReadNumbers(const Line& line, int count, const char* unit, double* values, Report* report) {
    const int given = line.count - 1;
    if (given != count && !(unit && given == count + 1)) {
        AddProblem(report, line, "wrong number of values for", line.words[0]);
        return 1;
    }
    if (given == count + 1 && !AcceptsUnit(unit, line.words[given])) {
        AddProblem(report, line, "unexpected unit", line.words[given]);
        return 1;
    }
    for (int i = 0; i < count; ++i) {
        if (ParseNumber(line.words[1 + i], &values[i])) {
            AddProblem(report, line, "not a number", line.words[1 + i]);
            return 1;
        }
    }
    return 0;
}

int InRange(const NumericSetting& setting, const double* values) {
    for (int i = 0; i < setting.count; ++i)
        if (values[i] < setting.low || values[i] > setting.high) return 0;
    return !setting.chromaticity || values[0] + values[1] < 1.0;
}

void ApplyNumeric(const NumericSetting& setting, const Line& line, MonitorModel* model,
                  Report* report) {
    double values[2];
    if (ReadNumbers(line, setting.count, setting.unit, values, report)) return;
    if (!InRange(setting, values)) {
        AddProblem(report, line, "value out of range for", setting.name);
        return;
    }
    double* field = reinterpret_cast<double*>(reinterpret_cast<char*>(model) + setting.offset);
    for (int i = 0; i < setting.count; ++i)
        field[i] = values[i];
}

void ApplyGamma(const Line& line, MonitorModel* model, Report* report) {
    double values[3];
    const int count = line.count == 2 ? 1 : 3;
    if (ReadNumbers(line, count, nullptr, values, report)) return;
    for (int c = 0; c < count; ++c) {
        if (values[c] < 0.5 || values[c] > 5) {
            AddProblem(report, line, "value out of range for", "gamma");
            return;
        }
    }
    for (int c = 0; c < 3; ++c)
        model->gamma[c] = values[count == 1 ? 0 : c];
}

void ApplyType(const Line& line, MonitorModel* model, Report* report) {
    const int lcd = line.count == 2 && EqualIgnoringCase(line.words[1], "lcd");
    const int crt = line.count == 2 && EqualIgnoringCase(line.words[1], "crt");
    if (!lcd && !crt) {
        AddProblem(report, line, "type must be lcd or crt, not",
                   line.count > 1 ? line.words[1] : "");
        return;
    }
    model->lcd = lcd;
}

void ApplySeed(const Line& line, MonitorModel* model, Report* report) {
    int seed = 0;
    if (line.count != 2 || ParseWholeInteger(line.words[1], &seed) || seed < 0) {
        AddProblem(report, line, "seed must be a whole number, not",
                   line.count > 1 ? line.words[1] : "");
        return;
    }
    model->seed = static_cast<unsigned>(seed);
}

void ApplyReadingTime(const Line& line, MonitorModel* model, Report* report) {
    double seconds = 0;
    const int hasUnit = line.count == 3;
    if (line.count < 2 || line.count > 3 || ParseNumber(line.words[1], &seconds)) {
        AddProblem(report, line, "malformed value for", "reading_time");
        return;
    }
    if (hasUnit && !EqualIgnoringCase(line.words[2], "s") &&
        !EqualIgnoringCase(line.words[2], "ms")) {
        AddProblem(report, line, "unexpected unit", line.words[2]);
        return;
    }
    if (hasUnit && EqualIgnoringCase(line.words[2], "ms")) seconds /= 1000;
    if (seconds < 0 || seconds > 60) {
        AddProblem(report, line, "value out of range for", "reading_time");
        return;
    }
    model->readingTime = seconds;
}

// The name is the rest of the line after the first word.
void ApplyName(const char* text, const Line& line, MonitorModel* model, Report* report) {
    while (*text == ' ' || *text == '\t')
        ++text;
    while (*text && *text != ' ' && *text != '\t')
        ++text;
    while (*text == ' ' || *text == '\t')
        ++text;
    int length = TextLength(text);
    while (length > 0 && (text[length - 1] == ' ' || text[length - 1] == '\t'))
        --length;
    if (length == 0) {
        AddProblem(report, line, "missing value for", "name");
        return;
    }
    CopyTextLimited(text, model->name,
                    length < MONITOR_NAME_SIZE - 1 ? length : MONITOR_NAME_SIZE - 1);
}

void ApplyLine(const char* text, const Line& line, MonitorModel* model, Report* report) {
    const char* name = line.words[0];
    for (const NumericSetting& setting : kSettings) {
        if (EqualIgnoringCase(name, setting.name))
            return ApplyNumeric(setting, line, model, report);
    }
    if (EqualIgnoringCase(name, "gamma")) return ApplyGamma(line, model, report);
    if (EqualIgnoringCase(name, "type")) return ApplyType(line, model, report);
    if (EqualIgnoringCase(name, "seed")) return ApplySeed(line, model, report);
    if (EqualIgnoringCase(name, "reading_time")) return ApplyReadingTime(line, model, report);
    if (EqualIgnoringCase(name, "name")) return ApplyName(text, line, model, report);
    AddProblem(report, line, "unknown name", name);
}

// Copies one line (without its comment and line end) and returns where the next starts.
const char* TakeLine(const char* text, char* line) {
    int length = 0, comment = 0;
    for (; *text && *text != '\n'; ++text) {
        if (*text == '#') comment = 1;
        if (!comment && *text != '\r' && length < LINE_SIZE - 1) line[length++] = *text;
    }
    line[length] = 0;
    return *text ? text + 1 : text;
}

// Primaries that do not enclose the white point would need negative light.
void CheckGeometry(MonitorModel* model, Report* report) {
    if (!CheckMonitorGeometry(model)) return;
    MonitorModel defaults;
    DefaultMonitorModel(&defaults);
    const Line whole = {0, 0, {}};
    AddProblem(report, whole, "primaries, white and black do not fit together; using defaults for",
               "white_luminance white_point *_primary black_* dark_drift");
    model->whiteLuminance = defaults.whiteLuminance;
    MoveBytes(defaults.whitePoint, model->whitePoint, sizeof defaults.whitePoint);
    MoveBytes(defaults.primaries, model->primaries, sizeof defaults.primaries);
    model->blackLuminance = defaults.blackLuminance;
    MoveBytes(defaults.blackChromaticity, model->blackChromaticity,
              sizeof defaults.blackChromaticity);
    MoveBytes(defaults.darkDrift, model->darkDrift, sizeof defaults.darkDrift);
}

} // namespace

int ParseMonitorText(const char* text, struct MonitorModel* model, char* problems, int capacity) {
    Report report = {problems, capacity, 0, 0};
    if (capacity > 0) problems[0] = 0;
    DefaultMonitorModel(model);
    char buffer[LINE_SIZE];
    for (int number = 1; *text; ++number) {
        text = TakeLine(text, buffer);
        Line line = {number, 0, {}};
        SplitWords(buffer, &line);
        if (line.count > 0) ApplyLine(buffer, line, model, &report);
    }
    CheckGeometry(model, &report);
    return report.problems;
}

int ReadMonitorFile(const char* path, struct MonitorModel* model, char* problems, int capacity) {
    static char contents[FILE_LIMIT + 1];
    std::FILE* file = path ? std::fopen(path, "rb") : nullptr;
    if (!file) {
        DefaultMonitorModel(model);
        Report report = {problems, capacity, 0, 0};
        if (capacity > 0) problems[0] = 0;
        AddProblem(&report, Line{0, 0, {}}, "cannot read monitor file", path ? path : "");
        return report.problems;
    }
    const std::size_t size = std::fread(contents, 1, FILE_LIMIT, file);
    std::fclose(file);
    contents[size] = 0;
    return ParseMonitorText(contents, model, problems, capacity);
}
