// A fixture for the screens' tests: a sandbox for the preference key, the user's data and the
// instance lock, every process-wide state reset, message boxes recorded (and answered OK), the
// shell as the content host, and the start-up checks run on the configured offscreen screen with
// a machine that passes them, the data read from a folder of the test's own, and the MIDI
// players kept silent. The content store is released afterwards.
#pragma once

#include <gtest/gtest.h>

#include <QTemporaryDir>
#include <string>
#include <vector>

#include "app/shellhost.h"
#include "tests/support/editions.h"

class ScreenTest : public ::testing::Test {
  protected:
    void SetUp() override;
    void TearDown() override;

    // Creates the preference key holding the given bits.
    void writeStateBits(uint32_t bits);

    std::vector<std::string> boxes;  // the texts shown
    DataDirectory data;              // DataDir

  private:
    QTemporaryDir runtime_;
    QTemporaryDir config_;
    QTemporaryDir userData_;
    QTemporaryDir cache_;
    ShellHost host_;
};
