// The setup form of page 1: labels, lists, check boxes and the description
// and copyright boxes, and what their commands change in the settings.
#pragma once

#include <windows.h>

// Creates the form's controls in the main window, filled from the settings.
void CreateSetupForm(HWND mainWindowBeingCreated, int clientWidth);
// Moves the form's controls for a main window client width.
void PlaceSetupForm(int clientWidth);
// Acts on a command from one of the form's controls; ignores the others.
void OnSetupFormCommand(int id, int notification, HWND control);
