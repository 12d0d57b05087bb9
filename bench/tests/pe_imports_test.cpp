#include "../common/pe_imports.h"

#include <gtest/gtest.h>

#include <cstring>

namespace vardek::bench {
namespace {

// A minimal PE32+ image: one section at RVA 0x1000 (file offset 0x200) holding an import table
// of two DLLs, their names at RVA 0x1100 and 0x1110.
class Image {
public:
    Image() : bytes_(0x400, 0)
    {
        Put16(0, 0x5A4D);            // "MZ"
        Put32(0x3C, 0x40);           // e_lfanew
        Put32(0x40, 0x00004550);     // "PE\0\0"
        Put16(0x44, 0x8664);         // machine
        Put16(0x46, 1);              // one section
        Put16(0x54, 0xF0);           // optional header size
        Put16(kOptional, 0x20B);     // PE32+
        Put32(kOptional + 108, 16);  // data directories
        SetImportRva(0x1000);
        const std::size_t section = kOptional + 0xF0;
        Put32(section + 8, 0x200);    // virtual size
        Put32(section + 12, 0x1000);  // virtual address
        Put32(section + 16, 0x200);   // raw size
        Put32(section + 20, 0x200);   // raw offset
        Descriptor(0, 0x1100);
        Descriptor(1, 0x1110);
        Name(0x300, "KERNEL32.dll");
        Name(0x310, "USER32.dll");
    }

    void SetImportRva(std::uint32_t rva) { Put32(kOptional + 120, rva); }
    void Put16(std::size_t at, std::uint16_t v) { std::memcpy(&bytes_[at], &v, 2); }
    void Put32(std::size_t at, std::uint32_t v) { std::memcpy(&bytes_[at], &v, 4); }
    void Descriptor(std::size_t index, std::uint32_t nameRva)
    {
        Put32(0x200 + 20 * index + 12, nameRva);
        Put32(0x200 + 20 * index + 16, 0x1180);
    }
    void Name(std::size_t at, const char* text) { std::memcpy(&bytes_[at], text, std::strlen(text) + 1); }
    std::vector<std::uint8_t>& Bytes() { return bytes_; }

private:
    static constexpr std::size_t kOptional = 0x58;
    std::vector<std::uint8_t> bytes_;
};

TEST(ImportedDlls, TwoDescriptors_NamesInTableOrder)
{
    Image image;
    const auto dlls = ImportedDlls(image.Bytes());
    ASSERT_TRUE(dlls.has_value());
    EXPECT_EQ(*dlls, (std::vector<std::string>{"KERNEL32.dll", "USER32.dll"}));
}

TEST(ImportedDlls, NoImportDirectory_IsEmptyList)
{
    Image image;
    image.SetImportRva(0);
    const auto dlls = ImportedDlls(image.Bytes());
    ASSERT_TRUE(dlls.has_value());
    EXPECT_TRUE(dlls->empty());
}

TEST(ImportedDlls, NotAnImage_IsNothing)
{
    Image image;
    image.Put16(0, 0x0000);
    EXPECT_FALSE(ImportedDlls(image.Bytes()).has_value());
    EXPECT_FALSE(ImportedDlls({}).has_value());
}

TEST(ImportedDlls, Pe32Image_IsNothing)
{
    Image image;
    image.Put16(0x58, 0x10B);
    EXPECT_FALSE(ImportedDlls(image.Bytes()).has_value());
}

TEST(ImportedDlls, NameCutOffByEndOfFile_IsNothing)
{
    Image image;
    image.Bytes().resize(0x315);  // in the middle of "USER32.dll"
    EXPECT_FALSE(ImportedDlls(image.Bytes()).has_value());
}

TEST(ImportedDlls, NameOutsideEverySection_IsNothing)
{
    Image image;
    image.Descriptor(1, 0x9000);
    EXPECT_FALSE(ImportedDlls(image.Bytes()).has_value());
}

}  // namespace
}  // namespace vardek::bench
