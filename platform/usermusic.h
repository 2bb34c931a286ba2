// The user's own slideshow music: a MIDI file copied into the per-user data directory, since
// an installed program's directory is read-only.
#pragma once

#include <string>

// Where the copy lives; the directory may not exist yet.
std::string UserMusicPath();
bool UserMusicExists();

enum class MusicCopyResult { Copied, NotMidi, Failed };

// Copies a MIDI file to destination through a temporary file beside it, renamed over the old
// copy only once complete, so a failed copy leaves the old music as it was. A file the MIDI
// reader refuses is not copied.
MusicCopyResult CopyUserMusic(const std::string& source, const std::string& destination);
