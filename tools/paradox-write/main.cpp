// paradox-write: writes a Paradox table (.DB) from a small text description, for test
// fixtures. Usage: paradox-write OUT.DB DESCRIPTION [--codepage N]
//
// The description's first line lists the fields ("ID:A30;Side:S;Angle:#2"; types A<n> alpha,
// S short, I long, + autoinc, N number, $ money, D date, L logical, #<d> BCD, M<n> memo,
// Y<n> bytes); every further line is a row, values separated by "|", an empty value blank.
// Lines beginning with "#" are comments. Text is UTF-8 and is written in Windows-1251.

#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <sstream>
#include <string>

#include "catalogue/ParadoxWriter.h"

int main(int argc, char** argv) {
    if (argc < 3) {
        std::fprintf(stderr, "Использование: paradox-write ТАБЛИЦА.DB ОПИСАНИЕ [--codepage N]\n");
        return 1;
    }
    int codePage = 1251;
    for (int i = 3; i + 1 < argc; ++i)
        if (std::string(argv[i]) == "--codepage") codePage = std::atoi(argv[i + 1]);
    std::ifstream in(argv[2], std::ios::binary);
    if (!in) {
        std::fprintf(stderr, "paradox-write: нет файла %s\n", argv[2]);
        return 1;
    }
    std::stringstream ss;
    ss << in.rdbuf();
    try {
        ftf::WriteParadoxFromDescription(argv[1], ss.str(), codePage);
    } catch (const std::exception& e) {
        std::fprintf(stderr, "paradox-write: %s\n", e.what());
        return 1;
    }
    return 0;
}
