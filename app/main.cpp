#include "app/Appearance.h"
#include "app/MainForm.h"
#include "app/QtDialogService.h"
#include "app/QtThreads.h"
#include "platform/Memory.h"
#include "platform/Version.h"

#include <QApplication>
#include <QScreen>

#include <cstdio>
#include <cstdlib>
#include <cstring>

namespace {

bool IsSet(const char* variable) {
    const char* value = std::getenv(variable);
    return value && *value;
}

const char* const kUsage =
    "Usage: kelvaro [--help | --version]\n"
    "Opens the Kelvaro window, which finds files with identical contents in the folders you\n"
    "add to its list and removes the redundant copies you select, after you confirm.\n"
    "\n"
    "  -h, --help     show this summary\n"
    "      --version  show the version\n"
    "\n"
    "To search from the command line: kelvaro-find FOLDER... (see kelvaro-find --help).\n";

// Answers --help and --version on the terminal, without a window; -1 to go on.
int AnswerOnTerminal(int argc, char** argv) {
    for (int i = 1; i < argc; ++i) {
        if (std::strcmp(argv[i], "--help") == 0 || std::strcmp(argv[i], "-h") == 0) {
            std::fputs(kUsage, stdout);
            return 0;
        }
        if (std::strcmp(argv[i], "--version") == 0) {
            std::printf("kelvaro %s\n", VersionText().c_str());
            return 0;
        }
    }
    return -1;
}

} // namespace

int main(int argc, char** argv) {
    if (const int rc = AnswerOnTerminal(argc, argv); rc >= 0)
        return rc;
    platform::UseOneHeap();
    // Without a display Qt aborts with advice to reinstall; say what is missing instead.
    if (!IsSet("DISPLAY") && !IsSet("WAYLAND_DISPLAY") && !IsSet("QT_QPA_PLATFORM")) {
        std::fputs("kelvaro: the window needs a graphical session, and there is none here "
                   "(DISPLAY and WAYLAND_DISPLAY are not set).\n"
                   "To search from the command line: kelvaro-find FOLDER...\n",
                   stderr);
        return 1;
    }
    QApplication app(argc, argv); // Qt takes its own options; nothing else is read
    KeepQtThreadsReady();
    ApplyAppearance(app);
    QtDialogService dialogs;
    TMainForm form(dialogs);
    dialogs.SetOwner(&form);
    dialogs.SetHelp([&form](int topic) { form.ShowHelpTopic(topic); });
    // Centred on the screen; position and size are not stored.
    if (const QScreen* screen = QGuiApplication::primaryScreen())
        form.move(screen->availableGeometry().center() - form.rect().center());
    form.show();
    return app.exec();
}
