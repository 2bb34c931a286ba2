#include "tools/mkedition/music/notelist.h"

#include <algorithm>
#include <sstream>
#include <tuple>
#include <vector>

#include "tools/mkedition/music/notetokens.h"

namespace {

// Long enough for any piece (over an hour at a slow tempo), far from the limits of a MIDI file.
constexpr uint32_t kMaxTicks = 1u << 26;

std::vector<std::string> wordsOf(const std::string& line) {
    std::istringstream in(line);
    std::vector<std::string> words;
    std::string word;
    while (in >> word && word[0] != '#') words.push_back(word);
    return words;
}

bool parseNumber(const std::string& text, int low, int high, int& value) {
    if (text.empty() || text.size() > 4 ||
        text.find_first_not_of("0123456789") != std::string::npos)
        return false;
    value = std::stoi(text);
    return value >= low && value <= high;
}

std::string joinedFrom(const std::vector<std::string>& words, size_t first) {
    std::string text;
    for (size_t i = first; i < words.size(); ++i) text += (i > first ? " " : "") + words[i];
    return text;
}

std::string pitchName(int pitch) {
    static const char* const kNames[] = {"C",  "C#", "D",  "D#", "E",  "F",
                                         "F#", "G",  "G#", "A",  "A#", "B"};
    return kNames[pitch % 12] + std::to_string(pitch / 12 - 1);
}

// A track's channel set-up: the number as written, from low to high, is stored less low.
struct Setting {
    const char* keyword;
    int low;
    int high;
    int SongPart::*field;
};

const Setting kSettings[] = {{"channel", 1, 16, &SongPart::channel},
                             {"program", 1, 128, &SongPart::program},
                             {"volume", 0, 127, &SongPart::volume},
                             {"pan", 0, 127, &SongPart::pan},
                             {"reverb", 0, 127, &SongPart::reverb}};

// A gradual change of loudness: the notes from start take velocities on the way to the
// next dynamic mark.
struct Hairpin {
    bool open = false;
    bool louder = false;
    uint32_t start = 0;
    int from = 0;
    size_t firstNote = 0;
};

struct Repeat {
    bool open = false;
    uint32_t start = 0;
    size_t firstNote = 0;
    size_t firstTempo = 0;
};

// Where the current track has got to.
struct TrackState {
    int line = 0;
    uint32_t time = 0;
    uint32_t barStart = 0;
    int bar = 1;
    uint32_t duration = songtime::kTicksPerQuarter;
    int velocity = 80;
    Hairpin hairpin;
    Repeat repeat;
    std::vector<size_t> tied;          // notes that the next note continues
    std::vector<SongTempo> ownTempos;  // the tempo changes this track wrote, for repeats
};

class NoteListReader {
  public:
    explicit NoteListReader(Song& song) : song_(song) {}

    bool read(const std::string& text, std::string& error) {
        std::istringstream in(text);
        std::string raw;
        while (std::getline(in, raw)) {
            ++line_;
            const std::vector<std::string> words = wordsOf(raw);
            if (!words.empty() && !readLine(words)) break;
        }
        if (error_.empty()) finish();
        error = error_;
        return error_.empty();
    }

  private:
    bool fail(const std::string& what) { return failAt(line_, what); }
    bool failAt(int line, const std::string& what) {
        error_ = "line " + std::to_string(line) + ": " + what;
        return false;
    }
    SongPart& part() { return song_.parts.back(); }
    bool inTrack() const { return !song_.parts.empty(); }

    std::string position(uint32_t tick) const {
        const uint32_t beat = songtime::kTicksPerWhole / song_.meterUnit;
        std::ostringstream out;
        out << "bar " << tick / song_.barTicks() + 1 << " beat "
            << 1.0 + static_cast<double>(tick % song_.barTicks()) / beat;
        return out.str();
    }

    bool readLine(const std::vector<std::string>& words) {
        const std::string& keyword = words[0];
        if (keyword == "track") return startTrack(words);
        if (!inTrack()) return readHeading(words);
        for (const Setting& setting : kSettings)
            if (keyword == setting.keyword) return readSetting(setting, words);
        for (const std::string& word : words)
            if (!readToken(word)) return false;
        return true;
    }

    bool readHeading(const std::vector<std::string>& words) {
        const std::string& keyword = words[0];
        if (keyword == "title") {
            song_.title = joinedFrom(words, 1);
            return true;
        }
        if (words.size() != 2) return fail("'" + keyword + "' needs one value");
        if (keyword == "tempo") {
            int bpm = 0;
            if (!readTempo(words[1], bpm)) return false;
            song_.tempos.assign(1, SongTempo{0, bpm});
            return true;
        }
        if (keyword == "meter") {
            const size_t slash = words[1].find('/');
            int beats = 0, unit = 0;
            if (slash == std::string::npos ||
                !parseNumber(words[1].substr(0, slash), 1, 16, beats) ||
                !parseNumber(words[1].substr(slash + 1), 1, 16, unit) || (unit & (unit - 1)) != 0)
                return fail("a meter is beats/unit, as 3/4 or 6/8");
            song_.meterBeats = beats;
            song_.meterUnit = unit;
            return true;
        }
        return fail("unknown keyword '" + keyword + "' before the first track");
    }

    bool readTempo(const std::string& text, int& bpm) {
        return parseNumber(text, 20, 400, bpm) || fail("a tempo is 20 to 400 beats a minute");
    }

    bool startTrack(const std::vector<std::string>& words) {
        if (!finishTrack()) return false;
        if (words.size() < 2) return fail("a track needs a name");
        song_.parts.emplace_back();
        part().name = joinedFrom(words, 1);
        track_ = TrackState();
        track_.line = line_;
        return true;
    }

    bool readSetting(const Setting& setting, const std::vector<std::string>& words) {
        int value = 0;
        if (words.size() != 2 || !parseNumber(words[1], setting.low, setting.high, value))
            return fail("'" + words[0] + "' needs one number from " + std::to_string(setting.low) +
                        " to " + std::to_string(setting.high));
        part().*setting.field = value - setting.low;
        return true;
    }

    bool readToken(const std::string& word) {
        if (word == "|") return barLine();
        if (word == "|:") return barLine() && openRepeat();
        if (word.compare(0, 2, ":|") == 0) return closeRepeat(word.substr(2));
        if (word == "<" || word == ">") return openHairpin(word == "<");
        if (word.compare(0, 6, "tempo=") == 0) {
            int bpm = 0;
            if (!readTempo(word.substr(6), bpm)) return false;
            track_.ownTempos.push_back(SongTempo{track_.time, bpm});
            return addTempo(track_.ownTempos.back());
        }
        int velocity = 0;
        if (ParseDynamicMark(word, velocity)) return dynamicMark(velocity);
        return noteOrRest(word);
    }

    bool advance(uint32_t ticks) {
        if (ticks > kMaxTicks - track_.time) return fail("the piece is too long");
        track_.time += ticks;
        return true;
    }

    bool barLine() {
        const uint32_t length = track_.time - track_.barStart;
        if (length == 0) return true;  // a bar line at the start, or right after another
        if (length != song_.barTicks())
            return fail("bar " + std::to_string(track_.bar) + " of track '" + part().name +
                        "' lasts " + std::to_string(length) + " ticks, not " +
                        std::to_string(song_.barTicks()) + " (a quarter note is " +
                        std::to_string(songtime::kTicksPerQuarter) + ")");
        track_.barStart = track_.time;
        ++track_.bar;
        return true;
    }

    bool openRepeat() {
        if (track_.repeat.open) return fail("'|:' inside a repeat");
        track_.repeat = Repeat{true, track_.time, part().notes.size(), track_.ownTempos.size()};
        return true;
    }

    bool closeRepeat(const std::string& count) {
        int times = 2;
        if (!count.empty() && !parseNumber(count, 2, 16, times))
            return fail("':|' takes a count from 2 to 16");
        if (!barLine()) return false;
        Repeat& repeat = track_.repeat;
        if (!repeat.open) return fail("':|' without '|:'");
        if (track_.hairpin.open) return fail("a '<' or '>' cannot run past a repeat sign");
        if (!track_.tied.empty()) return fail("a tie cannot cross a repeat sign");
        const uint32_t span = track_.time - repeat.start;
        if (span == 0) return fail("an empty repeat");
        std::vector<SongNote>& notes = part().notes;
        const size_t noteEnd = notes.size();
        const size_t tempoEnd = track_.ownTempos.size();
        for (int pass = 1; pass < times; ++pass) {
            const uint32_t shift = span * static_cast<uint32_t>(pass);
            for (size_t i = repeat.firstNote; i < noteEnd; ++i) {
                SongNote copy = notes[i];
                copy.start += shift;
                notes.push_back(copy);
            }
            for (size_t i = repeat.firstTempo; i < tempoEnd; ++i) {
                track_.ownTempos.push_back(SongTempo{track_.ownTempos[i].tick + shift,
                                                     track_.ownTempos[i].beatsPerMinute});
                if (!addTempo(track_.ownTempos.back())) return false;
            }
            if (!advance(span)) return false;
        }
        track_.barStart = track_.time;
        repeat.open = false;
        return true;
    }

    bool addTempo(const SongTempo& tempo) {
        auto at = std::find_if(song_.tempos.begin(), song_.tempos.end(),
                               [&](const SongTempo& t) { return t.tick >= tempo.tick; });
        if (at != song_.tempos.end() && at->tick == tempo.tick) {
            if (at->beatsPerMinute == tempo.beatsPerMinute) return true;
            return fail("a tempo of " + std::to_string(tempo.beatsPerMinute) +
                        " where another says " + std::to_string(at->beatsPerMinute) + " (" +
                        position(tempo.tick) + ")");
        }
        song_.tempos.insert(at, tempo);
        return true;
    }

    bool openHairpin(bool louder) {
        if (track_.hairpin.open)
            return fail("a '<' or '>' before the dynamic mark of the last one");
        track_.hairpin = Hairpin{true, louder, track_.time, track_.velocity, part().notes.size()};
        return true;
    }

    bool dynamicMark(int velocity) {
        Hairpin& hairpin = track_.hairpin;
        if (hairpin.open) {
            if (hairpin.louder != (velocity > hairpin.from))
                return fail(std::string("a '") + (hairpin.louder ? "<" : ">") +
                            "' must lead to a " + (hairpin.louder ? "louder" : "softer") + " mark");
            const int64_t span = track_.time - hairpin.start;
            std::vector<SongNote>& notes = part().notes;
            for (size_t i = hairpin.firstNote; i < notes.size() && span > 0; ++i) {
                const int64_t into = notes[i].start - hairpin.start;
                notes[i].velocity =
                    hairpin.from + static_cast<int>((velocity - hairpin.from) * into / span);
            }
            hairpin.open = false;
        }
        track_.velocity = velocity;
        return true;
    }

    bool noteOrRest(std::string word) {
        const bool tie = !word.empty() && word.back() == '~';
        if (tie) word.pop_back();
        const size_t slash = word.find('/');
        if (slash != std::string::npos &&
            !ParseDurationCode(word.substr(slash + 1), track_.duration))
            return fail("unknown duration in '" + word + "'");
        const std::string head = word.substr(0, slash);
        if (head == "r") {
            if (tie || !track_.tied.empty()) return fail("a rest cannot be tied");
            return advance(track_.duration);
        }
        std::vector<int> pitches;
        std::istringstream names(head);
        std::string name;
        while (std::getline(names, name, '+')) {
            int pitch = 0;
            if (!ParsePitchName(name, pitch))
                return fail("'" + name + "' is not a note (as C4, F#3, Bb5, or r)");
            if (std::find(pitches.begin(), pitches.end(), pitch) != pitches.end())
                return fail("'" + name + "' twice in one chord");
            pitches.push_back(pitch);
        }
        if (pitches.empty()) return fail("'" + word + "' is not a note");
        return strike(pitches, tie);
    }

    // Notes tied from the last chord go on sounding; the others start here.
    bool strike(const std::vector<int>& pitches, bool tie) {
        std::vector<SongNote>& notes = part().notes;
        std::vector<size_t> stillTied;
        for (int pitch : pitches) {
            auto held = std::find_if(track_.tied.begin(), track_.tied.end(),
                                     [&](size_t i) { return notes[i].pitch == pitch; });
            size_t index = notes.size();
            if (held != track_.tied.end()) {
                index = *held;
                notes[index].length += track_.duration;
                track_.tied.erase(held);
            } else {
                notes.push_back(SongNote{track_.time, track_.duration, pitch, track_.velocity});
            }
            if (tie) stillTied.push_back(index);
        }
        if (!track_.tied.empty())
            return fail("the tie from " + pitchName(notes[track_.tied[0]].pitch) +
                        " leads to another note");
        track_.tied = stillTied;
        return advance(track_.duration);
    }

    bool finishTrack() {
        if (!inTrack()) return true;
        const std::string which = "track '" + part().name + "'";
        if (part().channel < 0) return failAt(track_.line, which + " needs a channel");
        if (part().program < 0 && part().channel != 9)
            return failAt(track_.line, which + " needs a program");
        part().program = std::max(part().program, 0);
        if (track_.hairpin.open)
            return failAt(track_.line, which + " ends in a '<' or '>' without a dynamic mark");
        if (!track_.tied.empty()) return failAt(track_.line, which + " ends with a tie");
        if (track_.repeat.open) return failAt(track_.line, which + " ends inside a repeat");
        trackEnds_.push_back(TrackEnd{track_.time, track_.line});
        return true;
    }

    void finish() {
        if (!finishTrack()) return;
        if (song_.parts.empty()) {
            error_ = "no tracks";
            return;
        }
        for (size_t i = 1; i < trackEnds_.size(); ++i) {
            if (trackEnds_[i].tick != trackEnds_[0].tick) {
                failAt(trackEnds_[i].line, "track '" + song_.parts[i].name + "' ends at " +
                                               position(trackEnds_[i].tick) + ", track '" +
                                               song_.parts[0].name + "' at " +
                                               position(trackEnds_[0].tick));
                return;
            }
        }
        if (trackEnds_[0].tick == 0) {
            error_ = "the tracks are empty";
            return;
        }
        song_.endTick = trackEnds_[0].tick;
        if (song_.tempos.empty() || song_.tempos[0].tick != 0)
            song_.tempos.insert(song_.tempos.begin(), SongTempo{});
        for (int channel = 0; channel < 16; ++channel)
            if (!checkSharedChannel(channel)) return;
    }

    // Tracks may share a channel (two hands of one piano) if they set it up alike and never
    // sound the same key at once: the end of one note would silence the other.
    bool checkSharedChannel(int channel) {
        struct Sounding {
            SongNote note;
            size_t part;
        };
        std::vector<Sounding> sounding;
        const SongPart* first = nullptr;
        for (size_t p = 0; p < song_.parts.size(); ++p) {
            const SongPart& part = song_.parts[p];
            if (part.channel != channel) continue;
            if (!first) first = &part;
            if (std::tie(part.program, part.volume, part.pan, part.reverb) !=
                std::tie(first->program, first->volume, first->pan, first->reverb))
                return failAt(trackEnds_[p].line, "tracks '" + first->name + "' and '" + part.name +
                                                      "' share channel " +
                                                      std::to_string(channel + 1) +
                                                      " but set it up differently");
            for (const SongNote& note : part.notes) sounding.push_back(Sounding{note, p});
        }
        std::stable_sort(
            sounding.begin(), sounding.end(), [](const Sounding& x, const Sounding& y) {
                return std::tie(x.note.pitch, x.note.start) < std::tie(y.note.pitch, y.note.start);
            });
        for (size_t i = 1; i < sounding.size(); ++i) {
            const Sounding& before = sounding[i - 1];
            const Sounding& now = sounding[i];
            if (now.note.pitch == before.note.pitch &&
                now.note.start < before.note.start + before.note.length)
                return failAt(trackEnds_[now.part].line,
                              "tracks '" + song_.parts[before.part].name + "' and '" +
                                  song_.parts[now.part].name + "' both sound " +
                                  pitchName(now.note.pitch) + " on channel " +
                                  std::to_string(channel + 1) + " at " + position(now.note.start));
        }
        return true;
    }

    Song& song_;
    std::string error_;
    int line_ = 0;
    TrackState track_;
    struct TrackEnd {
        uint32_t tick;
        int line;
    };
    std::vector<TrackEnd> trackEnds_;
};

}  // namespace

bool ParseNoteList(const std::string& text, Song& song, std::string& error) {
    song = Song();
    return NoteListReader(song).read(text, error);
}
