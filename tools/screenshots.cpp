// kvadrix-screenshots DIR: saves PNG pictures of the splash window and of the
// main window's tabs into DIR, with a few fields filled in as a user would
// (the focus leaves each field, so its handler runs). Run under Xvfb by
// tools/screenshots.sh so that the pictures show the real platform's fonts.
#include <QAction>
#include <QKeyEvent>
#include <QApplication>
#include <QDialog>
#include <QDir>
#include <QElapsedTimer>
#include <QLineEdit>
#include <QTabWidget>
#include <QThread>

#include <cstdio>

#include "DodekaederSplashForm.h"
#include "KvadrixForm.h"

namespace {

void Settle(int ms = 100) {
    QElapsedTimer t;
    t.start();
    while (t.elapsed() < ms) {
        QCoreApplication::processEvents(QEventLoop::AllEvents, 10);
        QThread::msleep(5);
    }
}

bool Save(QWidget& w, const QDir& dir, const char* file) {
    const QString path = dir.filePath(QString::fromLatin1(file));
    if (w.grab().save(path)) return true;
    std::fprintf(stderr, "Kan ikke skrive %s\n", qPrintable(path));
    return false;
}

struct Field {
    const char* name;
    const char* text;
};

struct Shot {
    const char* menuItem;  // nullptr: by the page tabs
    int page;
    Field fields[3];
    const char* leaveTo;  // the field whose focus ends the last input
    const char* file;
    const char* enterFirst = nullptr;  // a control to press Enter in first (a count spin edit)
};

// Enter in a control, as the keyboard gives it.
void PressEnter(QWidget* w) {
    w->setFocus(Qt::OtherFocusReason);
    Settle(20);
    QWidget* target = QApplication::focusWidget() ? QApplication::focusWidget() : w;
    QKeyEvent press(QEvent::KeyPress, Qt::Key_Return, Qt::NoModifier);
    QKeyEvent release(QEvent::KeyRelease, Qt::Key_Return, Qt::NoModifier);
    QCoreApplication::sendEvent(target, &press);
    QCoreApplication::sendEvent(target, &release);
    Settle(50);
}

}  // namespace

int main(int argc, char** argv) {
    if (argc != 2) {
        std::fprintf(stderr, "Brug: kvadrix-screenshots MAPPE\n");
        return 2;
    }
    static char name[] = "kvadrix";
    static char* arguments[] = {name, nullptr};
    int count = 1;
    QApplication application(count, arguments);
    const QDir dir(QString::fromLocal8Bit(argv[1]));
    bool ok = true;
    {
        TDodekaederSplashForm splash;
        splash.show();
        Settle();
        for (int tick = 0; tick < 60; ++tick) splash.TimerTimer();
        Settle();
        ok = Save(splash, dir, "splash.png") && ok;
    }

    TKvadrixForm form;
    form.show();
    form.activateWindow();
    for (int i = 0; i < 100 && !form.isActiveWindow(); ++i) Settle(20);
    Settle();
    auto* pages = form.findChild<QTabWidget*>(QStringLiteral("KvadrixPageControl"));
    const Shot shots[] = {
        {"StamfunktionMenuItem", -1, {{"fxEdit", "x*exp(x)"}, {"NedreGraenseEdit", "0"}, {"OevreGraenseEdit", "1"}},
         "BestemtIntegralEdit", "integration.png"},
        {"DifferentiationMenuItem", -1, {{"fx_Edit", "x^3*sin(2*x)"}, {"x_Edit", "1.5"}}, "f_value_Edit",
         "differentiation.png"},
        {"FunktionMenuItem", -1, {{"f_x_Edit", "(x^2-1)/(x+1)"}, {"x0Edit", "2.5"}}, "f_x0_Edit", "funktion.png"},
        {"FaktorReduktionMenuItem", -1, {{"Factor_fxEdit", "x^3*x^2/x+2*x*x^3"}, {}}, "ReduceretFxEdit",
         "faktorreduktion.png"},
        {"PolynomiersRoedderMenuItem", -1, {{"px_Edit", "x^3-6x^2+11x-6"}, {"DividendEdit", "x^3-1"}, {"DivisorEdit", "x-1"}},
         "PolBroekEdit", "polynomier.png"},
        {"ExtremumMenuItem", -1, {{"fxyzEdit", "(x-1)^2+(y+2)^2+3"}, {"xyz0Edit", "(0,0)"}}, "xyzMinEdit",
         "minimum.png", "AntalVariableSpinEdit"},
        {"n_ubekendteligningerMenuItem", -1, {{"Ligning1Edit", "x^2+y^2=4"}, {"Ligning2Edit", "x-y"}, {"xy0Edit", "(1,1)"}},
         "PraecisionEdit", "ligninger.png", "AntalLigningerSpinEdit"},
        {"ReggressionMenuItem", -1, {{"RegressionsPunkterEdit", "(1,2.1); (2,3.9); (3,6.2); (4,7.8); (5,10.1)"}},
         "RegressionsLiniensLigningEdit", "regression.png", "AntalRegressionsPunkterSpinEdit"},
        {nullptr, 6, {}, nullptr, "log.png"},
    };
    for (const Shot& shot : shots) {
        if (shot.menuItem) {
            if (auto* action = form.findChild<QAction*>(QString::fromLatin1(shot.menuItem))) action->trigger();
        } else if (pages) {
            pages->setCurrentIndex(shot.page);
        }
        Settle(50);
        if (shot.enterFirst)
            if (auto* w = form.findChild<QWidget*>(QString::fromLatin1(shot.enterFirst))) PressEnter(w);
        for (const Field& field : shot.fields) {
            if (!field.name) continue;
            auto* edit = form.findChild<QLineEdit*>(QString::fromLatin1(field.name));
            if (!edit) {
                std::fprintf(stderr, "Feltet %s findes ikke\n", field.name);
                return 1;
            }
            // A field that the previous one enables on leaving: leave that one first.
            if (!edit->isEnabled() && pages) {
                pages->setFocus(Qt::OtherFocusReason);
                Settle(50);
            }
            edit->setFocus(Qt::OtherFocusReason);
            Settle(20);
            edit->setText(QString::fromLatin1(field.text));
        }
        if (shot.leaveTo)
            if (auto* next = form.findChild<QWidget*>(QString::fromLatin1(shot.leaveTo))) next->setFocus(Qt::OtherFocusReason);
        Settle();
        ok = Save(form, dir, shot.file) && ok;
    }
    // The notation help, as the Hjælp menu opens it.
    if (auto* action = form.findChild<QAction*>(QStringLiteral("NotationMenuItem"))) action->trigger();
    Settle();
    if (auto* help = form.findChild<QDialog*>(QStringLiteral("HjaelpForm")))
        ok = Save(*help, dir, "notation.png") && ok;
    else
        ok = false;
    return ok ? 0 : 1;
}
