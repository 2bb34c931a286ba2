// Gets the fonts ready on a thread of their own while the program does other things: the
// first text it draws otherwise waits for them. Fontconfig's configuration is read while the
// application object connects to the display; wait() for it before the first use of a font.
// Once the application object exists, ListFamilies() has Qt list the fonts while the title
// window is made; wait() for that before the application object goes.
#pragma once

#include <thread>

class FontConfigWarmUp {
  public:
    FontConfigWarmUp();
    ~FontConfigWarmUp();
    FontConfigWarmUp(const FontConfigWarmUp&) = delete;
    FontConfigWarmUp& operator=(const FontConfigWarmUp&) = delete;

    void wait();
    // After the application object is made and its font substitutions installed.
    void ListFamilies();

  private:
    std::thread reader_;
    std::thread lister_;
};
