// The single-instance lock: a per-user file even without a runtime directory, never reached
// through a planted link, and only ever a plain file of the user's own.
#include <gtest/gtest.h>
#include <sys/stat.h>
#include <unistd.h>

#include <QTemporaryDir>
#include <cstdlib>
#include <fstream>
#include <optional>
#include <string>

#include "platform/instancelock.h"

namespace {

class InstanceLockTest : public ::testing::Test {
  protected:
    void SetUp() override {
        ASSERT_TRUE(runtime.isValid());
        if (const char* old = std::getenv("XDG_RUNTIME_DIR")) saved = old;
        setenv("XDG_RUNTIME_DIR", runtime.path().toStdString().c_str(), 1);
    }
    void TearDown() override {
        if (saved)
            setenv("XDG_RUNTIME_DIR", saved->c_str(), 1);
        else
            unsetenv("XDG_RUNTIME_DIR");
    }
    std::string inRuntime(const std::string& file) const {
        return runtime.path().toStdString() + "/" + file;
    }

    QTemporaryDir runtime;
    std::optional<std::string> saved;
    const std::string name = "fern-lock-test-" + std::to_string(::getpid());
};

TEST_F(InstanceLockTest, WithoutARuntimeDirectoryEachUserHasTheirOwnFile) {
    unsetenv("XDG_RUNTIME_DIR");
    InstanceLock lock(name);
    const std::string path = lock.path();
    EXPECT_NE(path, "/tmp/" + name + ".lock");  // not one file shared by every user
    EXPECT_NE(path.find(std::to_string(::geteuid())), std::string::npos) << path;
    ASSERT_TRUE(lock.acquire());
    struct stat file {};
    ASSERT_EQ(::stat(path.c_str(), &file), 0);
    EXPECT_TRUE(S_ISREG(file.st_mode));
    EXPECT_EQ(file.st_mode & 0777, 0600u);
    InstanceLock second(name);
    EXPECT_FALSE(second.acquire());
    lock.release();
    ::unlink(path.c_str());
}

TEST_F(InstanceLockTest, PlantedLinksAreNotFollowed) {
    InstanceLock lock(name);
    const std::string target = inRuntime("elsewhere");
    ASSERT_EQ(::symlink(target.c_str(), lock.path().c_str()), 0);
    EXPECT_FALSE(lock.acquire());
    struct stat file {};
    EXPECT_NE(::stat(target.c_str(), &file), 0) << "the link's target was created";

    // Nor through a link to a file that exists.
    std::ofstream(target) << "someone's file";
    EXPECT_FALSE(lock.acquire());
    EXPECT_FALSE(lock.held());
}

TEST_F(InstanceLockTest, OnlyAPlainFileOfTheUsersOwnIsALock) {
    InstanceLock lock(name);
    ASSERT_EQ(::mkfifo(lock.path().c_str(), 0600), 0);
    EXPECT_FALSE(lock.acquire());
    ::unlink(lock.path().c_str());
    ASSERT_EQ(::mkdir(lock.path().c_str(), 0700), 0);
    EXPECT_FALSE(lock.acquire());
    ::rmdir(lock.path().c_str());

    std::ofstream(lock.path()) << "";
    if (::geteuid() == 0) {  // only root can give a file away
        ASSERT_EQ(::chown(lock.path().c_str(), 65534, 65534), 0);
        EXPECT_FALSE(lock.acquire());
        ASSERT_EQ(::chown(lock.path().c_str(), 0, 0), 0);
    }
    EXPECT_TRUE(lock.acquire());
}

}  // namespace
