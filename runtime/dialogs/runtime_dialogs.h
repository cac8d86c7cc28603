// The run-time's own dialogs and its main window: the message dialog the
// show primitive opens (template 24991), the default dialog procedure, and
// the window that owns them when the program has no main window of its own.
// Written against the Win32 calls only.
#pragma once

#include "platform/win32.h"

// Runs the modal dialog template of instance with owner; a null procedure
// means DefaultDialog. Answers what DialogBoxParamA answers.
INT_PTR ShowDialog(HINSTANCE instance, LPCSTR templateName, HWND owner, DLGPROC procedure, LPARAM parameter);

// WM_INITDIALOG answers TRUE; WM_CLOSE is a Cancel command; the commands
// OK (1) and Cancel (2) end the dialog answering their id.
INT_PTR CALLBACK DefaultDialog(HWND dialog, UINT message, WPARAM wParam, LPARAM lParam);

// The message dialog: text into the static control 25011 on WM_INITDIALOG
// (the parameter is the text's address), ended answering 0 by OK or Cancel.
INT_PTR CALLBACK DlgShow(HWND dialog, UINT message, WPARAM wParam, LPARAM lParam);
// Ends the dialog answering 0 for the command ids 1 (OK) and 2 (Cancel);
// false for other ids.
BOOL CommandHandler_Default(HWND dialog, WORD id);
// Shows text in the message dialog, owned by the main window.
void ovioShow(const char* text);

// The main window: the one the program named (ovioSetMainWindow), or else
// the run-time's own, made on first need. Null only when it cannot be made.
HWND ovioGetMainWindow();
// Takes w as the main window when it is a window; anything else is ignored.
void ovioSetMainWindow(HWND w);
// Makes the run-time's own main window ("Orvane Default Window", of the
// class "Orvane Application") and shows it with showCommand, unless a main
// window exists. Answers 1 when a main window exists afterwards, else 0.
int CreateMainWindow(int showCommand);
