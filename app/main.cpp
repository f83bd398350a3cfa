#include "app/Appearance.h"
#include "app/MainForm.h"
#include "app/QtDialogService.h"

#include <QApplication>
#include <QScreen>

int main(int argc, char** argv) {
    QApplication app(argc, argv); // the command line is not read
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
