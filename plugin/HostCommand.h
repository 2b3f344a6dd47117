#pragma once
// The command's callbacks, through which the host drives it after Startup has registered it.

// Event codes the host passes to ExecuteCommand, and its result for any other code.
constexpr int EventPickFinished = 0;
constexpr int EventConfirm = 7;
constexpr int ResultNotHandled = 3;

// Each start of the command: reloads the colours, sets up the host's pick and installs
// ExecuteCommand. Always 0.
int StartCommand();

// One event of the running command: 0 recolours the pick, 7 opens the settings, anything else is
// left alone (3). a1..a3 are the host's, passed on unchanged.
int ExecuteCommand(int event, void* a1, void* a2, void* a3);

// The callbacks registered beside StartCommand, for which the command has nothing to do.
int CommandSecondCallback();
void CommandThirdCallback();
