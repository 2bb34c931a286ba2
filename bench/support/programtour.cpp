#include "bench/support/programtour.h"

#include <poll.h>
#include <xcb/xcb.h>

#include <QApplication>
#include <QElapsedTimer>
#include <QEventLoop>
#include <QLineEdit>
#include <QTabWidget>
#include <QTimer>
#include <atomic>
#include <cstdlib>
#include <cstring>
#include <fstream>
#include <thread>

#include "app/programrun.h"
#include "app/shellwindows.h"
#include "app/stage.h"
#include "app/startupstate.h"
#include "bench/support/wmping.h"
#include "bench/support/xdisplay.h"
#include "content/datatables.h"
#include "content/foundset.h"
#include "edition/editiontour.h"
#include "platform/memoryuse.h"
#include "screens/common/imagecontrol.h"
#include "screens/explore/zmexplor.h"
#include "screens/home/searchpage.h"
#include "screens/home/showpage.h"
#include "screens/home/zmhome.h"
#include "screens/show/zmshow.h"
#include "screens/title/zmstart.h"

namespace {

double procMiB(const char* file, const char* field) {
    std::ifstream in(file);
    std::string line;
    const size_t length = std::strlen(field);
    while (std::getline(in, line))
        if (line.compare(0, length, field) == 0) return std::atol(line.c_str() + length) / 1024.0;
    return 0;
}

template <typename Window>
Window* windowOf(const QPointer<QWidget>& pointer) {
    return qobject_cast<Window*>(pointer.data());
}

xcb_atom_t internAtom(xcb_connection_t* connection, const char* name) {
    xcb_intern_atom_reply_t* reply = xcb_intern_atom_reply(
        connection, xcb_intern_atom(connection, 0, std::strlen(name), name), nullptr);
    const xcb_atom_t atom = reply ? reply->atom : 0;
    std::free(reply);
    return atom;
}

// Sends a _NET_WM_PING to window on its own connection and waits for the answer, which Qt
// gives from its event loop.
bool pingAnswered(const std::string& display, uint32_t window, int timeoutMs) {
    xcb_connection_t* connection = xcb_connect(display.c_str(), nullptr);
    bool answered = false;
    if (!xcb_connection_has_error(connection)) {
        const xcb_window_t root = xcb_setup_roots_iterator(xcb_get_setup(connection)).data->root;
        // Qt sends the answer to the root, for those watching its structure.
        const uint32_t mask = XCB_EVENT_MASK_STRUCTURE_NOTIFY;
        xcb_change_window_attributes(connection, root, XCB_CW_EVENT_MASK, &mask);
        const xcb_atom_t protocols = internAtom(connection, "WM_PROTOCOLS");
        const xcb_atom_t ping = internAtom(connection, "_NET_WM_PING");
        SendWmPing(connection, window, protocols, ping);
        QElapsedTimer clock;
        clock.start();
        while (!answered && clock.elapsed() < timeoutMs) {
            pollfd fd{xcb_get_file_descriptor(connection), POLLIN, 0};
            poll(&fd, 1, 50);
            while (xcb_generic_event_t* event = xcb_poll_for_event(connection)) {
                const auto* reply = reinterpret_cast<xcb_client_message_event_t*>(event);
                if ((event->response_type & 0x7f) == XCB_CLIENT_MESSAGE &&
                    reply->type == protocols && reply->data.data32[0] == ping &&
                    reply->data.data32[2] == window)
                    answered = true;
                std::free(event);
            }
        }
    }
    xcb_disconnect(connection);
    return answered;
}

}  // namespace

double ResidentMiB() { return procMiB("/proc/self/status", "VmRSS:"); }
double PeakResidentMiB() { return procMiB("/proc/self/status", "VmHWM:"); }
double AnonymousMiB() { return procMiB("/proc/self/smaps_rollup", "Anonymous:"); }

void Settle(int ms) {
    QApplication::processEvents();
    if (ms <= 0) return;
    // An event loop of its own sleeps between events, as the program's would.
    QEventLoop loop;
    QTimer::singleShot(ms, &loop, &QEventLoop::quit);
    loop.exec();
}

ProgramTour::ProgramTour() : display_(std::make_unique<XvfbDisplay>(1024, 768)) {
    if (!display_->ok()) return;
    setenv("DISPLAY", display_->name().c_str(), 1);
    unsetenv("QT_QPA_PLATFORM");
    char folder[] = "/tmp/fern-tour-XXXXXX";
    if (!mkdtemp(folder)) return;
    folder_ = folder;
    const std::string config = folder_ + "/config/Vantora Software Ltd/Vantora Fernvales";
    std::system(("mkdir -p '" + config + "' '" + folder_ + "/runtime' && chmod 700 '" + folder_ +
                 "/runtime'")
                    .c_str());
    // The preference key the installation makes; the help window comes up at the start.
    std::ofstream(config + "/1.2.conf") << "[General]\nStateBits=0\n";
    setenv("XDG_CONFIG_HOME", (folder_ + "/config").c_str(), 1);
    setenv("XDG_RUNTIME_DIR", (folder_ + "/runtime").c_str(), 1);
    setenv("XDG_CACHE_HOME", (folder_ + "/cache").c_str(), 1);
}

ProgramTour::~ProgramTour() {
    if (!folder_.empty()) std::system(("rm -rf '" + folder_ + "'").c_str());
}

bool ProgramTour::ready() const { return display_->ok() && !folder_.empty(); }

int ProgramTour::run(int argc, char** argv, const std::function<void(ProgramTour&)>& drive) {
    // As app/main.cpp does.
    ReturnLargeBlocksWhenFreed();
    QApplication app(argc, argv);
    SetUpApplication(app);
    Content().Tour = EditionTourTable();
    // The title shows before the other windows are made: the drive starts once they exist.
    QTimer starter;
    starter.setInterval(10);
    QObject::connect(&starter, &QTimer::timeout, [this, drive, &starter] {
        if (!findWindows()) return;
        starter.stop();
        drive(*this);
    });
    starter.start();
    return RunProgram();
}

bool ProgramTour::findWindows() {
    start = windowOf<TZMStartWin>(Windows().ZMStartWin);
    home = windowOf<TZMHomeWin>(Windows().ZMHomeWin);
    explore = windowOf<TZMExplore>(Windows().ZMExplore);
    show = windowOf<TZMShowWin>(Windows().ZMShowWin);
    return start && home && explore && show;
}

void ProgramTour::clickThroughTitle() {
    while (!home->isVisible() && !Startup().Quitting) {
        start->LogoClick();
        Settle(20);
    }
    Settle(500);
}

void ProgramTour::showEveryPage() {
    for (int page = 0; page < home->HomeTabs->count(); ++page) {
        home->HomeTabs->setCurrentIndex(page);
        Settle(100);
    }
    home->HomeTabs->setCurrentIndex(static_cast<int>(HomePage::GoTo));
}

int ProgramTour::visitEveryPlace() {
    home->HomeTabs->setCurrentIndex(static_cast<int>(HomePage::GoTo));
    home->MiniMapMouseDown(home->MiniMap->rect().center());
    home->MiniMapClick();
    Settle(200);
    int views = 0;
    for (int place = 0; place < Content().PlaceCount && !Startup().Quitting; ++place) {
        explore->StepTo(place);
        Settle();
        for (int n = 1; n <= explore->ViewsHere; ++n, ++views) {
            explore->ShowView(n);
            Settle();
        }
    }
    return views;
}

void ProgramTour::showMap() {
    explore->ShowMap();
    Settle(500);
}

void ProgramTour::backToControlScreen() {
    emit explore->controlScreenRequested();
    explore->hide();
    Settle(200);
}

void ProgramTour::runSlideshow(int kind, int ms) {
    home->HomeTabs->setCurrentIndex(static_cast<int>(HomePage::Slideshow));
    Settle(100);
    if (kind == kShowKinds - 1) SelectYears(1500, 1900);
    home->ShowSheet->ChooseShow(kind);
    home->MiniMapMouseDown(home->MiniMap->rect().center());
    home->MiniMapClick();
    Settle(ms);
    show->GoBackButtonClick();
    Settle(300);
}

int ProgramTour::search(const std::string& word) {
    home->HomeTabs->setCurrentIndex(static_cast<int>(HomePage::Search));
    Settle(50);
    SearchPage* page = home->SearchSheet;
    page->ClearButtonClick();
    page->FText0->setText(QString::fromStdString(word));
    page->SearchButtonClick();
    Settle(100);
    int found = 0;
    for (int place = 0; place < Content().PlaceCount; ++place) found += IsInFoundSet(place);
    return found;
}

bool ProgramTour::stageAnswers(int timeoutMs) {
    TStage* stage = Stage();
    if (!stage || !stage->isVisible()) return false;
    std::atomic<int> answer{-1};
    std::thread pinger([&, window = static_cast<uint32_t>(stage->winId())] {
        answer = pingAnswered(display_->name(), window, timeoutMs) ? 1 : 0;
    });
    while (answer < 0) Settle(20);  // the answer comes from this thread's event loop
    pinger.join();
    return answer == 1;
}
