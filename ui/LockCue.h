#pragma once
// The cue of a settings swatch whose colour the administrator locked: a padlock on a badge in the
// swatch's lower right corner, in the system's window colours, so that it reads on every palette
// colour and in high-contrast schemes, and scaled with the window's DPI like the other cues. The
// rest of the swatch keeps showing the locked colour.
#include <windows.h>

// The badge at 96 DPI, in the swatch's lower right corner.
constexpr int kLockBadgeWidthAt96 = 11;
constexpr int kLockBadgeHeightAt96 = 13;

// Where the badge lies in a swatch's client rectangle at the DPI.
RECT LockBadgeRect(const RECT& client, int dpi);

// Draws the badge: its frame and the padlock in the window text colour on the window colour.
void DrawLockCue(HDC hDC, const RECT& client, int dpi);
