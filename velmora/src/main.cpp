#include <cstdio>
#include <cstring>

int main(int argc, char** argv) {
    if (argc == 2 && std::strcmp(argv[1], "--version") == 0) {
        std::printf("velmora 0.1.0\n");
        return 0;
    }
    std::fprintf(stderr, "usage: velmora --version\n");
    return 2;
}
