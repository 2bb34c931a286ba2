// A fixture for the screens' tests: a sandbox for the preference key and the instance lock,
// every process-wide state reset, message boxes recorded (and answered OK), the shell as the
// content host, and the start-up checks run on the configured offscreen screen with a machine
// that passes them. The content store is released afterwards.
#pragma once

#include <gtest/gtest.h>

#include <QTemporaryDir>
#include <string>
#include <vector>

#include "app/shellhost.h"

class ScreenTest : public ::testing::Test {
  protected:
    void SetUp() override;
    void TearDown() override;

    std::vector<std::string> boxes;  // the texts shown

  private:
    QTemporaryDir runtime_;
    QTemporaryDir config_;
    ShellHost host_;
};
