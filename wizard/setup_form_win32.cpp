// The setup form: each label stands right-aligned in one column, each field
// beside it, one row per choice. Commands write the choices straight into the
// settings (and the record's targets), so they take effect at once.
#include "wizard/setup_form_win32.h"

#include "engine/calibration_record.h"
#include "wizard/app_globals_win32.h"
#include "wizard/calibration_settings.h"
#include "wizard/text_width_win32.h"
#include "wizard/window_layout.h"
#include "wizard/wizard_controls_win32.h"

enum { MONITOR_TYPE_ROW = 0, BRIGHTNESS_ROW = 1, COLOR_ROW = 2, WHITE_POINT_ROW = 3 };
enum { GAMMA_ROW = 4, DESCRIPTION_ROW = 5, COPYRIGHT_ROW = 6 };

static const char* const labelTexts[FORM_LABEL_COUNT] = {
    "Monitor Type:", "Target White Point:", "Target Monitor Gamma:", "Profile Description:",
    "Copyright Notice:"};
static const int labelRows[FORM_LABEL_COUNT] = {MONITOR_TYPE_ROW, WHITE_POINT_ROW, GAMMA_ROW,
                                                DESCRIPTION_ROW, COPYRIGHT_ROW};
static const char* const monitorTypeItems[] = {"CRT", "LCD"};
static const char* const whitePointItems[] = {"D65 (medium white)", "D50 (warm white)",
                                              "D75 (cool white)"};
static const char* const gammaItems[] = {"2.2", "1.8"};
static const char brightnessText[] = "Monitor has adjustable brightness control";
static const char colorText[] = "Monitor has adjustable red, green and blue color controls";

// The widest label + 2 margins; measured once, when the form is created.
static int labelWidth;

static int WidestText(const char* const* texts, int count) {
    int widest = 0;
    for (int i = 0; i < count; ++i) {
        const int width = TextWidth(texts[i]);
        if (width > widest) widest = width;
    }
    return widest;
}

static HWND CreateLabel(HWND parent, FormLabel label, int clientWidth) {
    return CreateControl(
        parent, "static", labelTexts[label], WS_VISIBLE | SS_RIGHT, 0, BodyFont,
        FormLabelRect(CurrentMeasures(), clientWidth, labelWidth, labelRows[label]));
}

// A drop-down list as wide as its widest item and the arrow, with selection.
static HWND CreateList(HWND parent, int id, const char* const* items, int count, int selection,
                       int clientWidth, int row) {
    const struct LayoutRect place =
        FormListRect(CurrentMeasures(), clientWidth, labelWidth, row, WidestText(items, count));
    HWND list = CreateControl(parent, "combobox", items[0], WS_VISIBLE | CBS_DROPDOWNLIST, id,
                              BodyFont, place);
    SendMessageA(list, CB_SETITEMHEIGHT, static_cast<WPARAM>(-1), textHeight);
    for (int i = 0; i < count; ++i)
        SendMessageA(list, CB_ADDSTRING, 0, reinterpret_cast<LPARAM>(items[i]));
    SendMessageA(list, CB_SETCURSEL, static_cast<WPARAM>(selection), 0);
    return list;
}

static HWND CreateCheckBox(HWND parent, int id, const char* text, int checked, int clientWidth,
                           int row) {
    const struct LayoutRect place =
        FormCheckBoxRect(CurrentMeasures(), clientWidth, labelWidth, row, TextWidth(text));
    HWND box = CreateControl(parent, "Button", text, WS_VISIBLE | BS_CHECKBOX, id, BodyFont, place);
    SendMessageA(box, BM_SETCHECK, checked ? BST_CHECKED : BST_UNCHECKED, 0);
    return box;
}

static HWND CreateEditBox(HWND parent, int id, int clientWidth, int row) {
    return CreateControl(parent, "edit", "", WS_VISIBLE | ES_LEFT | ES_AUTOHSCROLL, id, BodyFont,
                         FormTextBoxRect(CurrentMeasures(), clientWidth, labelWidth, row));
}

void CreateSetupForm(HWND parent, int clientWidth) {
    const struct CalibrationSettings& s = CalibrationSettings;
    struct WizardControls& c = WizardControls;
    labelWidth = LabelWidth(CurrentMeasures(), WidestText(labelTexts, FORM_LABEL_COUNT));
    c.formLabels[MONITOR_TYPE_LABEL] = CreateLabel(parent, MONITOR_TYPE_LABEL, clientWidth);
    // Any stored type other than CRT counts as LCD.
    c.monitorTypeList = CreateList(parent, ID_MONITOR_TYPE, monitorTypeItems, 2,
                                   s.monitorType != MONITOR_CRT, clientWidth, MONITOR_TYPE_ROW);
    c.brightnessBox = CreateCheckBox(parent, ID_BRIGHTNESS_BOX, brightnessText,
                                     s.adjustableBrightness, clientWidth, BRIGHTNESS_ROW);
    c.colorBox =
        CreateCheckBox(parent, ID_COLOR_BOX, colorText, s.adjustableColor, clientWidth, COLOR_ROW);
    c.formLabels[WHITE_POINT_LABEL] = CreateLabel(parent, WHITE_POINT_LABEL, clientWidth);
    c.whitePointList = CreateList(parent, ID_WHITE_POINT, whitePointItems, WHITE_POINT_COUNT,
                                  s.whitePointIndex, clientWidth, WHITE_POINT_ROW);
    c.formLabels[GAMMA_LABEL] = CreateLabel(parent, GAMMA_LABEL, clientWidth);
    c.gammaList = CreateList(parent, ID_GAMMA, gammaItems, 2, s.gammaIndex, clientWidth, GAMMA_ROW);
    c.formLabels[DESCRIPTION_LABEL] = CreateLabel(parent, DESCRIPTION_LABEL, clientWidth);
    c.descriptionBox = CreateEditBox(parent, ID_DESCRIPTION, clientWidth, DESCRIPTION_ROW);
    c.formLabels[COPYRIGHT_LABEL] = CreateLabel(parent, COPYRIGHT_LABEL, clientWidth);
    c.copyrightBox = CreateEditBox(parent, ID_COPYRIGHT, clientWidth, COPYRIGHT_ROW);
    SetWindowTextA(c.copyrightBox, s.copyrightNotice);
}

// Every field of a row starts at (fieldX, row(k)), whatever its kind.
void PlaceSetupForm(int clientWidth) {
    const struct WizardControls& c = WizardControls;
    const struct WizardMeasures m = CurrentMeasures();
    for (int label = 0; label < FORM_LABEL_COUNT; ++label)
        MoveControl(c.formLabels[label],
                    FormLabelRect(m, clientWidth, labelWidth, labelRows[label]));
    const HWND fields[] = {c.monitorTypeList, c.brightnessBox,  c.colorBox,    c.whitePointList,
                           c.gammaList,       c.descriptionBox, c.copyrightBox};
    for (int row = 0; row < COPYRIGHT_ROW + 1; ++row)
        MoveControl(fields[row], FormTextBoxRect(m, clientWidth, labelWidth, row));
}

// A check box that is not automatic: the flag flips, the box follows it.
static void ToggleCheckBox(HWND box, int* flag) {
    *flag = *flag == 0 ? 1 : 0;
    SendMessageA(box, BM_SETCHECK, *flag ? BST_CHECKED : BST_UNCHECKED, 0);
}

static int ListSelection(HWND list) {
    return static_cast<int>(SendMessageA(list, CB_GETCURSEL, 0, 0));
}

// A chosen white point or gamma sets the record's targets at once; a list
// without a selection changes nothing else.
static void OnWhitePointChosen(HWND list) {
    CalibrationSettings.whitePointIndex = ListSelection(list);
    const int index = CalibrationSettings.whitePointIndex;
    if (index >= 0 && index < WHITE_POINT_COUNT)
        SetTargetsFromIndexes(index, CalibrationSettings.gammaIndex);
}

static void OnGammaChosen(HWND list) {
    CalibrationSettings.gammaIndex = ListSelection(list);
    const int index = CalibrationSettings.gammaIndex;
    if (index == 0 || index == 1) SetTargetsFromIndexes(CalibrationSettings.whitePointIndex, index);
}

// The one notification each control of the form is acted on for.
static int ActedOnNotification(int id) {
    switch (id) {
    case ID_MONITOR_TYPE:
    case ID_WHITE_POINT:
    case ID_GAMMA: return CBN_SELCHANGE;
    case ID_BRIGHTNESS_BOX:
    case ID_COLOR_BOX: return BN_CLICKED;
    case ID_DESCRIPTION:
    case ID_COPYRIGHT: return EN_UPDATE;
    default: return -1;
    }
}

void OnSetupFormCommand(int id, int notification, HWND control) {
    struct CalibrationSettings& s = CalibrationSettings;
    if (notification != ActedOnNotification(id)) return;
    switch (id) {
    case ID_MONITOR_TYPE: s.monitorType = ListSelection(control); break;
    case ID_BRIGHTNESS_BOX: ToggleCheckBox(control, &s.adjustableBrightness); break;
    case ID_COLOR_BOX: ToggleCheckBox(control, &s.adjustableColor); break;
    case ID_WHITE_POINT: OnWhitePointChosen(control); break;
    case ID_GAMMA: OnGammaChosen(control); break;
    case ID_DESCRIPTION: GetWindowTextA(control, s.profileDescription, DESCRIPTION_SIZE); break;
    case ID_COPYRIGHT: GetWindowTextA(control, s.copyrightNotice, DESCRIPTION_SIZE); break;
    default: break;
    }
}
