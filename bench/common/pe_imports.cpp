#include "pe_imports.h"

#include <algorithm>

namespace vardek::bench {
namespace {

// Little-endian reads that fail instead of running past the end of the file.
class Reader {
public:
    explicit Reader(const std::vector<std::uint8_t>& bytes) : bytes_(bytes) {}

    std::optional<std::uint32_t> U32(std::size_t at) const { return Read(at, 4); }
    std::optional<std::uint32_t> U16(std::size_t at) const { return Read(at, 2); }

    std::optional<std::string> CString(std::size_t at) const
    {
        std::string text;
        for (std::size_t i = at; i < bytes_.size(); ++i) {
            if (bytes_[i] == 0) {
                return text;
            }
            text.push_back(static_cast<char>(bytes_[i]));
        }
        return std::nullopt;
    }

private:
    std::optional<std::uint32_t> Read(std::size_t at, std::size_t width) const
    {
        if (at > bytes_.size() || bytes_.size() - at < width) {
            return std::nullopt;
        }
        std::uint32_t value = 0;
        for (std::size_t i = 0; i < width; ++i) {
            value |= static_cast<std::uint32_t>(bytes_[at + i]) << (8 * i);
        }
        return value;
    }

    const std::vector<std::uint8_t>& bytes_;
};

struct Section {
    std::uint32_t virtualAddress;
    std::uint32_t virtualSize;
    std::uint32_t rawOffset;
    std::uint32_t rawSize;
};

// The file offset of a relative virtual address, through the section that holds it.
std::optional<std::size_t> FileOffset(const std::vector<Section>& sections, std::uint32_t rva)
{
    for (const Section& s : sections) {
        const std::uint32_t size = std::max(s.virtualSize, s.rawSize);
        if (rva >= s.virtualAddress && rva - s.virtualAddress < size) {
            return std::size_t{s.rawOffset} + (rva - s.virtualAddress);
        }
    }
    return std::nullopt;
}

constexpr std::uint32_t kPeSignature = 0x00004550;  // "PE\0\0"
constexpr std::uint32_t kPe32PlusMagic = 0x20B;
constexpr std::size_t kImportDirectoryIndex = 1;
constexpr std::size_t kDescriptorSize = 20;
// A damaged table must not keep the reader going: no real program imports this many DLLs.
constexpr std::size_t kMaxDescriptors = 1024;

}  // namespace

std::optional<std::vector<std::string>> ImportedDlls(const std::vector<std::uint8_t>& image)
{
    const Reader r(image);
    const auto headerAt = r.U32(0x3C);
    if (r.U16(0) != 0x5A4D || !headerAt || r.U32(*headerAt) != kPeSignature) {
        return std::nullopt;
    }
    const std::size_t fileHeader = *headerAt + 4;
    const auto sectionCount = r.U16(fileHeader + 2);
    const auto optionalSize = r.U16(fileHeader + 16);
    const std::size_t optional = fileHeader + 20;
    if (!sectionCount || !optionalSize || r.U16(optional) != kPe32PlusMagic) {
        return std::nullopt;
    }
    const auto directoryCount = r.U32(optional + 108);
    if (!directoryCount || *directoryCount <= kImportDirectoryIndex) {
        return std::nullopt;
    }
    const auto importRva = r.U32(optional + 112 + 8 * kImportDirectoryIndex);
    if (!importRva) {
        return std::nullopt;
    }

    std::vector<Section> sections;
    const std::size_t table = optional + *optionalSize;
    for (std::uint32_t i = 0; i < *sectionCount; ++i) {
        const std::size_t at = table + 40 * std::size_t{i};
        const auto va = r.U32(at + 12), vsize = r.U32(at + 8), raw = r.U32(at + 20), rawSize = r.U32(at + 16);
        if (!va || !vsize || !raw || !rawSize) {
            return std::nullopt;
        }
        sections.push_back({*va, *vsize, *raw, *rawSize});
    }

    std::vector<std::string> dlls;
    if (*importRva == 0) {
        return dlls;
    }
    const auto first = FileOffset(sections, *importRva);
    if (!first) {
        return std::nullopt;
    }
    for (std::size_t i = 0; i < kMaxDescriptors; ++i) {
        const std::size_t at = *first + i * kDescriptorSize;
        const auto nameRva = r.U32(at + 12);
        const auto thunks = r.U32(at + 16);
        if (!nameRva || !thunks) {
            return std::nullopt;
        }
        if (*nameRva == 0 && *thunks == 0) {
            return dlls;  // the all-zero descriptor ends the table
        }
        const auto nameAt = FileOffset(sections, *nameRva);
        const auto name = nameAt ? r.CString(*nameAt) : std::nullopt;
        if (!name) {
            return std::nullopt;
        }
        dlls.push_back(*name);
    }
    return std::nullopt;
}

}  // namespace vardek::bench
