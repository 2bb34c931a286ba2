#include "tools/mkedition/music/notetokens.h"

#include <cctype>

#include "tools/mkedition/music/song.h"

namespace {

// Digits only, at most three of them (every number here is below 1000).
bool smallNumber(const std::string& text, size_t from, int& value) {
    if (from >= text.size() || text.size() - from > 3) return false;
    value = 0;
    for (size_t i = from; i < text.size(); ++i) {
        if (!std::isdigit(static_cast<unsigned char>(text[i]))) return false;
        value = value * 10 + (text[i] - '0');
    }
    return true;
}

}  // namespace

bool ParsePitchName(const std::string& name, int& pitch) {
    static const int kLetterSemitones[] = {9, 11, 0, 2, 4, 5, 7};  // A B C D E F G
    if (name.empty() || name[0] < 'A' || name[0] > 'G') return false;
    int semitone = kLetterSemitones[name[0] - 'A'];
    size_t at = 1;
    if (at < name.size() && (name[at] == '#' || name[at] == 'b'))
        semitone += name[at++] == '#' ? 1 : -1;
    const bool below = at < name.size() && name[at] == '-';
    int octave = 0;
    if (!smallNumber(name, below ? at + 1 : at, octave) || octave > 9 || (below && octave != 1))
        return false;
    pitch = 12 * ((below ? -octave : octave) + 1) + semitone;
    return pitch >= 0 && pitch <= 127;
}

bool ParseDurationCode(const std::string& code, uint32_t& ticks) {
    if (code.empty() || code.size() > 2) return false;
    const size_t halvings = std::string("whqes").find(code[0]);
    if (halvings == std::string::npos) return false;
    const uint32_t base = songtime::kTicksPerWhole >> halvings;
    if (code.size() == 1) {
        ticks = base;
    } else if (code[1] == '.') {
        ticks = base + base / 2;
    } else if (code[1] == '3') {
        ticks = base * 2 / 3;
    } else {
        return false;
    }
    return true;
}

bool ParseDynamicMark(const std::string& word, int& velocity) {
    static const struct {
        const char* mark;
        int velocity;
    } kMarks[] = {{"ppp", 16}, {"pp", 32}, {"p", 48},   {"mp", 64},
                  {"mf", 80},  {"f", 96},  {"ff", 112}, {"fff", 127}};
    for (const auto& entry : kMarks) {
        if (word == entry.mark) {
            velocity = entry.velocity;
            return true;
        }
    }
    int value = 0;
    if (word.size() < 2 || word[0] != 'v' || !smallNumber(word, 1, value)) return false;
    velocity = value;
    return value >= 1 && value <= 127;
}
