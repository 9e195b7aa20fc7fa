#include <cstdio>

int main() {
    std::puts("Varnel: the window is not built yet. The inference library and its tests are.");
    return 0;
}
