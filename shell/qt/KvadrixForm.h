#pragma once
// TKvadrixForm: the main window. Builds the menu and the nine pages from the
// model's tables, and runs the model's handlers on the field events: leaving
// an input field runs its exit handler, Enter runs its Enter action.
#include <QMainWindow>
#include <QPointer>

#include <functional>
#include <memory>
#include <string>
#include <string_view>
#include <unordered_map>
#include <vector>

#include "Form.h"

class QPlainTextEdit;
class QPrinter;
class QTabWidget;
class QtHost;
class THjaelpForm;
class Host;

// The program speaks Danish; so do Qt's own file and print dialogs once this
// has run (when Debian's qt6-translations-l10n is installed). False: not found.
bool InstallDanishQtTexts();

class TKvadrixForm : public QMainWindow {
    Q_OBJECT

public:
    explicit TKvadrixForm(QWidget* parent = nullptr);
    ~TKvadrixForm() override;

    Form& Model() { return form_; }
    // The title of an error box: "Fejl i feltet f(x)" while a field's handler
    // runs, so that the box names the field it is about; else "Fejl".
    QString ErrorBoxTitle();

    // For the graph window, which the program connects: the model with the
    // widgets' texts taken in, and the page shown.
    const Form& CurrentModel();
    int CurrentPage() const;

    // The host's AddLogLine: one line (Windows-1252) into the model and the log page.
    void AppendLogLine(std::string_view line);

    // The dialogs of printing and saving the log: the print dialog (false:
    // cancelled) and the file dialog for saving (the path, "" when cancelled).
    // Tests answer them in place of the user.
    std::function<bool(QPrinter&)> AskPrinter;
    std::function<QString(const QString& title, const QString& filter, const QString& suffix)> AskSavePath;

signals:
    void graphRequested();  // "Graf > Vis graf"
    void pageChanged();     // after every handler run and page change, when no handler runs

protected:
    bool event(QEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    struct BoundControl {
        const ControlInfo* info;
        QWidget* widget;
        Control shown;  // the state last exchanged with the widget
    };

    void SetCompactFont();
    void BuildMenu();
    void BuildPages();
    void FitBars();
    QWidget* CreateControl(const ControlInfo& info, QWidget* page);

    // One event's round trip through the model; events that arrive while one
    // runs (focus moves it causes) are queued and run right after it.
    // field: the control whose event it is, named in the title of the
    // handler's error boxes.
    void Run(void (*handler)(Form&), const char* field = nullptr);
    void Edited(const char* control);
    void CopyIn();
    void CopyOut();
    void ShowActivePage();
    void ApplyFocus(std::string_view control);
    void MirrorLog();
    void UdskrivLogMenuItemClick();
    void GemLogPdfMenuItemClick();
    void GemLogTekstMenuItemClick();
    void NotationMenuItemClick();
    // Runs a step that opens modal windows, with the model's handlers held
    // back until it ends.
    void RunModal(const std::function<void()>& step);
    void VisGrafMenuItemClick();
    void ReportChange();

    Form form_;
    std::unique_ptr<QtHost> host_;
    Host* previousHost_ = nullptr;
    std::vector<BoundControl> controls_;
    std::unordered_map<std::string_view, QWidget*> widgets_;  // by control name
    std::unordered_map<const QObject*, const EventInfo*> events_;
    QTabWidget* pages_ = nullptr;
    QPlainTextEdit* logMemo_ = nullptr;
    std::size_t shownLogLines_ = 0;
    std::string lastShownLogLine_;
    bool activated_ = false;
    bool running_ = false;
    bool copyingOut_ = false;
    std::vector<std::pair<void (*)(Form&), const char*>> pending_;
    const char* boxField_ = nullptr;  // the control whose handler runs
    QPointer<THjaelpForm> hjaelpForm_;
};
