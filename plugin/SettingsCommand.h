#pragma once
// The settings road of the command's confirmation event.

// Runs the settings dialog with the module's own state current; after OK stores the names of its
// swatches whose slots the policy leaves unlocked and reloads the colours in use. While the dialog is open, a further call brings it
// (or the picker over it) to the front instead, saving and reloading nothing. Always 0.
int RunSettingsCommand();
