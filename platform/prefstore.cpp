#include "platform/prefstore.h"

#include <QFileInfo>
#include <QSettings>
#include <cstdlib>

namespace {

std::string fileForKey(const std::string& keyPath) {
    std::string relative = keyPath;
    const std::string software = "SOFTWARE\\";
    if (relative.compare(0, software.size(), software) == 0) relative.erase(0, software.size());
    for (char& c : relative) {
        if (c == '\\') c = '/';
    }
    return PrefStore::configDirectory() + "/" + relative + ".conf";
}

}  // namespace

PrefStore::PrefStore(const std::string& keyPath) : path_(fileForKey(keyPath)) {}

std::string PrefStore::configDirectory() {
    const char* config = std::getenv("XDG_CONFIG_HOME");
    if (config && *config) return config;
    const char* home = std::getenv("HOME");
    return std::string(home ? home : "") + "/.config";
}

bool PrefStore::keyExists() const {
    const QFileInfo info(QString::fromStdString(path_));
    return info.isFile() && info.isReadable();
}

bool PrefStore::readValue(const std::string& name, uint32_t& value) const {
    if (!keyExists()) return false;
    QSettings settings(QString::fromStdString(path_), QSettings::IniFormat);
    if (settings.status() != QSettings::NoError) return false;
    const QVariant stored = settings.value(QString::fromStdString(name));
    bool ok = false;
    const uint number = stored.toUInt(&ok);
    if (!stored.isValid() || !ok) return false;
    value = number;
    return true;
}

bool PrefStore::writeValue(const std::string& name, uint32_t value) const {
    if (!keyExists()) return false;
    QSettings settings(QString::fromStdString(path_), QSettings::IniFormat);
    settings.setValue(QString::fromStdString(name), value);
    settings.sync();
    return settings.status() == QSettings::NoError;
}
