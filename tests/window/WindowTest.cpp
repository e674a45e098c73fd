// Wiring of the main window: controls and menu built from the model's tables,
// field events reaching the handlers, activation, error boxes and printing.
// The handlers' logic is tested through the model elsewhere.
#include <QtTest>
#include <QtWidgets>
#include <QPrinter>

#include <memory>

#include "CaseFile.h"
#include "Cp1252.h"
#include "Handlers.h"
#include "Host.h"
#include "KvadrixForm.h"
#include "Notation.h"
#include "PageLayout.h"

namespace {

QString ToQ(std::string_view cp1252) { return QString::fromStdString(Cp1252ToUtf8(cp1252)); }

// Answers the program's modal boxes as they open: records each one, clicks
// the next scripted button, OK when the script is used up.
class BoxAnswerer : public QObject {
public:
    struct Box {
        QString text;
        QString title;
        QMessageBox::Icon icon;
        bool withIgnore;  // has an "Ignorer" button
    };
    BoxAnswerer() {
        connect(&timer_, &QTimer::timeout, this, [this] { Poll(); });
        timer_.start(10);
    }
    QList<QMessageBox::StandardButton> answers;
    QList<Box> seen;

private:
    void Poll() {
        auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
        if (!box || !box->isVisible()) return;
        QAbstractButton* ignore = box->button(QMessageBox::Ignore);
        seen.append({box->text(), box->windowTitle(), box->icon(), ignore && ignore->text() == "Ignorer"});
        const auto answer = answers.isEmpty() ? QMessageBox::Ok : answers.takeFirst();
        QAbstractButton* button = box->button(answer) ? box->button(answer) : box->button(QMessageBox::Ok);
        if (!button) button = box->button(QMessageBox::No);
        if (button) button->click();
    }
    QTimer timer_;
};

}  // namespace

class WindowTest : public QObject {
    Q_OBJECT

    std::unique_ptr<TKvadrixForm> window;
    std::unique_ptr<BoxAnswerer> boxes;

    template <class T = QWidget>
    T* W(const char* name) { return window->findChild<T*>(QString::fromLatin1(name)); }
    QString Text(const char* name) { return W<QLineEdit>(name)->text(); }
    QString CurrentPage() { return W<QTabWidget>("KvadrixPageControl")->currentWidget()->objectName(); }
    QString Focus() { return QApplication::focusWidget() ? QApplication::focusWidget()->objectName() : QString(); }
    QString Log() { return W<QPlainTextEdit>("LogMemo")->toPlainText(); }
    void Menu(const char* item) { W<QAction>(item)->trigger(); }
    // A desktop with a window manager activates the window again when a box
    // closes; offscreen and bare Xvfb do not, so the test does it.
    void ActivatedAgain() {
        QEvent activate(QEvent::WindowActivate);
        QApplication::sendEvent(window.get(), &activate);
    }
    static QString PdfText(const QString& pdf) {
        QProcess text;
        text.start("pdftotext", {"-layout", "-enc", "UTF-8", pdf, "-"});
        text.waitForFinished(5000);
        return text.exitCode() == 0 ? QString::fromUtf8(text.readAllStandardOutput()) : QString();
    }
    bool Start() {
        window->show();
        window->activateWindow();
        return QTest::qWaitForWindowActive(window.get());
    }
    // Types text key by key, any characters, and leaves the field by a key.
    void Type(const char* field, const QString& text, Qt::Key leaveBy) {
        QWidget* w = W(field);
        w->setFocus(Qt::MouseFocusReason);
        for (char32_t c : text.toUcs4())
            QTest::sendKeyEvent(QTest::Click, w, Qt::Key_unknown, QString::fromUcs4(&c, 1), Qt::NoModifier);
        QTest::keyClick(w, leaveBy);
    }

private slots:
    void initTestCase() {
        QApplication::setQuitOnLastWindowClosed(false);
        // Only the printing run has a printer; everything else sees none.
        if (qEnvironmentVariableIsEmpty("KVADRIX_PRINT_PDF")) qputenv("CUPS_SERVER", "/nonexistent");
        // Every test starts as a first run: the decimal comma on.
        QSettings(QStringLiteral("Kvadrix"), QStringLiteral("Kvadrix")).remove(QStringLiteral("Decimalkomma"));
    }
    void init() {
        ErrorFlag = false;
        window = std::make_unique<TKvadrixForm>();
        boxes = std::make_unique<BoxAnswerer>();
    }
    void cleanup() {
        window.reset();
        boxes.reset();
    }

    void pagesCarryEveryControlOfTheTable() {
        QCOMPARE(window->windowTitle(), QString());
        QCOMPARE(window->geometry().size(), QSize(800, 431));
        QCOMPARE(window->pos(), QPoint(2, 2));
        auto* tabs = W<QTabWidget>("KvadrixPageControl");
        QCOMPARE(tabs->count(), int(PageCount));
        for (int p = 0; p < PageCount; ++p) {
            QCOMPARE(tabs->widget(p)->objectName(), QString(Pages[p].name));
            QCOMPARE(tabs->tabText(p), ToQ(Pages[p].caption));
        }
        Form initial;
        for (const ControlInfo& info : ControlTable) {
            const Control& c = info.get(initial);
            QWidget* w = W(info.name);
            QVERIFY2(w && tabs->widget(info.page)->isAncestorOf(w), info.name);
            QCOMPARE(w->isEnabled(), c.enabled);
            if (info.label) QCOMPARE(W<QLabel>(info.label)->buddy(), w);
            if (auto* label = qobject_cast<QLabel*>(w)) QCOMPARE(label->text(), ToQ(c.text));
            if (auto* radio = qobject_cast<QRadioButton*>(w)) {
                QCOMPARE(radio->text(), ToQ(c.text));
                QCOMPARE(radio->isChecked(), c.checked);
            }
            if (auto* spin = qobject_cast<QSpinBox*>(w))
                QCOMPARE(QList({spin->minimum(), spin->maximum(), spin->value()}), QList({c.minimum, c.maximum, c.value}));
            if (auto* edit = qobject_cast<QLineEdit*>(w)) {
                QCOMPARE(edit->text(), ToQ(c.text));
                QCOMPARE(edit->isReadOnly(), info.kind == ControlKind::Output);
                QCOMPARE(edit->validator() != nullptr, info.kind == ControlKind::Input);
            }
        }
        for (int p = 0; p < PageCount; ++p)
            for (const GridCell& cell : PageGrid(Page(p))) {
                const ControlInfo* info = FindControl(cell.control);
                QVERIFY2(info && info->page == p, cell.control);
            }
        auto* log = W<QPlainTextEdit>("LogMemo");
        QCOMPARE(log->toPlainText(), QString("Log over mellemregninger"));
        QCOMPARE(log->lineWrapMode(), QPlainTextEdit::NoWrap);
        QCOMPARE(log->horizontalScrollBarPolicy(), Qt::ScrollBarAlwaysOn);
        QCOMPARE(log->verticalScrollBarPolicy(), Qt::ScrollBarAlwaysOn);
        QVERIFY(QFontInfo(log->font()).fixedPitch());
    }

    void menuFollowsTheTable() {
        QMap<QString, QList<QAction*>> menus;  // "" is the menu bar
        for (const MenuInfo& item : MenuTable) {
            QAction* action = W<QAction>(item.name);
            QVERIFY2(action && action->text() == ToQ(item.caption), item.name);
            menus[item.parent ? item.parent : ""].append(action);
        }
        QCOMPARE(window->menuBar()->actions(), menus.take(""));
        for (auto it = menus.begin(); it != menus.end(); ++it)
            QCOMPARE(W<QMenu>(it.key().toLatin1())->actions(), it.value());
    }

    // The decimal comma: on at the first start, a checkable item of the
    // Program menu that turns the shown fields over, remembered for the next run.
    void decimalCommaIsASettingRemembered() {
        QVERIFY(Start());
        QAction* item = W<QAction>("DecimalkommaMenuItem");
        QVERIFY(item->isCheckable() && item->isChecked());
        Menu("FunktionMenuItem");
        Type("f_x_Edit", "x/4", Qt::Key_Return);
        Type("x0Edit", "6", Qt::Key_Return);
        QCOMPARE(Text("f_x0_Edit"), QString("1,5000"));
        item->trigger();
        QCOMPARE(Text("f_x0_Edit"), QString("1.5000"));
        window.reset();
        window = std::make_unique<TKvadrixForm>();
        QVERIFY(!W<QAction>("DecimalkommaMenuItem")->isChecked());
        QVERIFY(!window->Model().DecimalComma);
        W<QAction>("DecimalkommaMenuItem")->trigger();
        QVERIFY(window->Model().DecimalComma);
    }

    // Each item shows its page and puts the focus where the model asks.
    void menuItemActions_data() {
        QTest::addColumn<QString>("page");
        QTest::addColumn<QString>("focus");
        for (const CaseRow& row : ReadCaseTable("window/data/scripts.tsv", "Menu"))
            QTest::newRow(row[0].c_str()) << ToQ(row[1]) << ToQ(row[2]);
    }
    void menuItemActions() {
        QFETCH(QString, page);
        QFETCH(QString, focus);
        QVERIFY(Start());
        W<QLineEdit>("DividendEdit")->setText("x^2-1");  // emptied by the model's division item
        Menu(QTest::currentDataTag());
        QCOMPARE(window->isVisible(), !page.isEmpty());
        if (page.isEmpty()) return;
        QCOMPARE(CurrentPage(), page);
        if (!focus.isEmpty()) QCOMPARE(Focus(), focus);
        QCOMPARE(Text("DividendEdit").isEmpty(), focus == "DividendEdit");
        QVERIFY(boxes->seen.isEmpty());
    }

    // Activation empties the log, clears the flag and
    // shows the Integration page.
    void activationAtStartUp() {
        Form& model = window->Model();
        W<QTabWidget>("KvadrixPageControl")->setCurrentIndex(LogTabSheet);
        model.LogMemo = {"x"};
        ErrorFlag = true;
        QVERIFY(Start());
        QCOMPARE(Log(), QString());
        QVERIFY(model.LogMemo.empty());
        QCOMPARE(model.State.EquationFields.size(), 5u);
        QCOMPARE(model.State.EquationFields[4], &model.TrancendenteLigninger.Ligning5Edit);
        QVERIFY(!ErrorFlag);
        QCOMPARE(CurrentPage(), QString("IntegrationTabSheet"));
        QCOMPARE(Focus(), QString("fxEdit"));
        // A computation's separator line is the log's first line.
        for (const char* line : {"", "a", ""}) AddLogLine(line);
        QCOMPARE(Log(), QString("\na\n"));
    }

    // The scenarios of data/scripts.tsv: keys, clicks and menu items on the
    // window, and the focus, texts and log they must lead to.
    void scripts_data() {
        QTest::addColumn<QString>("scenario");
        QStringList names;
        for (const CaseRow& row : ReadCaseTable("window/data/scripts.tsv", "Step"))
            if (!names.contains(QString::fromStdString(row[0]))) names << QString::fromStdString(row[0]);
        QVERIFY(names.size() >= 6);
        for (const QString& name : names) QTest::newRow(qPrintable(name)) << name;
    }
    void scripts() {
        QFETCH(QString, scenario);
        QVERIFY(Start());
        const QMap<QString, Qt::Key> keys{
            {"Return", Qt::Key_Return}, {"Tab", Qt::Key_Tab}, {"Up", Qt::Key_Up}, {"Down", Qt::Key_Down}};
        const QStringList onWidget{"type", "key", "click", "clear", "text", "text~", "label", "enabled"};
        const QStringList checks{"focus", "text", "text~", "label", "enabled", "page", "flag", "log", "log^", "log=", "title"};
        qsizetype boxesChecked = 0;
        for (const CaseRow& row : ReadCaseTable("window/data/scripts.tsv", "Step")) {
            if (QString::fromStdString(row[0]) != scenario) continue;
            const QString op = QString::fromStdString(row[1]);
            const char* name = row.size() > 2 ? row[2].c_str() : "";
            const QString arg = row.size() > 2 ? ToQ(row[2]) : QString(), value = row.size() > 3 ? ToQ(row[3]) : QString();
            const QByteArray where = QByteArray::fromStdString(row.where);
            QVERIFY2(!onWidget.contains(op) || W(name), where.constData());
            QString got;  // what a failed check saw
            bool ok = true;
            if (op == "menu") {
                Menu(name);
            } else if (op == "type") {
                Type(name, value, keys.value(ToQ(row[4])));
            } else if (op == "key") {
                W(name)->setFocus(Qt::MouseFocusReason);
                QTest::keyClick(W(name), keys.value(value));
            } else if (op == "click") {
                W<QAbstractButton>(name)->click();
            } else if (op == "clear") {
                W<QLineEdit>(name)->clear();
            } else if (op == "addlog") {
                AddLogLine(row[2]);
            } else if (op == "answer") {
                boxes->answers.append(arg == "Ignore" ? QMessageBox::Ignore : arg == "No" ? QMessageBox::No : QMessageBox::Ok);
            } else if (op == "activate") {
                ActivatedAgain();
            } else if (op == "active") {
                QTRY_VERIFY_WITH_TIMEOUT(QApplication::activeWindow() == window.get(), 1000);
            } else if (op == "box") {
                QVERIFY2(boxesChecked < boxes->seen.size(), (where + ": no box").constData());
                const BoxAnswerer::Box& box = boxes->seen[boxesChecked++];
                got = box.text;
                // "?" is a question (Ja/Nej), otherwise an error box with (1) or without (0) Ignore.
                const bool kind = arg == "?" ? box.icon == QMessageBox::Question
                                             : box.icon == QMessageBox::Critical && box.withIgnore == (arg == "1");
                ok = kind && (value.isEmpty() || got == value);
            } else {
                QVERIFY2(checks.contains(op), (where + ": unknown step").constData());
                got = op == "focus"     ? Focus()
                      : op == "label"   ? W<QLabel>(name)->text()
                      : op == "enabled" ? QString::number(W(name)->isEnabled())
                      : op == "page"    ? CurrentPage()
                      : op == "flag"    ? QString::number(ErrorFlag)
                      : op == "title"   ? (boxesChecked > 0 ? boxes->seen[boxesChecked - 1].title : QString())
                      : op.startsWith("text") ? Text(name)
                                              : Log();
                const QString& want = onWidget.contains(op) ? value : arg;
                ok = op == "log" || op == "text~" ? got.contains(want) : op == "log^" ? got.startsWith(want) : got == want;
            }
            QVERIFY2(ok, (where + ": " + got.toUtf8()).constData());
        }
        QCOMPARE(boxes->seen.size(), boxesChecked);
    }

    // Tab goes through every enabled control of a page in reading order; a
    // page's radio buttons are one stop (the arrow keys choose among them).
    // No exit handler turns the focus away.
    void tabReachesEveryControlInReadingOrder() {
        QVERIFY(Start());
        W<QAbstractButton>("PolynomiaerRegressionRadioButton")->click();  // PolynomiumsGrad enabled
        auto* tabs = W<QTabWidget>("KvadrixPageControl");
        auto stop = [](QWidget* w) { return qobject_cast<QRadioButton*>(w) ? QString("radio") : w->objectName(); };
        for (int p = 0; p < PageCount; ++p) {
            if (p == LogTabSheet) continue;
            tabs->setCurrentIndex(p);
            QStringList expected;
            for (const GridCell& cell : PageGrid(Page(p))) {
                QWidget* w = W(cell.control);
                if (!qobject_cast<QLabel*>(w) && w->isEnabled() && !expected.contains(stop(w))) expected << stop(w);
            }
            tabs->tabBar()->setFocus(Qt::TabFocusReason);  // Tab from the page's tab
            QStringList seen;
            for (int k = 0; k < expected.size(); ++k) {
                QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
                seen << stop(QApplication::focusWidget());
            }
            QCOMPARE(seen, expected);
            QVERIFY(boxes->seen.isEmpty());
        }
    }

    // Any text, longer than a field holds and outside Windows-1252, typed
    // into any field and left: no crash, no hang, texts stay within 255.
    void anyTextInAnyField() {
        QVERIFY(Start());
        const QString junk = QString::fromUtf8("x^2æøå€中(/)*,.;=-+éÿ\u2603 ").repeated(14);
        for (const ControlInfo& info : ControlTable) {
            if (info.kind != ControlKind::Input || !W(info.name)->isEnabled()) continue;
            W<QTabWidget>("KvadrixPageControl")->setCurrentIndex(info.page);
            W<QLineEdit>(info.name)->clear();
            Type(info.name, junk, Qt::Key_Tab);
            QVERIFY2(Text(info.name).size() <= 255, info.name);
            QVERIFY2(window->Model().Find(info.name)->text.size() <= 255, info.name);
        }
    }

    // A text the field cannot hold (255 Windows-1252 characters) is refused
    // whole and the status bar says so; nothing is cut silently.
    void tooLongTextIsRefusedAndSaid_data() {
        QTest::addColumn<QString>("before");
        QTest::addColumn<QString>("pasted");
        QTest::addColumn<bool>("refused");
        for (const CaseRow& r : ReadCaseTable("window/data/scripts.tsv", "TooLong"))
            QTest::newRow(ToQ(r[0]).toUtf8().constData()) << ToQ(r[1]) << ToQ(r[2]) << (r[3] == "1");
    }
    void tooLongTextIsRefusedAndSaid() {
        QFETCH(QString, before);
        QFETCH(QString, pasted);
        QFETCH(bool, refused);
        QVERIFY(Start());
        Menu("FunktionMenuItem");
        auto* edit = W<QLineEdit>("f_x_Edit");
        edit->setText(before);
        edit->end(false);
        if (pasted.size() == 1) {
            QTest::keyClicks(edit, pasted);
        } else {
            QApplication::clipboard()->setText(pasted);
            QTest::keySequence(edit, QKeySequence::Paste);
        }
        const QString message = window->statusBar()->currentMessage();
        QCOMPARE(edit->text(), refused ? before : before + pasted);
        QCOMPARE(message, refused ? QString::fromUtf8("Teksten er for lang: højst 255 tegn. Feltet er uændret.") : QString());
        QTest::keyClick(edit, Qt::Key_Return);
        QCOMPARE(ToQ(window->Model().Funktion.f_x_Edit.text), edit->text());
    }

    void printsLogOnDefaultPrinter() {
        const QString pdf = qEnvironmentVariable("KVADRIX_PRINT_PDF");
        if (pdf.isEmpty()) QSKIP("needs the private CUPS queue of with_cups.sh");
        QVERIFY(Start());
        QStringList expected;
        for (int i = 1; i <= 150; ++i) {
            std::string line = "Linje " + std::to_string(i) + ": I(x^2*sin(x))dx = \xE6\xF8\xE5 \xC6\xD8\xC5";
            // Lines wider than the page; on A4 the second one runs across the page break.
            if (i == 3 || i == 62)
                for (int k = 1; k <= 40; ++k) line += "+" + std::to_string(k) + "*\xE6\xF8\xE5^" + std::to_string(k);
            AddLogLine(line);
            expected << ToQ(line);
        }
        int dialogs = 0;
        window->AskPrinter = [&](QPrinter& printer) {
            ++dialogs;
            return printer.printerName() == "KVADRIX_PDF";  // the dialog starts on the default printer
        };
        Menu("UdskrivLogMenuItem");
        QVERIFY(boxes->seen.isEmpty());
        QCOMPARE(dialogs, 1);

        QString printed;
        QTRY_VERIFY_WITH_TIMEOUT(QFile::exists(pdf) && (printed = PdfText(pdf)).contains("Linje 150:"), 15000);
        // An indented printed line continues the log line above it.
        QStringList lines;
        int continuations = 0;
        for (QString line : printed.split('\n')) {
            if (line.startsWith('\f')) line.remove(0, 1);
            if (line.trimmed().isEmpty()) continue;
            if (line.startsWith(' ') && !lines.isEmpty()) {
                lines.last() += line.trimmed();
                ++continuations;
            } else {
                lines << line.trimmed();
            }
        }
        QCOMPARE(lines, expected);
        QVERIFY2(continuations >= 6, "the two long lines are continued, not cut");
        QVERIFY2(printed.count('\f') >= 2, "150 lines take several pages");
        QCOMPARE(window->Model().LogMemo.size(), std::size_t(150));
    }

    // The log saved as PDF (the printout's pages) and as UTF-8 text, read back;
    // a file that cannot be written gives a message, and a cancelled dialog nothing.
    void savesLogAsPdfAndText() {
        QVERIFY(Start());
        const std::vector<std::string> lines = {"Log over mellemregninger", "",
                                                "f(x) = x^2 \xE6\xF8\xE5 \xC6\xD8\xC5", "Kontrol: F'(x) = f(x) i 7 punkter"};
        window->Model().LogMemo.clear();
        for (const std::string& line : lines) AddLogLine(line);
        QTemporaryDir dir;
        QString answer;
        QStringList asked;
        window->AskSavePath = [&](const QString& title, const QString&, const QString& suffix) {
            asked << title + "|" + suffix;
            return answer;
        };
        answer = dir.filePath("log.pdf");
        Menu("GemLogPdfMenuItem");
        answer = dir.filePath("log.txt");
        Menu("GemLogTekstMenuItem");
        QCOMPARE(asked, QStringList({"Gem log som PDF|pdf", "Gem log som tekst|txt"}));
        QVERIFY(boxes->seen.isEmpty());

        QStringList pdfLines;
        for (const QString& line : PdfText(dir.filePath("log.pdf")).split('\n'))
            if (!line.trimmed().isEmpty()) pdfLines << line.trimmed();
        QStringList expected;
        for (const std::string& line : lines)
            if (!line.empty()) expected << ToQ(line);
        QCOMPARE(pdfLines, expected);
        QFile text(dir.filePath("log.txt"));
        QVERIFY(text.open(QIODevice::ReadOnly));
        QString expectedText;
        for (const std::string& line : lines) expectedText += ToQ(line) + "\n";
        QCOMPARE(QString::fromUtf8(text.readAll()), expectedText);

        for (const char* item : {"GemLogPdfMenuItem", "GemLogTekstMenuItem"}) {
            answer = dir.filePath("mangler/log");
            Menu(item);
            QCOMPARE(boxes->seen.size(), 1);
            QVERIFY2(boxes->seen.takeFirst().text.startsWith("Loggen kan ikke gemmes: "), item);
            answer.clear();
            Menu(item);
            QVERIFY(boxes->seen.isEmpty());
        }
        QVERIFY(!QFile::exists(dir.filePath("mangler")));
    }

    // Without a printer, printing offers the PDF file instead: "Nej" leaves
    // it, "Ja" saves through the file dialog.
    void printWithoutPrinterOffersPdf() {
        QVERIFY(Start());
        QTemporaryDir dir;
        int asked = 0;
        window->AskSavePath = [&](const QString&, const QString&, const QString&) {
            ++asked;
            return dir.filePath("log.pdf");
        };
        window->AskPrinter = [](QPrinter&) { return false; };
        AddLogLine("Kontrol: f(x) = \xE6\xF8\xE5");
        boxes->answers = {QMessageBox::No, QMessageBox::Yes};
        Menu("UdskrivLogMenuItem");
        QCOMPARE(asked, 0);
        Menu("UdskrivLogMenuItem");
        QCOMPARE(asked, 1);
        QCOMPARE(boxes->seen.size(), 2);
        QCOMPARE(boxes->seen[0].text, QString::fromUtf8("Der er ingen printer. Vil du gemme loggen som PDF i stedet?"));
        QCOMPARE(PdfText(dir.filePath("log.pdf")).trimmed(), QString::fromUtf8("Kontrol: f(x) = \u00e6\u00f8\u00e5"));
    }

    // Hjælp: the notation window states every example, "Om Kvadrix" the checks.
    void helpMenuShowsNotationAndAbout() {
        QVERIFY(Start());
        Menu("NotationMenuItem");
        auto* help = window->findChild<QDialog*>("HjaelpForm");
        QVERIFY(help && help->isVisible() && !help->isModal());
        const QString notation = help->findChild<QTextBrowser*>("NotationBrowser")->toPlainText();
        for (const NotationExample& example : NotationExamples) {
            // The window starts with the decimal comma: results are shown as the fields show them.
            QVERIFY2(notation.contains(ToQ(WithDecimalComma(example.result).c_str())), example.result);
            for (const NotationStep& step : example.steps) QVERIFY2(notation.contains(ToQ(step.text)), step.text);
        }
        QVERIFY(notation.contains("255 tegn"));
        QVERIFY(notation.contains("-(x^2)"));
        Menu("OmKvadrixMenuItem");
        QCOMPARE(boxes->seen.size(), 1);
        QVERIFY(boxes->seen[0].text.contains("Kvadrix 1."));
        QVERIFY(boxes->seen[0].text.contains("Kontrol: "));
        QVERIFY(boxes->seen[0].text.contains("Licens"));
    }

    // Qt's own dialogs in Danish: the print dialog's and the file dialog's texts.
    void qtDialogsSpeakDanish() {
        QVERIFY(InstallDanishQtTexts());
        QCOMPARE(QCoreApplication::translate("QPrintDialog", "Print"), QString("Udskriv"));
        QCOMPARE(QCoreApplication::translate("QFileDialog", "File &name:"), QString("&Filnavn:"));
    }

    // The real window on a screen (run under Xvfb too); KVADRIX_SCREENSHOT_DIR
    // receives a picture of every page.
    void realWindowOpensAtItsSize() {
        QVERIFY(Start());
        QVERIFY(QTest::qWaitForWindowExposed(window.get()));
        QCOMPARE(window->size(), QSize(800, 431));
        QCOMPARE(window->frameGeometry().topLeft(), QPoint(2, 2));
        auto* tabs = W<QTabWidget>("KvadrixPageControl");
        QVERIFY2(tabs->tabBar()->sizeHint().width() <= tabs->width(), "every tab is in sight");
        for (QAction* item : window->menuBar()->actions()) {
            const QRect place = window->menuBar()->actionGeometry(item);
            QVERIFY2(!place.isEmpty() && place.right() < window->menuBar()->width(), qPrintable(item->text()));
        }
        const QString dir = qEnvironmentVariable("KVADRIX_SCREENSHOT_DIR");
        if (dir.isEmpty()) return;
        for (int p = 0; p < PageCount; ++p) {
            tabs->setCurrentIndex(p);
            QTest::qWait(50);
            const QPixmap shot = window->screen()->grabWindow(0);
            QVERIFY(shot.save(QDir(dir).filePath(QString("%1-%2.png").arg(p).arg(Pages[p].name))));
        }
    }
};

QTEST_MAIN(WindowTest)
#include "WindowTest.moc"
