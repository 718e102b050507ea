// Entry point of the lighting program. The windows are not built yet: for now
// the program only says so.
#include <cstdio>

int main()
{
    std::puts("Kalvor Lighting: the program's windows are not built yet.");
    return 0;
}
