// A shell for GUI tests of the start and exit windows: temporary configuration and runtime
// folders, the start-up checks run on the configured offscreen screen, message boxes and the
// content host answered by the test, and a data folder.
#pragma once

#include <gtest/gtest.h>

#include <QTemporaryDir>
#include <string>
#include <vector>

#include "app/shellhost.h"
#include "tests/support/editions.h"

class ShellTest : public ::testing::Test {
protected:
    void SetUp() override;
    void TearDown() override;
    // Creates the preference key holding the given bits.
    void writeStateBits(uint32_t bits);

    std::vector<std::string> boxes;
    DataDirectory data;

private:
    QTemporaryDir runtime_;
    QTemporaryDir config_;
    ShellHost host_;
};
