#include "cli/CliCommands.h"

int RunUrl(const std::vector<std::string>&)
{
    return Fail("url: not built yet");
}
