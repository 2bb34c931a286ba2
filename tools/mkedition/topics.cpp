#include "tools/mkedition/topics.h"

namespace {

struct TopicWord {
    const char* word;
    uint32_t maskA;
    uint32_t maskB;
};

// One word per tour topic; "beautiful" also marks a view for the standard show and "coast"
// for the coast show.
constexpr TopicWord kTopicWords[] = {
    {"artwork", 0x4, 0},
    {"beautiful", 0, 0x20},
    {"industry", 0x10, 0},
    {"business", 0x8, 0},
    {"castles", 0x20, 0},
    {"coast", 0x40, 0},
    {"crime", 0x80000, 0},
    {"distant-views", 0x80, 0},
    {"famous-sights", 0x10000, 0},
    {"festivals", 0x200, 0},
    {"media", 0x200000, 0},
    {"gardens", 0x800, 0},
    {"government", 0x400, 0},
    {"great-artists", 0x1, 0},
    {"monuments", 0x4000, 0},
    {"historic-towns", 0x2000, 0},
    {"hospitals", 0x1000, 0},
    {"hotels", 0x8000, 0},
    {"landscape", 0x40000, 0},
    {"mazes", 0x400000, 0},
    {"museums", 0x100000, 0},
    {"old-transport", 0x40000000, 0},
    {"old-universities", 0, 0x6},
    {"military", 0x800000, 0},
    {"record-breakers", 0x100, 0},
    {"royal", 0x2000000, 0},
    {"shops", 0x8000000, 0},
    {"sport", 0x10000000, 0},
    {"stately-homes", 0x4000000, 0},
    {"theatres", 0x20000000, 0},
    {"transport", 0x80000000, 0},
    {"schools", 0, 0x1},
    {"worship", 0, 0x8},
    {"zoos", 0, 0x10},
};

}  // namespace

bool LookUpTopic(const std::string& word, TopicBits& bits) {
    for (const TopicWord& t : kTopicWords) {
        if (word == t.word) {
            bits.maskA |= t.maskA;
            bits.maskB |= t.maskB;
            return true;
        }
    }
    return false;
}
