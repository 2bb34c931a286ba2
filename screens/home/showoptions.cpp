#include "screens/home/showoptions.h"

#include "app/statebits.h"

ShowOptions ReadShowOptions() {
    ShowOptions options;
    options.MusicOn = !ReadStateBit(kStateMusicOff);
    options.UserMusic = ReadStateBit(kStateUserMusic);
    // Captions win when both text bits are set.
    if (ReadStateBit(kStateScrollingTitles)) options.TextMode = ShowTextMode::ScrollingTitles;
    if (ReadStateBit(kStateCaptions)) options.TextMode = ShowTextMode::Captions;
    return options;
}

void WriteShowOptions(const ShowOptions& options) {
    WriteStateBit(kStateMusicOff, !options.MusicOn);
    WriteStateBit(kStateScrollingTitles, options.TextMode == ShowTextMode::ScrollingTitles);
    WriteStateBit(kStateCaptions, options.TextMode == ShowTextMode::Captions);
    WriteStateBit(kStateUserMusic, options.UserMusic);
}
