// The topic words an edition source uses, and the bits they stand for in the view record.
#pragma once

#include <cstdint>
#include <string>

struct TopicBits {
    uint32_t maskA = 0;
    uint32_t maskB = 0;
};

// False for a word that names no topic.
bool LookUpTopic(const std::string& word, TopicBits& bits);
