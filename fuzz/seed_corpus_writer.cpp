// Writes the seed inputs of every harness into fuzz/corpus: a few small,
// well-formed examples of each kind of outside data, from which the fuzzer
// mutates. The binary layouts come from the synthetic data the unit tests
// use. Usage: seed_corpus_writer <corpus folder>

#include <cstdint>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <string>
#include <vector>

#include "fakes/source_data.h"
#include "windows/portable/registry_store.h"

namespace {

namespace fs = std::filesystem;
using Bytes = std::vector<std::uint8_t>;

void Write(const fs::path& folder, const std::string& name, const Bytes& bytes) {
    fs::create_directories(folder);
    std::ofstream out(folder / name, std::ios::binary | std::ios::trunc);
    out.write(reinterpret_cast<const char*>(bytes.data()),
              static_cast<std::streamsize>(bytes.size()));
}

void WriteText(const fs::path& folder, const std::string& name, const std::string& text) {
    Write(folder, name, Bytes(text.begin(), text.end()));
}

// A block followed by the byte that chooses the number of processors
// (that byte modulo 64, plus one).
Bytes WithProcessorCount(Bytes block, std::uint8_t processors) {
    block.push_back(static_cast<std::uint8_t>(processors - 1));
    return block;
}

// One stored value as the registry harness reads it: the name's index, the
// type, the length (16 bits, little-endian) and the bytes.
void AddValue(Bytes& values, std::uint8_t name, std::uint32_t type, const Bytes& bytes) {
    values.push_back(name);
    values.push_back(static_cast<std::uint8_t>(type));
    values.push_back(static_cast<std::uint8_t>(bytes.size()));
    values.push_back(static_cast<std::uint8_t>(bytes.size() >> 8));
    values.insert(values.end(), bytes.begin(), bytes.end());
}

Bytes Dword(std::uint32_t value) {
    return {static_cast<std::uint8_t>(value), static_cast<std::uint8_t>(value >> 8),
            static_cast<std::uint8_t>(value >> 16), static_cast<std::uint8_t>(value >> 24)};
}

Bytes Text(const std::string& text) {
    return Bytes(text.begin(), text.end());
}

}  // namespace

int main(int argc, char** argv) {
    using namespace ostrel;
    if (argc != 2) {
        std::fprintf(stderr, "usage: %s <corpus folder>\n", argv[0]);
        return 2;
    }
    const fs::path corpus = argv[1];

    const fs::path perf = corpus / "performance_data";
    Write(perf, "four_processors",
          WithProcessorCount(fake::ProcessorBlock({1000, 2000, 3000, 4000}).bytes, 4));
    fake::PerfObject processor;
    processor.counters = {142, 144, 6};
    processor.instances = {{"_Total", 7}, {"11", 1100}, {"x1", 8},  {"0", 5},   {"10", 1000},
                           {"1", 100},    {"2", 200},   {"3", 300}, {"4", 400}, {"6", 600},
                           {"7", 700},    {"8", 800},   {"9", 900}};
    fake::PerfObject system;
    system.titleIndex = 2;
    system.withoutInstances = true;
    Write(
        perf, "twelve_processors_out_of_order",
        WithProcessorCount(
            fake::BuildPerfBlock({system, processor}, {.year = 2009, .month = 2, .day = 28}).bytes,
            12));
    Write(perf, "two_of_sixty_four", WithProcessorCount(fake::ProcessorBlock({5, 6}).bytes, 64));

    const fs::path table = corpus / "interface_table";
    Write(table, "no_interfaces", fake::InterfaceTable({}));
    Write(table, "one_interface", fake::InterfaceTable({{123456, 654321}}));
    Write(table, "three_interfaces",
          fake::InterfaceTable({{1, 2}, {0x7FFFFFFF, 0x80000000}, {0xFFFFFFFF, 0}}));

    const fs::path line = corpus / "command_line";
    WriteText(line, "saver", "\"C:\\WINDOWS\\system32\\ostrel.scr\" /s");
    WriteText(line, "preview", "C:\\WINDOWS\\system32\\ostrel.scr /p 1180330");
    WriteText(line, "options_with_handle", "/c:66098");
    WriteText(line, "password", "/a 459234");

    const fs::path number = corpus / "number_reader";
    WriteText(number, "decimal", "  -12.75E+2 ");
    WriteText(number, "hexadecimal", "&HFFFF");
    WriteText(number, "octal", "&o177");
    WriteText(number, "exponent_d", "1.5d-3x");
    WriteText(number, "blanks_inside", "1 2\t3\n4");

    const fs::path registry = corpus / "registry_values";
    // Indexes into the harness's names: FontName, FontSize, FontColour,
    // BgColour, FontSettings, DisplayItems, Options, Descr, MoveOption,
    // MoveEBRandom, TimeFormat.
    Bytes saved;
    AddValue(saved, 0, ostrel::win32::kRegSz, Text("Tahoma"));
    AddValue(saved, 1, ostrel::win32::kRegDword, Dword(12));
    AddValue(saved, 2, ostrel::win32::kRegDword, Dword(0x00FFFFFF));
    AddValue(saved, 3, ostrel::win32::kRegDword, Dword(0x00402010));
    AddValue(saved, 4, ostrel::win32::kRegDword, Dword(5));
    AddValue(saved, 5, ostrel::win32::kRegDword, Dword(1151));
    AddValue(saved, 6, ostrel::win32::kRegDword, Dword(1));
    AddValue(saved, 7, ostrel::win32::kRegSz, Text("Build server"));
    AddValue(saved, 8, ostrel::win32::kRegDword, Dword(3));
    AddValue(saved, 9, ostrel::win32::kRegDword, Dword(7));
    AddValue(saved, 10, ostrel::win32::kRegDword, Dword(1));
    Write(registry, "saved_settings", saved);
    Bytes odd;
    AddValue(odd, 0, ostrel::win32::kRegDword, Dword(42));
    AddValue(odd, 1, ostrel::win32::kRegSz, {'1', '2', 0});
    AddValue(odd, 2, ostrel::win32::kRegDword, {0x34, 0x12});
    AddValue(odd, 5, 3 /* binary */, Dword(0xFFFFFFFF));
    AddValue(odd, 7, ostrel::win32::kRegSz, {});
    AddValue(odd, 8, ostrel::win32::kRegDword, {});
    Write(registry, "odd_types_and_sizes", odd);
    Bytes wide;
    AddValue(wide, 0, ostrel::win32::kRegSz, Bytes(1100, 'A'));
    AddValue(wide, 1, ostrel::win32::kRegDword, Dword(40000));
    AddValue(wide, 10, ostrel::win32::kRegDword, Dword(256));
    Write(registry, "too_wide", wide);
    return 0;
}
