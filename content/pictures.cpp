#include "content/pictures.h"

#include <QCoreApplication>
#include <QCursor>
#include <QEvent>
#include <QGuiApplication>

#include "content/contenthost.h"
#include "content/datatables.h"
#include "content/picturepaths.h"

const char kFileNotFoundQuestion[] = "File not found - insert Vantora Verdanis CD and retry";
const char kFileNotReadQuestion[] = "File not read - replace Vantora Verdanis CD and retry";

namespace {

constexpr std::chrono::milliseconds kWaitSlice{30};

class HourglassCursor {
  public:
    HourglassCursor() : app_(qobject_cast<QGuiApplication*>(QCoreApplication::instance())) {
        if (app_) QGuiApplication::setOverrideCursor(QCursor(Qt::WaitCursor));
    }
    ~HourglassCursor() {
        if (app_) QGuiApplication::restoreOverrideCursor();
    }
    HourglassCursor(const HourglassCursor&) = delete;
    HourglassCursor& operator=(const HourglassCursor&) = delete;

  private:
    QGuiApplication* app_;
};

// A worker's end, posted to the GUI thread. Made on the GUI thread before the worker starts,
// so the worker only hands a pointer over.
class WorkerEndEvent final : public QEvent {
  public:
    explicit WorkerEndEvent(int worker) : QEvent(kind()), worker_(worker) {}
    static QEvent::Type kind() {
        static const auto type = static_cast<QEvent::Type>(QEvent::registerEventType());
        return type;
    }
    int worker() const { return worker_; }

  private:
    int worker_;
};

class WorkerEndReceiver final : public QObject {
  public:
    bool event(QEvent* event) override {
        if (event->type() != WorkerEndEvent::kind()) return QObject::event(event);
        PictureLoadEnded(static_cast<WorkerEndEvent*>(event)->worker());
        return true;
    }
};

void createOnFirstUse(PictureState& s) {
    if (!s.GuiReceiver) s.GuiReceiver = std::make_unique<WorkerEndReceiver>();
    if (s.FillBuffer < 0) s.FillBuffer = 1;  // so that the first load fills buffer 0
}

int bufferHolding(const PictureState& s, int view) {
    for (int b = 0; b < 2; ++b) {
        if (s.BufferViews[b] == view) return b;
    }
    return -1;
}

void sizeForView(QImage& bitmap, int view) {
    const QSize size = Content().view(view).isPortrait() ? QSize(kPortraitWidth, kPortraitHeight)
                                                         : QSize(kLandscapeWidth, kLandscapeHeight);
    if (bitmap.size() != size || bitmap.format() != QImage::Format_RGB888)
        bitmap = QImage(size, QImage::Format_RGB888);
}

// Views come from tables and handlers; one outside the view table would be read past its end
// or, as -1, waited for as an empty slot for ever.
bool isKnownView(int view) { return view >= 0 && view < Content().ViewCount; }

// A new worker for the path and bitmap of the fill buffer. The previous one has ended or is
// cancelled: joining it first keeps the bitmaps to one writer.
void startWorker(PictureState& s) {
    s.Worker.reset();
    s.LoadStatus.store(kPictureLoaded);
    const int worker = ++s.WorkersStarted;
    // Taking the row pointer here detaches the bitmap from copies a caller may hold, on this
    // thread; the worker then writes rows nobody else sees.
    QImage& bitmap = s.PictureBuffers[s.FillBuffer];
    PictureJob job{s.PicturePath, s.Seeded,
                   PixelRows{bitmap.bits(), bitmap.bytesPerLine(), bitmap.width(), bitmap.height()},
                   PictureWorkerPriority(s.SlideshowVisible)};
    QObject* receiver = s.GuiReceiver.get();
    auto* ended = new WorkerEndEvent(worker);  // Qt's event queue owns it once posted
    s.Worker = std::make_unique<TBackgdOpen>(
        std::move(job), s, [receiver, ended] { QCoreApplication::postEvent(receiver, ended); });
}

// True when the load of worker needs nothing more: a later worker replaced it, or it was
// cancelled (then nobody else will clear LoadingView).
bool loadAbandoned(PictureState& s, int worker) {
    if (worker != s.WorkersStarted) return true;
    if (!s.CancelLoad.load()) return false;
    s.LoadingView.store(-1);
    return true;
}

}  // namespace

PictureState& Pictures() {
    static PictureState state;
    return state;
}

void SetPictureRoot(const std::string& root) { Pictures().PictureRoot = root; }

void SetSlideshowVisibleQuery(std::function<bool()> query) {
    Pictures().SlideshowVisible = std::move(query);
}

void StartPictureLoad(int view) {
    if (!isKnownView(view)) return;
    PictureState& s = Pictures();
    createOnFirstUse(s);
    if (bufferHolding(s, view) >= 0) return;
    if (s.LoadingView.load() != -1) CancelPictureLoad(true);
    // A worker cancelled without waiting may still be winding down: it must neither write the
    // bitmap nor clear LoadingView once the new load has begun.
    s.Worker.reset();
    s.CancelLoad.store(false);
    s.FillBuffer = s.DisplayedBuffer >= 0 ? 1 - s.DisplayedBuffer : 1 - s.FillBuffer;
    s.BufferViews[s.FillBuffer] = view;
    s.LoadingView.store(view);
    sizeForView(s.PictureBuffers[s.FillBuffer], view);
    const std::string relative = PictureFileName(view);
    s.PicturePath = NativePicturePath(s.PictureRoot, relative);
    s.Seeded = Keystream::seededFrom(BarePictureName(relative));
    startWorker(s);
}

const QImage* GetPicture(int view) {
    if (!isKnownView(view)) return nullptr;
    PictureState& s = Pictures();
    HourglassCursor hourglass;
    StartPictureLoad(view);
    while (s.LoadingView.load() == view) {
        if (s.LoadStatus.load() != kPictureLoaded) {
            QCoreApplication::processEvents();  // lets the end notification ask its question
        } else {
            s.waitForWorker(kWaitSlice, [&s, view] {
                return s.LoadingView.load() != view || s.LoadStatus.load() != kPictureLoaded;
            });
        }
        if (Host().quitting()) {
            Host().exitProcess(0);
            return nullptr;
        }
    }
    const int buffer = bufferHolding(s, view);
    if (buffer < 0) return nullptr;
    s.DisplayedBuffer = buffer;
    return &s.PictureBuffers[buffer];
}

void CancelPictureLoad(bool wait) {
    PictureState& s = Pictures();
    if (s.LoadingView.load() == -1) return;
    // A second cancel of the same load must not empty the other (displayed) buffer's slot.
    if (!s.CancelLoad.exchange(true)) {
        s.BufferViews[s.FillBuffer] = -1;
        s.FillBuffer = 1 - s.FillBuffer;
    }
    if (wait) {
        // Joining, not polling LoadingView: a failed worker leaves it set until its end
        // notification runs, which cannot run while this thread waits.
        s.Worker.reset();
        s.LoadingView.store(-1);
    }
}

void ReleasePictures() {
    PictureState& s = Pictures();
    CancelPictureLoad(true);
    s.Worker.reset();
    for (int b = 0; b < 2; ++b) {
        s.PictureBuffers[b] = QImage();
        s.BufferViews[b] = -1;
    }
    s.DisplayedBuffer = -1;
    s.FillBuffer = -1;
    s.PicturePath.clear();
    s.LoadStatus.store(kPictureLoaded);
    s.CancelLoad.store(false);
}

void PictureLoadEnded(int worker) {
    PictureState& s = Pictures();
    if (loadAbandoned(s, worker)) return;
    const int status = s.LoadStatus.load();
    if (status == kPictureLoaded) return;
    const bool cancel = Host().askRetryCancel(status == kPictureNotOpened ? kFileNotFoundQuestion
                                                                          : kFileNotReadQuestion);
    // Handlers run while the question was open may have moved on; Cancel ends the program
    // all the same, as the question says.
    const bool moved = loadAbandoned(s, worker) || s.LoadingView.load() == -1;
    if (cancel) {
        if (!moved) {
            CancelPictureLoad(false);
            s.LoadingView.store(-1);
        }
        if (!Host().quitting()) Host().shutdown();
        return;
    }
    if (!moved) startWorker(s);
}
