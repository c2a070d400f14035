#include "cli/CliCommands.h"

int RunGenerate(const std::vector<std::string>&)
{
    return Fail("generate: not built yet");
}
