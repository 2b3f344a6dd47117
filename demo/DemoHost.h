#pragma once
// Plays the CAD host's part for one run of the command: loads the plug-in, starts the command,
// picks every entity of a drawing as Ctrl+A would, and reports what changed.
#include "DrawingFile.h"

struct DemoOptions
{
    bool openSettings = false;  // send the confirmation event first, which opens the settings dialog
};

// Process exit codes of the demo host.
enum DemoExitCode
{
    DemoDone = 0,
    DemoPluginFailed = 1,       // the plug-in could not be loaded or started
    DemoBadInput = 2,           // a bad command line or drawing file
    DemoDialogNotShown = 3,     // the settings dialog could not open (no display)
};

DemoExitCode RunDemo(const DemoDrawing& drawing, const DemoOptions& options);
