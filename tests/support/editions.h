// Editions for tests, built with mkedition's own builder and writer.
#pragma once

#include <QTemporaryDir>
#include <cstdint>
#include <string>
#include <vector>

#include "tools/mkedition/btabimage.h"
#include "tools/mkedition/editionsource.h"
#include "tools/mkedition/simpleedition.h"
#include "tools/mkedition/tablebuilder.h"

// Builds the tables; fails the current test when the source does not build.
BuiltEdition Build(const EditionSource& source);

// A temporary data directory (path ends with '/').
class DataDirectory {
  public:
    DataDirectory();
    std::string path() const;
    void write(const std::string& name, const std::vector<uint8_t>& bytes) const;
    void write(const std::string& name, const std::string& text) const;
    void writeTable(const BTabImage& image) const { write("BTab.dat", WriteBTab(image)); }

  private:
    QTemporaryDir dir_;
};

// Loads a built image into the content store through LoadContent (link arrays included);
// true on success.
bool LoadImage(const BTabImage& image);
