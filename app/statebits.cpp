#include "app/statebits.h"

#include "app/startupstate.h"
#include "platform/prefstore.h"

namespace {

const char kValueName[] = "StateBits";

PrefStore key() {
    const std::string& path = Startup().RegistryKeyPath;
    return PrefStore(path.empty() ? kRegistryKeyPath : path);
}

}  // namespace

bool ReadStateBit(uint32_t bit) {
    uint32_t value = 0;
    return key().readValue(kValueName, value) && (value & bit) != 0;
}

void WriteStateBit(uint32_t bit, bool on) {
    const PrefStore store = key();
    uint32_t value = 0;
    if (!store.readValue(kValueName, value)) value = 0;
    value = on ? (value | bit) : (value & ~bit);
    store.writeValue(kValueName, value);
}
