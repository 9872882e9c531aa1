// The replay of a fuzz target without libFuzzer: linked with one fuzz_*.cpp, it
// runs a few built-in inputs and then every file of the folders or files named
// on the command line through LLVMFuzzerTestOneInput, so the seed corpus and the
// inputs that once made the target fail are checked by every native test run.
#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>
#include <system_error>
#include <vector>

namespace fs = std::filesystem;

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size);
extern "C" __attribute__((weak)) int LLVMFuzzerInitialize(int *argc, char ***argv);

/* RunInput: one input through the target, its name printed first so a crash names it. */
static void RunInput(const std::string &name, const std::string &bytes)
{
    std::printf("input %s (%zu bytes)\n", name.c_str(), bytes.size());
    std::fflush(stdout);
    // A copy of its own, so that a read past the end is caught by AddressSanitizer.
    std::vector<uint8_t> data(bytes.begin(), bytes.end());
    LLVMFuzzerTestOneInput(data.empty() ? nullptr : data.data(), data.size());
}

/* FilesOf: the files of a folder (sorted, subfolders too), or the path itself when it is a file. */
static std::vector<fs::path> FilesOf(const fs::path &path)
{
    std::vector<fs::path> files;
    std::error_code ec;
    if (fs::is_directory(path, ec)) {
        for (const fs::directory_entry &e : fs::recursive_directory_iterator(path, ec))
            if (e.is_regular_file(ec))
                files.push_back(e.path());
    } else if (fs::is_regular_file(path, ec)) {
        files.push_back(path);
    }
    std::sort(files.begin(), files.end());
    return files;
}

int main(int argc, char **argv)
{
    if (LLVMFuzzerInitialize)
        LLVMFuzzerInitialize(&argc, &argv);
    // Inputs every target must take even without a corpus: empty, a zero byte,
    // a CP932 lead byte without its trail byte, line ends alone, a long line.
    static const std::string builtIn[] = {
        "", std::string(1, '\0'), "\x81", "\x82\xa0\x81", "\r\n", "\n\r\r\n", "\"", std::string(4096, 'A'),
    };
    size_t count = 0;
    for (const std::string &bytes : builtIn)
        RunInput("built-in #" + std::to_string(count++), bytes);
    for (int i = 1; i < argc; ++i) {
        std::error_code ec;
        if (!fs::exists(argv[i], ec)) {
            std::printf("no corpus at %s: the built-in inputs only\n", argv[i]);
            continue;
        }
        for (const fs::path &file : FilesOf(argv[i])) {
            std::ifstream in(file, std::ios::binary);
            std::string bytes((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
            if (!in.good() && !in.eof()) {
                std::printf("cannot read %s\n", file.string().c_str());
                return 1;
            }
            RunInput(file.string(), bytes);
            ++count;
        }
    }
    std::printf("%zu inputs replayed\n", count);
    return 0;
}
