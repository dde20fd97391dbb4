// A small stand-in for libFuzzer's driver, for builds with g++: it runs every
// file of the corpus through the target once, then mutated inputs for as long
// as it is told, under the sanitizers the target was built with.
//
//   fuzz_<target> [-seconds=N] [-seed=S] [-timeout=T] [-artifact_prefix=DIR/] PATH...
//
// PATH is a file or a folder of files. An input that crashes the target (a
// sanitizer report, an abort) or runs longer than T seconds is written to
// <artifact_prefix>crash-<n> before the process ends with a failure, so that
// `fuzz_<target> that-file` replays it. Prints the count of runs at the end.
#include <algorithm>
#include <chrono>
#include <csignal>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <iostream>
#include <random>
#include <string>
#include <unistd.h>
#include <vector>

#if defined(__SANITIZE_ADDRESS__)
#include <sanitizer/common_interface_defs.h>
#endif

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size);

namespace {

using Input = std::vector<uint8_t>;

// The input being run, kept where a signal handler can write it out.
const Input* gCurrent = nullptr;
std::string gArtifact = "crash-input";

void saveCurrent()
{
    if (!gCurrent)
        return;
    std::FILE* f = std::fopen(gArtifact.c_str(), "wb");
    if (f) {
        std::fwrite(gCurrent->data(), 1, gCurrent->size(), f);
        std::fclose(f);
    }
    std::fprintf(stderr, "\nfuzz: the input is in %s\n", gArtifact.c_str());
}

extern "C" void onFatalSignal(int sig)
{
    saveCurrent();
    std::signal(sig, SIG_DFL);
    std::raise(sig);
}

extern "C" void onTimeout(int)
{
    std::fprintf(stderr, "\nfuzz: an input ran longer than the time limit\n");
    saveCurrent();
    std::_Exit(3);
}

Input readFile(const std::filesystem::path& p)
{
    std::ifstream in(p, std::ios::binary);
    return Input(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
}

// Values that land on the edges of counts, sizes and offsets.
const uint32_t kInteresting[] = {0,          1,          2,          0x7F,       0x80,      0xFF,       0x100,
                                 0x7FFF,     0x8000,     0xFFFF,     0x10000,    0x7FFFFFFF, 0x80000000, 0xFFFFFFFE,
                                 0xFFFFFFFF, 0xFFFFFFFD, 4096,       512,        65535 * 2,  1048576,    16384};

void mutate(Input& data, const std::vector<Input>& corpus, std::mt19937_64& rng, size_t maxLength)
{
    auto pick = [&](size_t n) { return n == 0 ? size_t(0) : size_t(rng() % n); };
    const int steps = 1 + int(rng() % 6);
    for (int s = 0; s < steps; ++s) {
        switch (rng() % 9) {
        case 0: // flip a bit
            if (!data.empty())
                data[pick(data.size())] ^= uint8_t(1u << (rng() % 8));
            break;
        case 1: // a random byte
            if (!data.empty())
                data[pick(data.size())] = uint8_t(rng());
            break;
        case 2: { // an edge value, 1, 2 or 4 bytes little-endian
            if (data.empty())
                break;
            const uint32_t v = kInteresting[pick(std::size(kInteresting))];
            const size_t width = size_t(1) << (rng() % 3);
            const size_t at = pick(data.size());
            for (size_t i = 0; i < width && at + i < data.size(); ++i)
                data[at + i] = uint8_t(v >> (8 * i));
            break;
        }
        case 3: { // insert bytes
            const size_t at = pick(data.size() + 1);
            const size_t n = 1 + pick(16);
            Input bytes(n);
            for (auto& b : bytes)
                b = (rng() % 2) ? uint8_t(rng()) : uint8_t("<>/=\" ,;:_x0-9AZaz&#!?[]"[pick(25)]);
            data.insert(data.begin() + long(at), bytes.begin(), bytes.end());
            break;
        }
        case 4: { // delete a range
            if (data.empty())
                break;
            const size_t at = pick(data.size());
            const size_t n = 1 + pick(std::min<size_t>(64, data.size() - at));
            data.erase(data.begin() + long(at), data.begin() + long(std::min(data.size(), at + n)));
            break;
        }
        case 5: { // repeat a range
            if (data.empty())
                break;
            const size_t at = pick(data.size());
            const size_t n = 1 + pick(std::min<size_t>(256, data.size() - at));
            const Input piece(data.begin() + long(at), data.begin() + long(at + n));
            const int times = 1 + int(rng() % 8);
            for (int t = 0; t < times; ++t)
                data.insert(data.begin() + long(at), piece.begin(), piece.end());
            break;
        }
        case 6: { // copy a range over another place
            if (data.size() < 2)
                break;
            const size_t from = pick(data.size());
            const size_t to = pick(data.size());
            const size_t n = 1 + pick(std::min(data.size() - from, data.size() - to));
            std::memmove(data.data() + to, data.data() + from, n);
            break;
        }
        case 7: { // splice with another input of the corpus
            const Input& other = corpus[pick(corpus.size())];
            if (other.empty())
                break;
            const size_t cut = pick(data.size() + 1);
            const size_t from = pick(other.size());
            data.resize(cut);
            data.insert(data.end(), other.begin() + long(from), other.end());
            break;
        }
        default: { // cut the end
            if (!data.empty())
                data.resize(pick(data.size()));
            break;
        }
        }
    }
    if (data.size() > maxLength)
        data.resize(maxLength);
}

} // namespace

int main(int argc, char** argv)
{
    double seconds = 0;
    uint64_t seed = 0;
    bool seeded = false;
    unsigned timeout = 20;
    size_t maxLength = 1 << 20;
    std::string prefix;
    std::vector<std::filesystem::path> paths;
    for (int i = 1; i < argc; ++i) {
        const std::string a = argv[i];
        auto value = [&](const char* name) { return a.substr(std::strlen(name)); };
        if (a.rfind("-seconds=", 0) == 0 || a.rfind("-max_total_time=", 0) == 0)
            seconds = std::stod(a.substr(a.find('=') + 1));
        else if (a.rfind("-seed=", 0) == 0) {
            seed = std::stoull(value("-seed="));
            seeded = true;
        } else if (a.rfind("-timeout=", 0) == 0)
            timeout = unsigned(std::stoul(value("-timeout=")));
        else if (a.rfind("-max_len=", 0) == 0)
            maxLength = std::stoul(value("-max_len="));
        else if (a.rfind("-artifact_prefix=", 0) == 0)
            prefix = value("-artifact_prefix=");
        else if (!a.empty() && a[0] == '-')
            std::cerr << "fuzz: ignored option " << a << "\n";
        else
            paths.emplace_back(a);
    }
    gArtifact = prefix + "crash-input";
    std::signal(SIGSEGV, onFatalSignal);
    std::signal(SIGABRT, onFatalSignal);
    std::signal(SIGBUS, onFatalSignal);
    std::signal(SIGFPE, onFatalSignal);
    std::signal(SIGALRM, onTimeout);
#if defined(__SANITIZE_ADDRESS__)
    __sanitizer_set_death_callback(saveCurrent);
#endif

    std::vector<Input> corpus;
    for (const auto& p : paths) {
        std::error_code ec;
        if (std::filesystem::is_directory(p, ec)) {
            std::vector<std::filesystem::path> files;
            for (const auto& e : std::filesystem::recursive_directory_iterator(p))
                if (e.is_regular_file())
                    files.push_back(e.path());
            std::sort(files.begin(), files.end());
            for (const auto& f : files)
                corpus.push_back(readFile(f));
        } else if (std::filesystem::is_regular_file(p, ec)) {
            corpus.push_back(readFile(p));
        } else {
            std::cerr << "fuzz: no such file or folder: " << p << "\n";
            return 2;
        }
    }
    if (corpus.empty())
        corpus.emplace_back();

    auto runOne = [&](const Input& input) {
        gCurrent = &input;
        alarm(timeout);
        LLVMFuzzerTestOneInput(input.data(), input.size());
        alarm(0);
        gCurrent = nullptr;
    };
    for (const Input& input : corpus)
        runOne(input);
    size_t runs = corpus.size();

    if (!seeded)
        seed = uint64_t(std::chrono::steady_clock::now().time_since_epoch().count());
    std::mt19937_64 rng(seed);
    const auto start = std::chrono::steady_clock::now();
    const auto until = start + std::chrono::duration<double>(seconds);
    while (seconds > 0 && std::chrono::steady_clock::now() < until) {
        Input input = corpus[size_t(rng() % corpus.size())];
        mutate(input, corpus, rng, maxLength);
        runOne(input);
        ++runs;
    }
    std::cout << "fuzz: " << runs << " runs (" << corpus.size() << " from the corpus), seed " << seed << ", "
              << std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count() << " s\n";
    return 0;
}
