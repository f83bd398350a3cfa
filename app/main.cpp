#include "app/Appearance.h"
#include "app/MainForm.h"
#include "app/QtDialogService.h"
#include "app/QtThreads.h"

#include <QApplication>
#include <QScreen>

#include <cstdio>
#include <cstdlib>

namespace {

bool IsSet(const char* variable) {
    const char* value = std::getenv(variable);
    return value && *value;
}

} // namespace

int main(int argc, char** argv) {
    // Without a display Qt aborts with advice to reinstall; say what is missing instead.
    if (!IsSet("DISPLAY") && !IsSet("WAYLAND_DISPLAY") && !IsSet("QT_QPA_PLATFORM")) {
        std::fputs("kelvaro: the window needs a graphical session, and there is none here "
                   "(DISPLAY and WAYLAND_DISPLAY are not set).\n"
                   "To search from the command line: kelvaro-find FOLDER...\n",
                   stderr);
        return 1;
    }
    QApplication app(argc, argv); // the command line is not read
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
