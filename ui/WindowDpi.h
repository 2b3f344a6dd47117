#pragma once
// The DPI a window is shown at, and pixel sizes designed at 96 DPI scaled to it: dialog units
// scale by themselves, the pixels we draw do not.
#include <afxwin.h>

// GetDpiForWindow where the system has it (loaded at run time: older systems lack it), else the
// LOGPIXELSX of the device context (of the window's own when hDC is null).
int WindowDpi(HWND hWnd, HDC hDC);

// A length in pixels at 96 DPI, at `dpi` (rounded to the nearest pixel, at least 1).
int ScaleToDpi(int pixelsAt96, int dpi);
