// CHandle, the owner of a kernel handle: a file opened to be deleted on close shows when the handle
// is closed.
#include <gtest/gtest.h>

#include <type_traits>
#include <utility>

#include "framework/Handle.h"
#include "tests/support/temp_folder.h"

static_assert(!std::is_copy_constructible_v<CHandle> && !std::is_copy_assignable_v<CHandle>);
static_assert(std::is_nothrow_move_constructible_v<CHandle> && std::is_nothrow_move_assignable_v<CHandle>);

TEST(KernelHandle, ClosesExactlyWhatItOwnsOnce) {
    TempFolder folder;
    const std::string a = folder.File("a"), b = folder.File("b");
    const auto open = [](const std::string& path) {
        return CHandle(::CreateFileA(path.c_str(), GENERIC_WRITE, FILE_SHARE_DELETE, nullptr, CREATE_ALWAYS,
                                     FILE_FLAG_DELETE_ON_CLOSE, nullptr));
    };
    {
        CHandle first = open(a);
        ASSERT_TRUE(first);
        CHandle moved(std::move(first));
        EXPECT_FALSE(first) << "the source of a move is empty";
        moved = std::move(moved);
        EXPECT_TRUE(FileExists(a)) << "moving onto itself keeps the handle";
        moved = open(b);
        EXPECT_FALSE(FileExists(a)) << "an assignment closes the handle held before";
        EXPECT_TRUE(FileExists(b));
    }
    EXPECT_FALSE(FileExists(b)) << "the destructor closes";

    EXPECT_FALSE(CHandle(INVALID_HANDLE_VALUE)) << "what CreateFile returns on failure holds nothing";
}
