#include "content/jpegerrors.h"

namespace {

void jumpBack(j_common_ptr info) {
    // The manager is the first member of the trap.
    auto* trap = reinterpret_cast<JpegErrorTrap*>(info->err);
    std::longjmp(trap->jump, 1);
}

void stayQuiet(j_common_ptr) {}

}  // namespace

jpeg_error_mgr* InitJpegErrorTrap(JpegErrorTrap& trap) {
    jpeg_error_mgr* manager = jpeg_std_error(&trap.manager);
    manager->error_exit = jumpBack;
    manager->output_message = stayQuiet;
    return manager;
}
