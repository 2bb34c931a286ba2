// A registry key as a settings file. The key path "SOFTWARE\Maker\Product\1.2" becomes
// <configuration directory>/Maker/Product/1.2.conf; the key exists when the file does. The
// program opens the key but never creates it: installation does.
#pragma once

#include <cstdint>
#include <string>

class PrefStore {
  public:
    explicit PrefStore(const std::string& keyPath);

    // $XDG_CONFIG_HOME, else $HOME/.config.
    static std::string configDirectory();
    std::string filePath() const { return path_; }
    bool keyExists() const;
    // False when the key or the value is missing or unreadable.
    bool readValue(const std::string& name, uint32_t& value) const;
    // False (and nothing stored) when the key does not exist.
    bool writeValue(const std::string& name, uint32_t value) const;

  private:
    std::string path_;
};
