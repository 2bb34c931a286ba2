// The picture store: two 24-bit bitmaps, so that one view's photograph can be shown while the
// next one is decoded into the other on a worker thread. Used from the GUI thread only.
#pragma once

#include <QImage>
#include <QObject>
#include <functional>
#include <memory>
#include <string>

#include "content/zmopenthread.h"

constexpr int kLandscapeWidth = 768;
constexpr int kLandscapeHeight = 512;
constexpr int kPortraitWidth = 400;
constexpr int kPortraitHeight = 600;

extern const char kFileNotFoundQuestion[];
extern const char kFileNotReadQuestion[];

struct PictureState : PictureWorkerShared {
    // RGB888: Qt paints it as it is, and libjpeg writes it in its own byte order.
    QImage PictureBuffers[2];
    int BufferViews[2] = {-1, -1};  // the view each buffer holds, -1 = empty
    int DisplayedBuffer = -1;       // the buffer last handed out
    int FillBuffer = -1;            // the buffer being or last filled; -1 before first use
    std::string PictureRoot;        // ends with '/'
    std::string PicturePath;
    Keystream Seeded;
    std::function<bool()> SlideshowVisible;
    // Also names the current worker, so an end notification of an earlier one is ignored.
    int WorkersStarted = 0;
    std::unique_ptr<QObject> GuiReceiver;  // end notifications are queued to it
    std::unique_ptr<TBackgdOpen> Worker;   // the last worker started; joined before the next
};

PictureState& Pictures();

void SetPictureRoot(const std::string& root);
void SetSlideshowVisibleQuery(std::function<bool()> query);

// Begins decoding the view's photograph into the buffer not displayed, unless a buffer already
// holds the view; returns at once. A load of another view still running is abandoned first.
// A view outside the view table is ignored.
void StartPictureLoad(int view);

// The bitmap holding the view, loaded first if need be, under the hourglass cursor; marks it
// displayed. Null for a view outside the view table, or when the load was abandoned while
// waiting (the program is ending, or a handler run during a question cancelled it).
const QImage* GetPicture(int view);

// Abandons the current decode: empties the fill buffer's slot and gives the fill role to the
// other buffer; with wait, returns only once the worker has stopped.
void CancelPictureLoad(bool wait);

// Cancels with waiting and frees both bitmaps.
void ReleasePictures();

// The end notification, run on the GUI thread after worker number `worker` ends: asks the
// Retry/Cancel question when the load failed.
void PictureLoadEnded(int worker);
