// A screen that records the keys passed to its key-preview handlers, standing in for the explore
// screen or the slideshow window.
#pragma once

#include <QKeyEvent>
#include <QWidget>
#include <vector>

#include "app/keypreview.h"

class RecordingKeyScreen : public QWidget, public KeyPreviewScreen {
  public:
    bool FormKeyDown(QKeyEvent* event) override {
        downs.push_back(event->key());
        return true;
    }
    bool FormKeyUp(QKeyEvent* event) override {
        ups.push_back(event->key());
        return true;
    }
    std::vector<int> downs;
    std::vector<int> ups;
};
