#include <gtest/gtest.h>

#include "sevenzip/ItemPath.h"

TEST(ItemPath, RelativePathsInsideTheFolderPass)
{
    for (const wchar_t* path : {L"a.txt", L"a\\b\\c.txt", L"a/b/c.txt", L"中文\\塔维欧.txt", L".hidden",
                                L"a..b\\c", L"dir.\\x", L"a\\\\b"})
        EXPECT_TRUE(IsContainedItemPath(path)) << path;
}

TEST(ItemPath, ClimbingOrAbsolutePathsAreRefused)
{
    for (const wchar_t* path : {L"", L"..\\x", L"a\\..\\..\\x", L"a/../x", L"..", L"\\x", L"/x",
                                L"C:\\x", L"C:x", L"a\\b:stream", L"\\\\server\\share\\x", L"a\\...\\x",
                                L"a\\.. \\x", L".\\x"})
        EXPECT_FALSE(IsContainedItemPath(path)) << path;
}
