// Writes a settings file with chosen fish and plant counts into
// configHome/parvolune/Quenmarl.ini, for tests that start the tank.
#pragma once
#include <cstdio>
#include <initializer_list>
#include <string>
#include <sys/stat.h>
#include <utility>

inline bool WriteCountsFile(const std::string& configHome, std::initializer_list<std::pair<int, int>> fish,
                            std::initializer_list<std::pair<int, int>> plants)
{
    mkdir(configHome.c_str(), 0700);
    const std::string folder = configHome + "/parvolune";
    mkdir(folder.c_str(), 0700);
    FILE* ini = std::fopen((folder + "/Quenmarl.ini").c_str(), "wb");
    if (!ini)
        return false;
    auto countOf = [](std::initializer_list<std::pair<int, int>> list, int k) {
        for (const auto& [key, count] : list)
            if (key == k)
                return count;
        return 0;
    };
    std::fputs("[Fish Number]\r\n", ini);
    for (int k = 0; k < 25; ++k)
        std::fprintf(ini, "Fish%d=%d\r\n", k, countOf(fish, k));
    std::fputs("[Plants Number]\r\n", ini);
    for (int k = 0; k < 17; ++k)
        std::fprintf(ini, "Plants%d=%d\r\n", k, countOf(plants, k));
    return std::fclose(ini) == 0;
}
