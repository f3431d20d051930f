#include <gtest/gtest.h>

#include "TestSupport.h"
#include "framework/Exception.h"
#include "framework/FileSystem.h"
#include "framework/Resources.h"
#include "framework/SystemError.h"

namespace {
std::span<const std::byte> Bytes(std::string_view text) { return std::as_bytes(std::span(text)); }
} // namespace

TEST(CreateFolderTree, MakesEveryMissingLevel)
{
    TempFolder temp;
    const std::string deep = temp.Path() + "一\\二\\三";
    EXPECT_TRUE(CreateFolderTree(deep + "\\"));
    EXPECT_TRUE(DirectoryExists(deep));
    EXPECT_TRUE(CreateFolderTree(deep)); // already there
    EXPECT_TRUE(CreateFolderTree("C:\\"));
}

TEST(CreateFolderTree, FailsWithTheSystemErrorWhenAFileIsInTheWay)
{
    TempFolder temp;
    WriteFileBytes(temp.Path() + "file", Bytes("x"));
    SetLastError(0);
    EXPECT_FALSE(CreateFolderTree(temp.Path() + "file\\sub\\"));
    EXPECT_NE(GetLastError(), 0u);
    EXPECT_FALSE(DirectoryExists(temp.Path() + "file\\sub"));
    EXPECT_FALSE(CreateFolderTree(temp.Path() + "bad<name>|\\"));
    EXPECT_NE(GetLastError(), 0u);
}

TEST(WriteFileBytes, ReplacesTheWholeFile)
{
    TempFolder temp;
    const std::string file = temp.Path() + "out.bin";
    WriteFileBytes(file, Bytes("a much longer first content"));
    WriteFileBytes(file, Bytes("short"));
    EXPECT_EQ(ReadFileText(file), "short");
    WriteFileBytes(file, {});
    EXPECT_EQ(ReadFileText(file), "");
}

TEST(WriteFileBytes, RaisesTheSystemTextWhenTheFileCannotBeMade)
{
    TempFolder temp;
    const std::string path = temp.Path() + "missing\\out.bin";
    try {
        WriteFileBytes(path, Bytes("x"));
        FAIL() << "no exception";
    } catch (const Exception& e) {
        EXPECT_EQ(e.Message(), "Cannot open file \"" + path + "\". " + SystemErrorText(ERROR_PATH_NOT_FOUND));
    }
}

TEST(SystemErrorText, IsTheSystemsSentenceWithoutLineBreak)
{
    const std::string text = SystemErrorText(ERROR_FILE_NOT_FOUND);
    EXPECT_FALSE(text.empty());
    EXPECT_NE(text.back(), '\n');
    EXPECT_NE(text.back(), '\r');
    EXPECT_NE(SystemErrorText(ERROR_ACCESS_DENIED), text);
}

TEST(RawResource, MissingResourceRaises)
{
    EXPECT_THROW(RawResource(GetModuleHandleW(nullptr), "NOPE"), Exception);
}
