#include "cli/CliCommands.h"

int RunCheck(const std::vector<std::string>&)
{
    return Fail("check: not built yet");
}
