#include <cstdio>

int main()
{
    std::fputs("joseki-browser: the window is not built yet\n", stderr);
    return 1;
}
