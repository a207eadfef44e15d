#include "tests/store/ordinaryuser.h"

#include <cstdio>
#include <filesystem>
#include <system_error>

#include <gtest/gtest.h>

#include <grp.h>
#include <pwd.h>
#include <sys/wait.h>
#include <unistd.h>

namespace fs = std::filesystem;

namespace {

const passwd* TestUser()
{
    return ::getpwnam(OrdinaryTestUser);
}

void GiveTo(const fs::path& folder, uid_t uid, gid_t gid)
{
    std::error_code ignored;
    (void)::lchown(folder.c_str(), uid, gid);
    for (const auto& entry : fs::recursive_directory_iterator(folder, ignored))
        (void)::lchown(entry.path().c_str(), uid, gid);
}

}  // namespace

bool OrdinaryUserAvailable()
{
    return !RunningAsRoot() || TestUser() != nullptr;
}

void AsOrdinaryUser(const TempFolder& folder, const std::function<void()>& body)
{
    if (!RunningAsRoot()) {
        body();
        return;
    }
    const passwd* user = TestUser();
    ASSERT_NE(user, nullptr) << "no user " << OrdinaryTestUser;
    GiveTo(folder.Path(), user->pw_uid, user->pw_gid);
    std::fflush(nullptr);
    const pid_t child = ::fork();
    ASSERT_GE(child, 0);
    if (child == 0) {
        if (::setgroups(0, nullptr) != 0 || ::setgid(user->pw_gid) != 0 || ::setuid(user->pw_uid) != 0)
            ::_exit(2);
        body();
        std::fflush(nullptr);
        ::_exit(::testing::Test::HasFailure() ? 1 : 0);
    }
    int status = 0;
    ASSERT_EQ(::waitpid(child, &status, 0), child);
    EXPECT_TRUE(WIFEXITED(status) && WEXITSTATUS(status) == 0) << "the part run as " << OrdinaryTestUser << " failed";
}
