#pragma once
// Plays the CAD host's part for one run of the command: loads the plug-in, starts the command,
// picks every entity of a drawing as Ctrl+A would, and reports what changed.
#include "DrawingFile.h"

struct DemoOptions
{
    bool openSettings = false;  // send the confirmation event first, which opens the settings dialog
};

// Returns the process exit code: 0 done, 1 when the plug-in cannot be loaded or started.
int RunDemo(const DemoDrawing& drawing, const DemoOptions& options);
