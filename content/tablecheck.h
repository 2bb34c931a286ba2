// Consistency of loaded tables. Every screen reads the tables by index without checking,
// so everything an index can reach is verified once, right after loading.
#pragma once

struct ContentStore;

bool TablesAreSound(const ContentStore& store);
