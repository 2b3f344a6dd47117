// The module's one export: the host calls it once after loading the module.
#include "HostCommand.h"

#include <PavLib.h>

extern "C" int Startup(void*, void*, void*, void* a4)
{
    return PavCtlRegisterPavLib2(StartCommand, CommandSecondCallback, CommandThirdCallback, a4) > 0 ? 0 : -1;
}
