// Drives the real main window over one tree as a user would: Add to List with its subfolders,
// then Find Duplicates. Prints, as one line of key=value pairs, how long each took until the
// window was idle again (wall and CPU seconds of the program), the worst lateness of input that
// arrived meanwhile, and the longest time the window went without looking at its input (also
// counted in CPU time of its thread).
// Also the heap in use (MiB) before, after the folders were added (what the folder list
// costs) and after the search (what its results keep).
// Usage: kelvaro_window_bench TREE... [--no-find] [--free-descriptors N]
// Each TREE is added with its subfolders, one after the other.
// --free-descriptors leaves the window only N descriptors more than it holds once it is up, to
// try it where descriptors run short.
#include "app/Appearance.h"
#include "app/MainForm.h"
#include "app/QtThreads.h"
#include "platform/FileSystem.h"
#include "platform/Memory.h"
#include "results/DupeGridView.h"

#include <QAbstractEventDispatcher>
#include <QApplication>
#include <QCheckBox>
#include <QDir>
#include <QEvent>
#include <QLineEdit>
#include <QListView>
#include <QMouseEvent>
#include <QPushButton>
#include <QTemporaryDir>
#include <QWindow>

#include <algorithm>
#include <atomic>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <ctime>
#include <sys/resource.h>
#include <system_error>
#include <thread>
#include <vector>

namespace {

using Clock = std::chrono::steady_clock;

double Seconds(Clock::duration d) {
    return std::chrono::duration<double>(d).count();
}

double HeapInUseMiB() {
    return static_cast<double>(mallinfo2().uordblks) / (1 << 20);
}

// CPU seconds of the whole program, every thread.
double ProcessCpu() {
    rusage u{};
    getrusage(RUSAGE_SELF, &u);
    return static_cast<double>(u.ru_utime.tv_sec + u.ru_stime.tv_sec) +
           static_cast<double>(u.ru_utime.tv_usec + u.ru_stime.tv_usec) / 1e6;
}
// Nothing should ask anything; a message box that does is answered with its default and counted.
class SilentDialogs : public DialogService {
public:
    int asked = 0;
    int MessageBox(const MessageRequest& request) override {
        ++asked;
        std::fprintf(stderr, "window asked: %s\n", request.text.c_str());
        return request.buttons == MsgButtons::YesNo || request.buttons == MsgButtons::YesNoCancel
                   ? mrNo
                   : mrOk;
    }
    std::optional<std::string> BrowseFolder(const std::string&, const std::string&) override {
        return std::nullopt;
    }
    std::optional<std::string> OpenFileName(const std::string&, const std::string&,
                                            const std::string&) override {
        return std::nullopt;
    }
    std::optional<std::string> SaveFileName(const std::string&, const std::string&,
                                            const std::string&) override {
        return std::nullopt;
    }
    bool OpenWithShell(const std::string&) override { return true; }
};

// Input arriving while the window works: a thread posts an event every few milliseconds, as a
// moving mouse does, and its lateness is how long the window left it waiting (on a busy machine
// that includes the time the system gave to other programs). Each one is then handed on as a
// mouse move over the grid's cells, so that the window also does the work a moving pointer asks
// of it (File Info, the step highlight, the hover).
class InputProbe : public QObject {
public:
    static constexpr auto kInterval = std::chrono::milliseconds(8);

    explicit InputProbe(QWidget* target) : target_(target) {
        try {
            thread_ = std::thread([this] {
                while (!stop_) {
                    QCoreApplication::postEvent(this, new Arrival(Clock::now()));
                    std::this_thread::sleep_for(kInterval);
                }
            });
        } catch (const std::system_error&) {
            // Under a tight limit on memory the window is tried without the probe.
            std::fputs("no input probe: its thread cannot start\n", stderr);
        }
    }
    ~InputProbe() override {
        stop_ = true;
        if (thread_.joinable())
            thread_.join();
        QCoreApplication::removePostedEvents(this);
    }

    // The worst lateness since the last call, in milliseconds.
    double TakeWorst() {
        const double worst = Seconds(worst_) * 1000;
        worst_ = {};
        return worst;
    }

protected:
    bool event(QEvent* e) override {
        if (e->type() != Arrival::kType)
            return QObject::event(e);
        worst_ = std::max(worst_, Clock::now() - static_cast<Arrival*>(e)->posted);
        ++count_;
        const QPoint at((count_ % 4) * DupeGridView::kDefaultColWidth + 20,
                        ((count_ / 4) % 6) * DupeGridView::kDefaultRowHeight + 5);
        QMouseEvent move(QEvent::MouseMove, at, target_->mapToGlobal(at), Qt::NoButton,
                         Qt::NoButton, Qt::NoModifier);
        QCoreApplication::sendEvent(target_, &move);
        return true;
    }

private:
    struct Arrival : QEvent {
        static constexpr auto kType = static_cast<QEvent::Type>(QEvent::User + 11);
        explicit Arrival(Clock::time_point t) : QEvent(kType), posted(t) {}
        Clock::time_point posted;
    };

    QWidget* target_;
    std::thread thread_;
    std::atomic<bool> stop_{false};
    Clock::duration worst_{};
    int count_ = 0;
};

// CPU seconds of the calling thread.
double ThreadCpu() {
    timespec t{};
    clock_gettime(CLOCK_THREAD_CPUTIME_ID, &t);
    return static_cast<double>(t.tv_sec) + static_cast<double>(t.tv_nsec) / 1e9;
}

// The longest time the window went without looking at its input, and how often it looked. The
// same in CPU time of the window's thread: its own work, whatever else the machine runs.
class PumpGaps : public QObject {
public:
    PumpGaps() {
        connect(QAbstractEventDispatcher::instance(), &QAbstractEventDispatcher::awake, this,
                [this] {
                    const auto now = Clock::now();
                    const double cpu = ThreadCpu();
                    worst_ = std::max(worst_, now - last_);
                    worstCpu_ = std::max(worstCpu_, cpu - lastCpu_);
                    last_ = now;
                    lastCpu_ = cpu;
                    ++pumps_;
                });
    }
    void Start() {
        last_ = Clock::now();
        lastCpu_ = ThreadCpu();
        worst_ = {};
        worstCpu_ = 0;
        pumps_ = 0;
    }
    double WorstMs() const { return Seconds(worst_) * 1000; }
    double WorstCpuMs() const { return worstCpu_ * 1000; }
    long Pumps() const { return pumps_; }

private:
    Clock::time_point last_;
    double lastCpu_ = 0;
    Clock::duration worst_{};
    double worstCpu_ = 0;
    long pumps_ = 0;
};

struct Figures {
    double wall = 0, cpu = 0, lateMs = 0, gapMs = 0, gapCpuMs = 0;
    long pumps = 0;
};

// Runs a click to its end and lets the window draw what it ends with.
template <typename Click> Figures Measure(Click click, InputProbe& probe, PumpGaps& gaps) {
    probe.TakeWorst();
    gaps.Start();
    const double cpu = ProcessCpu();
    const auto start = Clock::now();
    click();
    QCoreApplication::processEvents();
    Figures f;
    f.wall = Seconds(Clock::now() - start);
    f.cpu = ProcessCpu() - cpu;
    f.lateMs = probe.TakeWorst();
    f.gapMs = gaps.WorstMs();
    f.gapCpuMs = gaps.WorstCpuMs();
    f.pumps = gaps.Pumps();
    return f;
}

} // namespace

int main(int argc, char** argv) {
    platform::UseOneHeap(); // as the program does
    if (argc < 2) {
        std::fprintf(stderr, "usage: %s TREE... [--no-find] [--free-descriptors N]\n", argv[0]);
        return 2;
    }
    bool find = true;
    long freeDescriptors = -1; // none: the limit stays as it is
    std::vector<const char*> trees;
    for (int i = 1; i < argc; ++i) {
        if (std::strcmp(argv[i], "--no-find") == 0)
            find = false;
        else if (std::strcmp(argv[i], "--free-descriptors") == 0 && i + 1 < argc)
            freeDescriptors = std::atol(argv[++i]);
        else
            trees.push_back(argv[i]);
    }
    QApplication app(argc, argv);
    KeepQtThreadsReady();
    ApplyAppearance(app);
    QTemporaryDir programFolder; // kelvaro.ini and "Archive" of this run only
    SilentDialogs dialogs;
    TMainForm form(dialogs, QDir(programFolder.path()).filePath(QString()).toStdString());
    form.show();
    for (auto until = Clock::now() + std::chrono::seconds(10);
         !(form.windowHandle() && form.windowHandle()->isExposed()) && Clock::now() < until;)
        QCoreApplication::processEvents(QEventLoop::WaitForMoreEvents, 50);
    QCoreApplication::processEvents();

    // A window that meets a shortage of descriptors once it runs: the limit leaves it only so
    // many more than it holds now.
    rlimit limit{};
    const std::size_t free = platform::FreeFileDescriptors();
    if (freeDescriptors >= 0 && static_cast<std::size_t>(freeDescriptors) < free &&
        getrlimit(RLIMIT_NOFILE, &limit) == 0 && free < limit.rlim_cur) {
        limit.rlim_cur -= free - static_cast<std::size_t>(freeDescriptors);
        setrlimit(RLIMIT_NOFILE, &limit);
    }

    form.IncludeSubdirCheck->setChecked(true);

    InputProbe probe(form.DupeGrid->viewport());
    PumpGaps gaps;
    const double heapStart = HeapInUseMiB();
    const Figures add = Measure(
        [&] {
            for (const char* tree : trees) {
                form.DirectoryEdit1->setText(QString::fromLocal8Bit(tree));
                form.AddDirButton->click();
            }
        },
        probe, gaps);
    const double heapAdded = HeapInUseMiB();
    Figures search;
    if (find)
        search = Measure([&] { form.FindFilesButton->click(); }, probe, gaps);
    const double heapFound = HeapInUseMiB();
    std::printf("platform=%s folders=%d groups=%d asked=%d "
                "add_s=%.3f add_cpu_s=%.3f add_late_ms=%.1f add_gap_ms=%.1f add_gap_cpu_ms=%.1f "
                "add_pumps=%ld find_s=%.3f find_cpu_s=%.3f find_late_ms=%.1f find_gap_ms=%.1f "
                "find_gap_cpu_ms=%.1f find_pumps=%ld heap_start_mib=%.1f heap_added_mib=%.1f "
                "heap_found_mib=%.1f\n",
                qPrintable(QGuiApplication::platformName()), form.DirListBox->model()->rowCount(),
                form.State.NextGroupRow - 1, dialogs.asked, add.wall, add.cpu, add.lateMs,
                add.gapMs, add.gapCpuMs, add.pumps, search.wall, search.cpu, search.lateMs,
                search.gapMs, search.gapCpuMs, search.pumps, heapStart, heapAdded, heapFound);
    return 0;
}
