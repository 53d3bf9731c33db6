// The two lists the save worker writes in turn (generation 'A' and 'B').
#pragma once

#include <string>
#include <vector>

namespace corvane::test {

inline std::vector<std::vector<std::string>> SaveWorkerList(char generation, int rows) {
    std::vector<std::vector<std::string>> list;
    for (int i = 0; i < rows; ++i) {
        const std::string n = std::to_string(i);
        list.push_back({std::string(1, generation) + " entry " + n,
                        "Apps\\" + std::string(1, generation) + n + ".exe", i % 3 == 0 ? "" : "/opt=" + n});
    }
    return list;
}

}  // namespace corvane::test
