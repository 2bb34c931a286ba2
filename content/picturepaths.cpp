#include "content/picturepaths.h"

std::string NativePicturePath(const std::string& root, const std::string& relative) {
    std::string path = root + relative;
    for (size_t i = root.size(); i < path.size(); ++i) {
        if (path[i] == '\\') path[i] = '/';
    }
    return path;
}

std::string BarePictureName(const std::string& relative) {
    return relative.substr(relative.rfind('\\') + 1);
}
