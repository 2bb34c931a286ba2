// The slideshow options the preference bits keep between runs.
#pragma once

enum class ShowTextMode { ProductText, ScrollingTitles, Captions };

struct ShowOptions {
    bool MusicOn = true;
    bool UserMusic = false;  // "&Music I Have Loaded" instead of "&Standard Music"
    ShowTextMode TextMode = ShowTextMode::ProductText;
};

ShowOptions ReadShowOptions();
void WriteShowOptions(const ShowOptions& options);
