// How the program's heap hands memory back to the system.
#pragma once

// Pictures come and go in blocks of a megabyte or so. Left to itself, glibc raises its mmap
// threshold after the first such block is freed and serves the later ones from the heap, where
// the holes they leave stay resident. Called first thing in main: every block from 256 KiB up
// gets its own mapping, returned to the system when freed; all threads share one heap.
void ReturnLargeBlocksWhenFreed();
