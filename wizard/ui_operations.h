// What every page handler may change on screen. The Windows build acts on the
// wizard's windows; the host build records the calls and answers message
// boxes from a script, and its target colour feeds the virtual screen.
#pragma once

void SetPageTitle(const char* text);
// Sets the instructions text and repaints the box at once.
void SetInstructions(const char* text);
// Paints the target patch at once; only the low 8 bits of each value count.
void SetTargetColor(int red, int green, int blue);
void ShowTargetWindow();
void HideTargetWindow();
void ShowBrightnessWindow();
void HideBrightnessWindow();
void RepaintBrightnessWindow();
void ShowGaugeWindow();
void HideGaugeWindow();
void SetGaugeValues(int pointersShown, int red, int green, int blue);
void ShowResultsWindow();
void ShowSaveButtons();
void EnableTryAgain();
void DisableTryAgain();
// Hides the cursor, then disables Prev, Next, Help and Exit.
void BeginMeasuring();
// Shows the cursor, then enables Prev, Next, Help and Exit.
void EndMeasuring();
void HideMouseCursor();
void ShowMouseCursor();
// "Error" box with OK; the cursor is shown while it is open.
void ShowErrorMessage(const char* text);
// "Warning" box with OK and Cancel; 1 when the user chose Cancel, else 0.
// A cursor hidden for measuring is shown while any of these boxes is open and
// hidden again after it.
int AskWarning(const char* text);
// "Error" box with OK and Cancel used by the colorimeter's retries; 1 when
// the user chose Cancel (give up), 0 for OK (retry). Like the other two
// boxes it is shown over a visible cursor.
int AskRetry(const char* text);
void Beep();
// Enables Prev (from page 2 on) and Next, hides the setup form, the save
// buttons and the four chart windows, disables Try Again.
void ResetPageControls();
void ShowSetupForm();
// Repaints the whole instructions panel at once without erasing it, so the
// colorimeter's texts appear while a page is still busy.
void RepaintInstructionsPanel();

// Whether the wizard has the mouse cursor hidden (1 shown, 0 hidden),
// initially 1. HideMouseCursor and ShowMouseCursor move the system's cursor
// only when it changes, so repeated calls hide or show it once.
extern int cursorShown;
