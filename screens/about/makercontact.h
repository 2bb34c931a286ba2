// The maker's telephone number and web address, as both boxes give them.
#pragma once

extern const char kMakerContact[];
