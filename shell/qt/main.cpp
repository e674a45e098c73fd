// kvadrix: the desktop program. Shows the splash window until its timer
// stops (or a key), then the main window, and runs until that is closed.
//   kvadrix [--no-splash]   --no-splash starts straight into the main window.
#include <QApplication>

#include <cstdio>
#include <cstring>
#include <memory>

#include "DodekaederSplashForm.h"
#include "GraphLink.h"
#include "KvadrixForm.h"

int main(int argc, char** argv) {
    bool splash = true;
    for (int i = 1; i < argc; ++i) {
        if (std::strcmp(argv[i], "--no-splash") == 0) {
            splash = false;
        } else {
            std::fprintf(stderr, "Brug: kvadrix [--no-splash]\n");
            return 2;
        }
    }
    // Qt's own options (-style, -platform ...) are not the program's: the
    // application object gets the program name alone.
    static char name[] = "kvadrix";
    static char* arguments[] = {name, nullptr};
    int count = 1;
    QApplication application(count, arguments);
    QApplication::setApplicationName(QStringLiteral("Kvadrix"));
    std::unique_ptr<TDodekaederSplashForm> splashForm;
    if (splash) {
        splashForm = std::make_unique<TDodekaederSplashForm>();
        RunSplashPhase(*splashForm);
    }
    TKvadrixForm form;
    LinkGraphWindow(form);  // the two windows know nothing of each other
    splashForm.reset();
    form.show();
    form.activateWindow();  // without a window manager show() does not activate
    return application.exec();
}
