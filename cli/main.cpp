#include <cstdio>

int main()
{
    std::puts("vandor-cli: not built yet");
    return 2;
}
