#pragma once
// The start of the command with the colour policy against the plain load of before, with no policy
// key present: both timed in turns in this run; and the registry calls of a start of Rimtone.dll
// without and with a policy.
#include <windows.h>

struct StartFigures
{
    bool measured = false;  // false when a policy key is present, which the comparison must not have
    double plainUs = 0;     // the load as it was before the policy: the user's 12 values
    double policyUs = 0;    // the load as a start makes it: the policy keys, then the values
    double ratio = 0;       // median of the rounds' policy / plain
    long plainCalls = 0;    // registry calls of the plain load
    long startCalls = 0;    // of a start of Rimtone.dll, no policy key present
    long policyStartCalls = 0;  // of a start with the policy of kPolicyScenario
};

// Prints its lines and returns the figures; `plugin` has started its command once.
StartFigures MeasureStart(HMODULE plugin);
