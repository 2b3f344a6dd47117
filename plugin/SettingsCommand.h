#pragma once
// The settings road of the command's confirmation event.

// Runs the category colour settings with the module's own state current; always 0.
int RunSettingsCommand();
