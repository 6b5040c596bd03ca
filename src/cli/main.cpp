#include <cstdio>
#include <cstring>

int main(int argc, char** argv) {
    if (argc < 2 || std::strcmp(argv[1], "--help") == 0) {
        std::puts("ftf: командная строка модуля фурнитуры. Команды появятся по мере сборки.");
        return argc < 2 ? 1 : 0;
    }
    std::fprintf(stderr, "ftf: неизвестная команда %s\n", argv[1]);
    return 1;
}
