#include "platform/audiodevices.h"

#include <QDir>
#include <QFileInfo>
#include <QString>
#include <cstdlib>

namespace {

bool variableSet(const char* name) {
    const char* value = std::getenv(name);
    return value && *value;
}

bool inRuntimeFolder(const char* socket) {
    const char* folder = std::getenv("XDG_RUNTIME_DIR");
    return folder && *folder && QFileInfo::exists(QDir(QFile::decodeName(folder)).filePath(socket));
}

bool soundCardPresent() {
    return !QDir(QStringLiteral("/dev/snd"))
                .entryList({QStringLiteral("pcmC*p")}, QDir::System)
                .isEmpty();
}

}  // namespace

bool AudioDriverMayWork(const std::string& driver) {
    if (driver == "pulseaudio")
        return variableSet("PULSE_SERVER") || inRuntimeFolder("pulse/native") ||
               QFileInfo::exists(QStringLiteral("/var/run/pulse/native"));
    if (driver == "pipewire")
        return variableSet("PIPEWIRE_REMOTE") || inRuntimeFolder("pipewire-0");
    if (driver == "alsa") return soundCardPresent();
    return true;
}
