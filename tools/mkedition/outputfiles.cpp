#include "tools/mkedition/outputfiles.h"

#include <cstdio>
#include <fstream>
#include <iterator>
#include <sstream>

bool ReadFileBytes(const std::string& path, std::vector<uint8_t>& bytes) {
    std::ifstream in(path, std::ios::binary);
    if (!in) return false;
    bytes.assign(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
    return true;
}

bool WriteIfChanged(const std::string& path, const std::vector<uint8_t>& bytes) {
    std::vector<uint8_t> old;
    if (ReadFileBytes(path, old) && old == bytes) return true;
    const std::string temporary = path + ".new";
    {
        std::ofstream out(temporary, std::ios::binary | std::ios::trunc);
        out.write(reinterpret_cast<const char*>(bytes.data()),
                  static_cast<std::streamsize>(bytes.size()));
        if (!out) return false;
    }
    return std::rename(temporary.c_str(), path.c_str()) == 0;
}

bool WriteIfChanged(const std::string& path, const std::string& text) {
    return WriteIfChanged(path, std::vector<uint8_t>(text.begin(), text.end()));
}

bool MirrorOptionalFile(const std::string& source, const std::string& target) {
    std::vector<uint8_t> bytes;
    if (!ReadFileBytes(source, bytes)) {
        std::remove(target.c_str());
        return true;
    }
    return WriteIfChanged(target, bytes);
}

std::string TourTableSource(const std::vector<int16_t>& tour) {
    std::ostringstream out;
    out << "// Made by mkedition from the edition's coast order. Do not edit.\n"
        << "#include \"edition/editiontour.h\"\n\n"
        << "TourTable EditionTourTable() {\n"
        << "    TourTable table;\n";
    if (!tour.empty()) {
        out << "    static const int16_t stops[] = {";
        for (size_t i = 0; i < tour.size(); ++i)
            out << (i % 12 == 0 ? "\n        " : " ") << tour[i] << ",";
        out << "\n    };\n"
            << "    for (int16_t stop : stops) table.places[table.count++] = stop;\n";
    }
    out << "    return table;\n}\n";
    return out.str();
}
