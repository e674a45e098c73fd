// kvadrix: the desktop program. Opens the main window and runs until it is
// closed; it takes no command line.
#include <QApplication>

#include "KvadrixForm.h"

int main(int, char**) {
    static char name[] = "kvadrix";
    static char* arguments[] = {name, nullptr};
    int count = 1;
    QApplication application(count, arguments);
    QApplication::setApplicationName(QStringLiteral("Kvadrix"));
    TKvadrixForm form;
    form.show();
    form.activateWindow();  // without a window manager show() does not activate
    return application.exec();
}
