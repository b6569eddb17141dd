#include "module_file.h"

#include "input_file.h"

#include <cstdint>
#include <stdexcept>
#include <string>

namespace host {

namespace {

// The largest module file read: a gauge module is a few megabytes at most, with debugging information.
constexpr std::size_t MODULE_FILE_LIMIT = std::size_t{512} << 20;

class Bytes {
public:
    Bytes(const std::filesystem::path& file, const std::string& bytes) : file_(file.string()), bytes_(bytes) {}

    [[noreturn]] void fail(const std::string& problem) const
    {
        throw std::runtime_error(file_ + ": cannot load module (" + problem + ")");
    }

    std::size_t size() const { return bytes_.size(); }

    // `count` items of `size` bytes at `at` must lie inside the file.
    void need(uint64_t at, uint64_t size, uint64_t count, const std::string& what) const
    {
        if (size != 0 && count > (UINT64_MAX - at) / size) fail("cut short: " + what + " lies beyond any file");
        const uint64_t end = at + size * count;
        if (at > bytes_.size() || end > bytes_.size())
            fail("cut short: " + what + " ends at byte " + std::to_string(end) + ", the file has " +
                 std::to_string(bytes_.size()));
    }

    uint64_t u(uint64_t at, int width) const
    {
        need(at, static_cast<uint64_t>(width), 1, "a header");
        uint64_t v = 0;
        for (int i = width - 1; i >= 0; --i) v = v << 8 | static_cast<uint8_t>(bytes_[at + static_cast<uint64_t>(i)]);
        return v;
    }

private:
    std::string file_;
    const std::string& bytes_;
};

// ELF: the program headers say what the loader maps, the section headers what the linker wrote.
void check_elf(const Bytes& b)
{
    constexpr unsigned ET_DYN = 3, SHT_NOBITS = 8;
    const unsigned elf_class = static_cast<unsigned>(b.u(4, 1));
    if (elf_class != 1 && elf_class != 2) b.fail("unknown ELF class " + std::to_string(elf_class));
    if (b.u(5, 1) != 1) b.fail("not a little-endian ELF file");
    const bool wide = elf_class == 2;
    const int word = wide ? 8 : 4;
    if (b.u(16, 2) != ET_DYN) b.fail("an ELF file, but no shared object");
    const uint64_t phoff = b.u(wide ? 32 : 28, word);
    const uint64_t shoff = b.u(wide ? 40 : 32, word);
    const uint64_t phentsize = b.u(wide ? 54 : 42, 2), phnum = b.u(wide ? 56 : 44, 2);
    const uint64_t shentsize = b.u(wide ? 58 : 46, 2), shnum = b.u(wide ? 60 : 48, 2);
    if (phnum == 0) b.fail("no program headers");
    if (phentsize < (wide ? 56u : 32u)) b.fail("program headers of " + std::to_string(phentsize) + " bytes");
    b.need(phoff, phentsize, phnum, "the program header table");
    for (uint64_t i = 0; i < phnum; ++i) {
        const uint64_t at = phoff + i * phentsize;
        const uint64_t offset = b.u(at + (wide ? 8 : 4), word);
        const uint64_t filesz = b.u(at + (wide ? 32 : 16), word);
        b.need(offset, filesz, 1, "segment " + std::to_string(i));
    }
    if (shoff == 0) return;
    if (shentsize < (wide ? 64u : 40u)) b.fail("section headers of " + std::to_string(shentsize) + " bytes");
    b.need(shoff, shentsize, shnum, "the section header table");
    for (uint64_t i = 0; i < shnum; ++i) {
        const uint64_t at = shoff + i * shentsize;
        if (b.u(at + 4, 4) == SHT_NOBITS) continue;
        const uint64_t offset = b.u(at + (wide ? 24 : 16), word);
        const uint64_t size = b.u(at + (wide ? 32 : 20), word);
        b.need(offset, size, 1, "section " + std::to_string(i));
    }
}

// PE: the COFF header, the optional header and the section table, and every section's raw data.
void check_pe(const Bytes& b)
{
    constexpr uint64_t IMAGE_FILE_DLL = 0x2000;
    const uint64_t pe = b.u(0x3C, 4);
    b.need(pe, 24, 1, "the PE header");
    if (b.u(pe, 4) != 0x4550) b.fail("an MZ file without a PE header");
    const uint64_t sections = b.u(pe + 6, 2), optional_size = b.u(pe + 20, 2);
    if (!(b.u(pe + 22, 2) & IMAGE_FILE_DLL)) b.fail("a program, not a DLL");
    b.need(pe + 24, optional_size, 1, "the optional header");
    const uint64_t table = pe + 24 + optional_size;
    b.need(table, 40, sections, "the section table");
    for (uint64_t i = 0; i < sections; ++i) {
        const uint64_t at = table + i * 40;
        const uint64_t raw_size = b.u(at + 16, 4), raw_at = b.u(at + 20, 4);
        if (raw_size) b.need(raw_at, raw_size, 1, "section " + std::to_string(i));
    }
}

} // namespace

void check_module_file(const std::filesystem::path& file)
{
    std::string bytes;
    try {
        bytes = read_input_file(file, "module", MODULE_FILE_LIMIT);
    } catch (const InputFileError& e) {
        throw std::runtime_error(e.what());
    }
    const Bytes b(file, bytes);
    // Either form is looked over here; one of the other platform is then refused by the loader.
    if (bytes.rfind("\x7f" "ELF", 0) == 0) check_elf(b);
    else if (bytes.rfind("MZ", 0) == 0) check_pe(b);
    else b.fail("neither a shared object nor a DLL");
}

} // namespace host
