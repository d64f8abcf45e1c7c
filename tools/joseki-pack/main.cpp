#include <cstdio>

int main()
{
    std::fputs("joseki-pack: not built yet\n", stderr);
    return 1;
}
