// SPDX-License-Identifier: GPL-3.0-or-later
// Runs a fuzz target once over each given file or directory, without the
// fuzzing engine: the corpus replay of builds made with another compiler.
#include <cstdint>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <vector>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size);

int main(int argc, char** argv) {
    namespace fs = std::filesystem;
    size_t count = 0;
    auto run = [&count](const fs::path& p) {
        std::ifstream in(p, std::ios::binary);
        const std::vector<char> bytes((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
        LLVMFuzzerTestOneInput(reinterpret_cast<const uint8_t*>(bytes.data()), bytes.size());
        ++count;
    };
    for (int i = 1; i < argc; ++i) {
        if (!fs::exists(argv[i])) return std::fprintf(stderr, "no such input: %s\n", argv[i]), 2;
        if (!fs::is_directory(argv[i])) run(argv[i]);
        else for (const auto& e : fs::recursive_directory_iterator(argv[i])) if (e.is_regular_file()) run(e.path());
    }
    std::printf("replayed %zu inputs\n", count);
    return count > 0 ? 0 : 1;
}
