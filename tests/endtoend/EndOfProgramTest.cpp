// The real program under Xvfb: quitting and closing the window, at once, while rows are drawn
// and while paused, end the process at once with status 0; it draws with one worker thread per
// processor it may use. Input goes through the X server (XTest), as a user's would.
// ZARNO_PROGRAM names another binary to test, such as an installed one.
#include <dirent.h>
#include <gtest/gtest.h>
#include <sched.h>
#include <signal.h>
#include <sys/prctl.h>
#include <sys/wait.h>
#include <unistd.h>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <fstream>
#include <string>
#include <thread>
#include <vector>

#include "core/engine/RowEngine.h"
#include "ui/Layout.h"

// Xlib's macros (None, Bool, Status, ...) would break the headers above, so it comes last.
#include <X11/Xlib.h>
#include <X11/Xutil.h>
#include <X11/extensions/XTest.h>
#include <X11/keysym.h>

namespace zarno::test {
namespace {

using namespace std::chrono_literals;
using Clock = std::chrono::steady_clock;

void pause(std::chrono::milliseconds duration) {
    std::this_thread::sleep_for(duration);
}

// A private X server for the whole suite.
class XServer {
public:
    XServer() {
        int fds[2];
        if (pipe(fds) != 0)
            return;
        pid_ = fork();
        if (pid_ == 0) {
            prctl(PR_SET_PDEATHSIG, SIGTERM);  // no server outlives a test that was killed
            dup2(fds[1], 3);
            // Without -noreset the server starts afresh whenever its last client leaves, and a
            // program that connects meanwhile is refused.
            execlp("Xvfb", "Xvfb", "-displayfd", "3", "-screen", "0", "800x700x24", "-nolisten",
                   "tcp", "-noreset", static_cast<char*>(nullptr));
            _exit(127);
        }
        close(fds[1]);
        // The server writes the display's number and the newline after it in separate writes.
        std::string number;
        char c = 0;
        while (number.size() < 8 && read(fds[0], &c, 1) == 1 && c != '\n') {
            number += c;
        }
        close(fds[0]);
        if (c == '\n' && !number.empty()) {
            name_ = ":" + number;
        }
    }
    ~XServer() {
        if (pid_ > 0) {
            kill(pid_, SIGTERM);
            waitpid(pid_, nullptr, 0);
        }
    }
    const std::string& name() const { return name_; }

private:
    pid_t pid_ = -1;
    std::string name_;
};

// The program, started on the X server, and the means to use it.
class Program {
public:
    // `onlyProcessor`, when not negative, is the one processor the program may run on.
    explicit Program(const std::string& display, int onlyProcessor = -1) {
        const char* installed = std::getenv("ZARNO_PROGRAM");
        const char* binary = installed && *installed ? installed : ZARNO_BINARY;
        pid_ = fork();
        if (pid_ == 0) {
            if (onlyProcessor >= 0) {
                cpu_set_t one;
                CPU_ZERO(&one);
                CPU_SET(static_cast<std::size_t>(onlyProcessor), &one);
                sched_setaffinity(0, sizeof one, &one);
            }
            setenv("DISPLAY", display.c_str(), 1);
            setenv("QT_QPA_PLATFORM", "xcb", 1);
            execl(binary, binary, static_cast<char*>(nullptr));
            _exit(127);
        }
        x_ = XOpenDisplay(display.c_str());
        // A window may go between being listed and being asked its name, as wine's short-lived
        // ones do; Xlib's own handler would end the test for that.
        XSetErrorHandler([](Display*, XErrorEvent*) { return 0; });
    }
    ~Program() {
        if (running()) {
            kill(pid_, SIGKILL);
            waitpid(pid_, nullptr, 0);
        }
        if (x_)
            XCloseDisplay(x_);
    }

    bool waitForWindow() {
        if (!x_) {
            std::fprintf(stderr, "cannot open the X display\n");
            return false;
        }
        const auto deadline = Clock::now() + 20s;
        while (Clock::now() < deadline && running()) {
            if ((window_ = findWindow(DefaultRootWindow(x_)))) {
                pause(500ms);  // let the program finish its first paint
                return true;
            }
            pause(50ms);
        }
        std::fprintf(stderr, "no window; the program %s\n", running() ? "runs" : "has ended");
        return false;
    }

    // The threads that draw rows, by the name the program gives them.
    int workerThreads() const {
        const std::string tasks = "/proc/" + std::to_string(pid_) + "/task";
        DIR* folder = opendir(tasks.c_str());
        if (!folder) {
            return -1;
        }
        int workers = 0;
        while (const dirent* task = readdir(folder)) {
            std::ifstream comm(tasks + "/" + task->d_name + "/comm");
            std::string name;
            if (std::getline(comm, name) && name == "zarno-rows") {
                ++workers;
            }
        }
        closedir(folder);
        return workers;
    }

    bool running() {
        if (exited_)
            return false;
        int status = 0;
        if (waitpid(pid_, &status, WNOHANG) == pid_) {
            exited_ = true;
            status_ = status;
            return false;
        }
        return true;
    }

    // Waits for the end; the status as waitpid gives it, or -1 if it did not end in time.
    int waitForEnd(std::chrono::milliseconds limit) {
        const auto deadline = Clock::now() + limit;
        while (Clock::now() < deadline) {
            if (!running())
                return status_;
            pause(5ms);
        }
        return -1;
    }

    void click(const char* control, std::chrono::milliseconds settle = 150ms) {
        const QPoint at = centreOf(control);
        XTestFakeMotionEvent(x_, DefaultScreen(x_), at.x(), at.y(), 0);
        XTestFakeButtonEvent(x_, 1, True, 0);
        XTestFakeButtonEvent(x_, 1, False, 0);
        XFlush(x_);
        pause(settle);
    }

    void press(KeySym key) {
        const KeyCode code = XKeysymToKeycode(x_, key);
        XTestFakeKeyEvent(x_, code, True, 0);
        XTestFakeKeyEvent(x_, code, False, 0);
        XFlush(x_);
        pause(100ms);
    }

    // Chooses the first entry of a number box's list.
    // Opens a number box's list and chooses its `nth` entry, from 1.
    void chooseNumber(const char* box, int nth) {
        click(box);
        for (int i = 0; i < nth; ++i) {
            press(XK_Down);
        }
        press(XK_Return);
    }

    // Asks the window to close, as a window manager's close button does.
    void closeWindow() {
        XEvent event{};
        event.xclient.type = ClientMessage;
        event.xclient.window = window_;
        event.xclient.message_type = XInternAtom(x_, "WM_PROTOCOLS", False);
        event.xclient.format = 32;
        event.xclient.data.l[0] = static_cast<long>(XInternAtom(x_, "WM_DELETE_WINDOW", False));
        event.xclient.data.l[1] = CurrentTime;
        XSendEvent(x_, window_, False, NoEventMask, &event);
        XFlush(x_);
    }

    // The pixels of the row counter, to see whether rows are being drawn.
    std::vector<unsigned long> rowCounterPixels() {
        const QRect r = rectOf("lblArvontoja");
        std::vector<unsigned long> pixels;
        XImage* image = XGetImage(x_, window_, r.x(), r.y(), static_cast<unsigned>(r.width()),
                                  static_cast<unsigned>(r.height()), AllPlanes, ZPixmap);
        if (!image)
            return pixels;
        for (int y = 0; y < r.height(); ++y) {
            for (int x = 0; x < r.width(); ++x)
                pixels.push_back(XGetPixel(image, x, y));
        }
        XDestroyImage(image);
        return pixels;
    }

private:
    Window findWindow(Window parent) {
        Window root, up, *children = nullptr;
        unsigned count = 0;
        if (!XQueryTree(x_, parent, &root, &up, &children, &count))
            return 0;
        Window found = 0;
        for (unsigned i = 0; i < count && !found; ++i) {
            char* name = nullptr;
            XWindowAttributes attributes;
            if (XFetchName(x_, children[i], &name) && name && std::strcmp(name, "Zarno") == 0 &&
                XGetWindowAttributes(x_, children[i], &attributes) &&
                attributes.map_state == IsViewable) {
                found = children[i];
            }
            if (name)
                XFree(name);
        }
        if (children)
            XFree(children);
        return found;
    }

    QRect rectOf(const char* control) const {
        for (const ui::ControlSpec& entry : ui::windowLayout()) {
            if (entry.name == QLatin1String(control))
                return ui::toPixels(entry.rect);
        }
        return {};
    }

    QPoint centreOf(const char* control) {
        int x = 0, y = 0;
        Window child;
        XTranslateCoordinates(x_, window_, DefaultRootWindow(x_), 0, 0, &x, &y, &child);
        return rectOf(control).center() + QPoint(x, y);
    }

    pid_t pid_ = -1;
    Display* x_ = nullptr;
    Window window_ = 0;
    bool exited_ = false;
    int status_ = 0;
};

class EndOfProgram : public ::testing::TestWithParam<const char*> {
protected:
    static void SetUpTestSuite() { server = new XServer; }
    static void TearDownTestSuite() {
        delete server;
        server = nullptr;
    }
    static XServer* server;
};

XServer* EndOfProgram::server = nullptr;

// The workers the program starts when it may use the processors this test may use.
int expectedWorkers(bool oneProcessor) {
    cpu_set_t allowed;
    CPU_ZERO(&allowed);
    sched_getaffinity(0, sizeof allowed, &allowed);
    return oneProcessor ? 1
                        : std::min(CPU_COUNT(&allowed), static_cast<int>(RowEngine::maxWorkers));
}

// Each case: whether to pause first, how the program is ended, and on how many processors.
TEST_P(EndOfProgram, EndsAtOnceWithStatusZero) {
    const std::string how = GetParam();
    const bool oneProcessor = how.find("one processor") != std::string::npos;
    ASSERT_FALSE(server->name().empty()) << "Xvfb did not start";
    Program program(server->name(), oneProcessor ? 0 : -1);
    ASSERT_TRUE(program.waitForWindow());
    EXPECT_EQ(program.workerThreads(), expectedWorkers(oneProcessor));
    if (how.find("at once") == std::string::npos) {
        program.chooseNumber("cmbNumero(0)", 1);
        program.chooseNumber("cmbNumero(1)", 2);
        program.click("cmdAloitaArvonta");
        // The workers draw on spare processor time: on a busy machine the counter may take a
        // while to move.
        const auto before = program.rowCounterPixels();
        const auto deadline = Clock::now() + 10s;
        while (program.rowCounterPixels() == before && Clock::now() < deadline) {
            pause(100ms);
        }
        ASSERT_NE(program.rowCounterPixels(), before) << "rows are being drawn";
    }
    if (how.find("paused") != std::string::npos) {
        program.click("cmdTauko");
        pause(200ms);
        const auto paused = program.rowCounterPixels();
        pause(300ms);
        ASSERT_EQ(program.rowCounterPixels(), paused) << "no row is drawn while paused";
    }
    ASSERT_TRUE(program.running());
    const auto asked = Clock::now();
    if (how.find("quit") != std::string::npos) {
        program.click("cmdExit", 0ms);
    } else {
        program.closeWindow();
    }
    const int status = program.waitForEnd(5s);
    ASSERT_NE(status, -1) << "the program did not end";
    // A normal end: had a worker thread outlived the engine, its std::thread would have ended
    // the process by std::terminate, not with status 0.
    EXPECT_TRUE(WIFEXITED(status));
    EXPECT_EQ(WEXITSTATUS(status), 0);
    const auto took = std::chrono::duration_cast<std::chrono::milliseconds>(Clock::now() - asked);
    std::printf("ended %lld ms after it was asked to\n", static_cast<long long>(took.count()));
    // Natively that is a few milliseconds. Under wine on an X server without a window manager,
    // wine waits two seconds for one to take the closed window away.
    EXPECT_LT(took, 5s);
}

INSTANTIATE_TEST_SUITE_P(Ways, EndOfProgram,
                         ::testing::Values("quit at once", "quit while drawing",
                                           "close while drawing", "quit while paused",
                                           "close while paused",
                                           "quit while drawing on one processor"),
                         [](const ::testing::TestParamInfo<const char*>& param) {
                             std::string name = param.param;
                             for (char& c : name)
                                 c = c == ' ' ? '_' : c;
                             return name;
                         });

}  // namespace
}  // namespace zarno::test
