#include "KvadrixForm.h"

#include <tuple>

#include <QApplication>
#include <QEvent>
#include <QFileDialog>
#include <QFocusEvent>
#include <QFontDatabase>
#include <QGridLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QLibraryInfo>
#include <QLineEdit>
#include <QLocale>
#include <QMenu>
#include <QMenuBar>
#include <QMessageBox>
#include <QSettings>
#include <QPlainTextEdit>
#include <QPrintDialog>
#include <QPrinter>
#include <QPrinterInfo>
#include <QProxyStyle>
#include <QRadioButton>
#include <QScrollBar>
#include <QSpinBox>
#include <QStatusBar>
#include <QTabBar>
#include <QTabWidget>
#include <QTextCursor>
#include <QTranslator>
#include <QValidator>
#include <QVBoxLayout>

#include <algorithm>
#include <map>
#include <set>

#include "Cp1252.h"
#include "Handlers.h"
#include "HelpWindow.h"
#include "Host.h"
#include "LogPrinter.h"
#include "PageLayout.h"
#include "QtHost.h"

namespace {

constexpr int Width = 800;
constexpr int Height = 431;
constexpr int MaxInputLength = 255;
constexpr std::size_t MaxQueuedEvents = 16;
constexpr const char* DecimalCommaKey = "Decimalkomma";
constexpr int MessageMilliseconds = 10000;
constexpr const char* TooLongMessage = "Teksten er for lang: h\xF8jst 255 tegn. Feltet er u\xE6ndret.";

QString ToQt(std::string_view cp1252) { return QString::fromStdString(Cp1252ToUtf8(cp1252)); }
std::string FromQt(const QString& text) { return Utf8ToCp1252(text.toStdString()); }

// Narrower tabs and menu items, so that all nine pages and all menu items fit
// the window's width.
class CompactBarStyle : public QProxyStyle {
public:
    int pixelMetric(PixelMetric metric, const QStyleOption* option, const QWidget* widget) const override {
        const int value = QProxyStyle::pixelMetric(metric, option, widget);
        return metric == PM_TabBarTabHSpace ? value / 2 : value;
    }
    QSize sizeFromContents(ContentsType type, const QStyleOption* option, const QSize& size,
                           const QWidget* widget) const override {
        QSize result = QProxyStyle::sizeFromContents(type, option, size, widget);
        if (type == CT_MenuBarItem) result.rwidth() -= 4;
        return result;
    }
};

// Refuses, whole, an edit that would make an input field longer than the
// engines' 255 Windows-1252 characters: a paste is not cut to what fits, which
// would compute another formula. The field then emits inputRejected.
class FieldLengthValidator : public QValidator {
public:
    using QValidator::QValidator;
    State validate(QString& input, int&) const override {
        // No character takes more Windows-1252 bytes than UTF-16 units.
        if (input.size() <= MaxInputLength) return Acceptable;
        return FromQt(input).size() <= std::size_t(MaxInputLength) ? Acceptable : Invalid;
    }
};

bool IsLineEdit(ControlKind kind) {
    return kind == ControlKind::Input || kind == ControlKind::Output || kind == ControlKind::Memo;
}

}  // namespace

bool InstallDanishQtTexts() {
    static QTranslator* texts = nullptr;
    if (texts) return true;
    auto* loaded = new QTranslator(QCoreApplication::instance());
    if (!loaded->load(QLocale(QLocale::Danish, QLocale::Denmark), QStringLiteral("qtbase"), QStringLiteral("_"),
                      QLibraryInfo::path(QLibraryInfo::TranslationsPath))) {
        delete loaded;
        return false;
    }
    texts = loaded;
    return QCoreApplication::installTranslator(texts);
}

TKvadrixForm::TKvadrixForm(QWidget* parent) : QMainWindow(parent), host_(std::make_unique<QtHost>(*this)) {
    setObjectName(QStringLiteral("KvadrixForm"));
    setWindowTitle(QString());
    SetCompactFont();
    // The decimal comma is on unless it was turned off in an earlier run.
    SetDecimalComma(form_, QSettings(QStringLiteral("Kvadrix"), QStringLiteral("Kvadrix")).value(DecimalCommaKey, true).toBool());
    BuildMenu();
    BuildPages();
    FitBars();
    // Says why an input field refused a text (present from the start, so
    // that the pages do not move when a message comes).
    statusBar()->setObjectName(QStringLiteral("StatusBar"));
    statusBar()->setSizeGripEnabled(false);
    move(2, 2);
    resize(Width, Height);
    previousHost_ = SetHost(host_.get());

    AskPrinter = [this](QPrinter& printer) {
        QPrintDialog dialog(&printer, this);
        dialog.setWindowTitle(QStringLiteral("Udskriv log"));
        dialog.setOptions(QAbstractPrintDialog::PrintToFile | QAbstractPrintDialog::PrintPageRange);
        return dialog.exec() == QDialog::Accepted;
    };
    AskSavePath = [this](const QString& title, const QString& filter, const QString& suffix) {
        QFileDialog dialog(this, title, QStringLiteral("kvadrix-log.") + suffix, filter);
        dialog.setAcceptMode(QFileDialog::AcceptSave);
        dialog.setDefaultSuffix(suffix);
        return dialog.exec() == QDialog::Accepted && !dialog.selectedFiles().isEmpty() ? dialog.selectedFiles().first()
                                                                                       : QString();
    };
}

TKvadrixForm::~TKvadrixForm() {
    // Widgets that lose the focus while the window is torn down must not reach the model.
    for (const auto& [object, events] : events_) const_cast<QObject*>(object)->removeEventFilter(this);
    events_.clear();
    SetHost(previousHost_);
}

// A compact sans-serif font, with Arial's metrics where available. Set
// before the controls exist, so that they are laid out once.
void TKvadrixForm::SetCompactFont() {
    QFont font = QApplication::font();
    font.setFamilies({QStringLiteral("Liberation Sans"), QStringLiteral("Arial"), font.family()});
    font.setPointSize(9);
    setFont(font);
}

// Narrower tabs and menu items; a smaller font where the tabs or the menu
// would still not fit the window's width.
void TKvadrixForm::FitBars() {
    auto* style = new CompactBarStyle;
    style->setParent(this);
    pages_->tabBar()->setStyle(style);
    menuBar()->setStyle(style);
    QFont smaller = font();
    for (int step = 0; step < 4; ++step) {
        if (pages_->tabBar()->sizeHint().width() <= Width - 10 && menuBar()->sizeHint().width() <= Width) break;
        smaller.setPointSizeF(smaller.pointSizeF() - 0.5);
        setFont(smaller);
    }
}

void TKvadrixForm::BuildMenu() {
    QMenuBar* bar = menuBar();
    bar->setObjectName(QStringLiteral("MainMenu"));
    std::map<std::string_view, QMenu*> submenus;
    std::set<std::string_view> parents;
    for (const MenuInfo& item : MenuTable)
        if (item.parent) parents.insert(item.parent);

    for (const MenuInfo& item : MenuTable) {
        const QString caption = ToQt(item.caption);
        const QString name = QString::fromLatin1(item.name);
        QMenu* parentMenu = nullptr;
        if (item.parent) {
            auto found = submenus.find(item.parent);
            if (found == submenus.end()) continue;  // the table lists parents first
            parentMenu = found->second;
        }
        if (parents.count(item.name)) {
            QMenu* menu = parentMenu ? parentMenu->addMenu(caption) : bar->addMenu(caption);
            menu->setObjectName(name);
            menu->menuAction()->setObjectName(name);
            submenus[item.name] = menu;
            continue;
        }
        QAction* action = parentMenu ? parentMenu->addAction(caption) : bar->addAction(caption);
        action->setObjectName(name);
        const std::string_view itemName = item.name;
        if (item.click) {
            connect(action, &QAction::triggered, this, [this, click = item.click] { Run(click); });
        } else if (itemName == "UdskrivLogMenuItem") {
            action->setShortcut(QKeySequence::Print);
            connect(action, &QAction::triggered, this, [this] { RunModal([this] { UdskrivLogMenuItemClick(); }); });
        } else if (itemName == "GemLogPdfMenuItem") {
            connect(action, &QAction::triggered, this, [this] { RunModal([this] { GemLogPdfMenuItemClick(); }); });
        } else if (itemName == "GemLogTekstMenuItem") {
            connect(action, &QAction::triggered, this, [this] { RunModal([this] { GemLogTekstMenuItemClick(); }); });
        } else if (itemName == "NotationMenuItem") {
            action->setShortcut(QKeySequence::HelpContents);
            connect(action, &QAction::triggered, this, [this] { NotationMenuItemClick(); });
        } else if (itemName == "OmKvadrixMenuItem") {
            connect(action, &QAction::triggered, this, [this] { RunModal([this] { ShowAboutBox(this); }); });
        } else if (itemName == "DecimalkommaMenuItem") {
            // A setting, remembered between runs.
            action->setCheckable(true);
            action->setChecked(form_.DecimalComma);
            connect(action, &QAction::toggled, this, [this](bool on) {
                SetDecimalComma(form_, on);
                QSettings(QStringLiteral("Kvadrix"), QStringLiteral("Kvadrix")).setValue(DecimalCommaKey, on);
                CopyOut();
            });
        } else if (itemName == "AfslutMenuItem") {
            connect(action, &QAction::triggered, this, &QWidget::close);
        } else if (itemName == "VisGrafMenuItem") {
            action->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_G));
            connect(action, &QAction::triggered, this, [this] { VisGrafMenuItemClick(); });
        }
    }
}

void TKvadrixForm::BuildPages() {
    pages_ = new QTabWidget(this);
    pages_->setObjectName(QStringLiteral("KvadrixPageControl"));
    setCentralWidget(pages_);

    for (int p = 0; p < PageCount; ++p) {
        const Page pageId = static_cast<Page>(p);
        auto* page = new QWidget;
        page->setObjectName(QString::fromLatin1(Pages[p].name));

        if (pageId == LogTabSheet) {
            auto* layout = new QVBoxLayout(page);
            logMemo_ = new QPlainTextEdit(page);
            logMemo_->setObjectName(QStringLiteral("LogMemo"));
            logMemo_->setReadOnly(true);
            logMemo_->setUndoRedoEnabled(false);  // the log only grows; no undo history
            logMemo_->setLineWrapMode(QPlainTextEdit::NoWrap);
            logMemo_->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
            logMemo_->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
            logMemo_->setFont(QFontDatabase::systemFont(QFontDatabase::FixedFont));
            layout->addWidget(logMemo_);
            MirrorLog();
            pages_->addTab(page, ToQt(Pages[p].caption));
            continue;
        }

        auto* grid = new QGridLayout(page);
        grid->setColumnStretch(1, 1);
        grid->setColumnStretch(3, 1);
        grid->setHorizontalSpacing(10);
        std::set<std::string_view> placed;
        int rows = 0;
        auto place = [&](const ControlInfo& info, int row, int column, int span) {
            QWidget* widget = CreateControl(info, page);
            Qt::Alignment alignment;
            if (info.kind == ControlKind::SpinEdit) alignment = Qt::AlignLeft;
            grid->addWidget(widget, row, column, 1, span, alignment);
            if (span == GridColumns) {
                if (auto* label = qobject_cast<QLabel*>(widget)) label->setWordWrap(true);
            }
            placed.insert(info.name);
            rows = std::max(rows, row + 1);
        };
        for (const GridCell& cell : PageGrid(pageId)) {
            const ControlInfo* info = FindControl(cell.control);
            if (info && info->page == pageId) place(*info, cell.row, cell.column, cell.columnSpan);
        }
        // A control without a cell still gets a row of its own below the others.
        for (const ControlInfo& info : ControlTable) {
            if (info.page != pageId || placed.count(info.name)) continue;
            const bool captioned = info.kind == ControlKind::Label || info.kind == ControlKind::RadioButton;
            place(info, rows, captioned ? 0 : 1, captioned ? GridColumns : GridColumns - 1);
        }
        for (int row = 0; row < rows; ++row)
            if (grid->itemAtPosition(row, 0) == nullptr && grid->itemAtPosition(row, 1) == nullptr)
                grid->setRowMinimumHeight(row, 12);
        grid->setRowStretch(rows, 1);
        pages_->addTab(page, ToQt(Pages[p].caption));
    }

    // Captions name their fields; the label's "&" then moves the focus there.
    for (const BoundControl& bound : controls_) {
        if (!bound.info->label) continue;
        const auto label = widgets_.find(bound.info->label);
        if (label != widgets_.end())
            if (auto* caption = qobject_cast<QLabel*>(label->second)) caption->setBuddy(bound.widget);
    }
    pages_->setCurrentIndex(IntegrationTabSheet);
    ApplyFocus("fxEdit");  // rather than the tab bar
    connect(pages_, &QTabWidget::currentChanged, this, [this] { ReportChange(); });
}

QWidget* TKvadrixForm::CreateControl(const ControlInfo& info, QWidget* page) {
    const Control& control = info.get(form_);
    QWidget* widget = nullptr;
    switch (info.kind) {
    case ControlKind::Label:
        widget = new QLabel(ToQt(control.text), page);
        break;
    case ControlKind::Input: {
        auto* edit = new QLineEdit(ToQt(control.text), page);
        edit->setValidator(new FieldLengthValidator(edit));
        connect(edit, &QLineEdit::inputRejected, this, [this] {
            statusBar()->showMessage(ToQt(TooLongMessage), MessageMilliseconds);
        });
        // Every keystroke empties the outputs computed from the old text at once.
        connect(edit, &QLineEdit::textEdited, this, [this, name = info.name] { Edited(name); });
        widget = edit;
        break;
    }
    case ControlKind::Output:
    case ControlKind::Memo: {
        auto* edit = new QLineEdit(ToQt(control.text), page);
        edit->setReadOnly(true);  // still selectable and copyable
        QPalette palette = edit->palette();
        palette.setColor(QPalette::Base, palette.color(QPalette::Window));
        edit->setPalette(palette);
        widget = edit;
        break;
    }
    case ControlKind::SpinEdit: {
        auto* spin = new QSpinBox(page);
        spin->setRange(control.minimum, control.maximum);
        spin->setValue(control.value);
        spin->setMinimumWidth(70);
        const std::size_t index = controls_.size();
        const EventInfo* events = FindEvents(info.name);
        connect(spin, &QSpinBox::valueChanged, this, [this, index, events](int value) {
            if (copyingOut_ || form_.Busy) return;
            BoundControl& bound = controls_[index];
            Control& c = bound.info->get(form_);
            c.value = value;
            c.text = std::to_string(value);
            bound.shown.value = value;
            bound.shown.text = c.text;
            if (events && events->change) Run(events->change, events->control);
        });
        widget = spin;
        break;
    }
    case ControlKind::RadioButton: {
        auto* radio = new QRadioButton(ToQt(control.text), page);
        radio->setChecked(control.checked);
        radio->setFocusPolicy(Qt::StrongFocus);  // reached by Tab on every platform
        const std::size_t index = controls_.size();
        // A choice takes effect when it changes (click, arrow keys, access key);
        // the button left emits first, so the model sees one choice.
        const EventInfo* events = FindEvents(info.name);
        connect(radio, &QRadioButton::toggled, this, [this, index, events](bool checked) {
            if (copyingOut_ || form_.Busy) return;
            BoundControl& bound = controls_[index];
            bound.info->get(form_).checked = checked;
            bound.shown.checked = checked;
            if (checked && events && events->change) Run(events->change, events->control);
        });
        widget = radio;
        break;
    }
    }
    widget->setObjectName(QString::fromLatin1(info.name));
    widget->setEnabled(control.enabled);
    if (info.kind == ControlKind::Input || info.kind == ControlKind::SpinEdit) {
        if (const EventInfo* events = FindEvents(info.name)) {
            events_[widget] = events;
            widget->installEventFilter(this);
        }
    }
    controls_.push_back({&info, widget, control});
    widgets_[info.name] = widget;
    return widget;
}

bool TKvadrixForm::event(QEvent* event) {
    // The activation steps run once, when the window first becomes active.
    // The program's only other windows are its own message boxes; running the
    // steps again when one closes would empty the log and leave the page the
    // user is on right after an error, and clear ErrorFlag mid-computation.
    if (event->type() == QEvent::WindowActivate && !activated_) {
        activated_ = true;
        Run(FormActivate);
    }
    return QMainWindow::event(event);
}

bool TKvadrixForm::eventFilter(QObject* watched, QEvent* event) {
    const auto found = events_.find(watched);
    if (found == events_.end()) return QMainWindow::eventFilter(watched, event);
    const EventInfo& events = *found->second;

    if (event->type() == QEvent::FocusOut) {
        // The field is left only when the focus moves inside the window, not
        // when another window, a menu or a popup takes it for a while.
        switch (static_cast<QFocusEvent*>(event)->reason()) {
        case Qt::ActiveWindowFocusReason:
        case Qt::PopupFocusReason:
        case Qt::MenuBarFocusReason:
            break;
        default:
            Run(events.exit, events.control);
        }
    } else if (event->type() == QEvent::KeyPress) {
        const int key = static_cast<QKeyEvent*>(event)->key();
        if (key == Qt::Key_Return || key == Qt::Key_Enter) {
            Run(events.enter, events.control);
            return true;
        }
    }
    return QMainWindow::eventFilter(watched, event);
}

void TKvadrixForm::Run(void (*handler)(Form&), const char* field) {
    if (!handler) return;
    if (running_) {
        if (pending_.size() < MaxQueuedEvents) pending_.emplace_back(handler, field);
        return;
    }
    running_ = true;
    for (std::size_t round = 0; round < MaxQueuedEvents; ++round) {
        CopyIn();
        boxField_ = field;
        RunHandler(form_, handler);
        boxField_ = nullptr;
        CopyOut();
        const std::string focus = std::move(form_.FocusRequest);
        form_.FocusRequest.clear();
        ShowActivePage();
        ApplyFocus(focus);
        MirrorLog();
        if (pending_.empty()) break;
        std::tie(handler, field) = pending_.front();
        pending_.erase(pending_.begin());
    }
    pending_.clear();
    running_ = false;
    ReportChange();
}

QString TKvadrixForm::ErrorBoxTitle() {
    const std::string caption = boxField_ ? FieldCaption(form_, boxField_) : std::string();
    if (caption.empty()) return QStringLiteral("Fejl");
    return QStringLiteral("Fejl i feltet ") + ToQt(caption);
}

// Widget states the user can change into the model: texts, spin values,
// radio buttons, the page shown. Enabled states and captions change only
// through the model.
void TKvadrixForm::CopyIn() {
    const int page = pages_->currentIndex();
    if (page >= 0 && page < PageCount) form_.ActivePage = static_cast<Page>(page);
    for (BoundControl& bound : controls_) {
        Control& control = bound.info->get(form_);
        if (IsLineEdit(bound.info->kind)) {
            control.text = FromQt(static_cast<QLineEdit*>(bound.widget)->text());
            bound.shown.text = control.text;
        } else if (bound.info->kind == ControlKind::SpinEdit) {
            auto* spin = static_cast<QSpinBox*>(bound.widget);
            control.value = spin->value();
            control.text = std::to_string(control.value);
            bound.shown.value = control.value;
            bound.shown.text = control.text;
        } else if (bound.info->kind == ControlKind::RadioButton) {
            control.checked = static_cast<QRadioButton*>(bound.widget)->isChecked();
            bound.shown.checked = control.checked;
        }
    }
}

// What the handler changed back to the widgets. A text is written only when
// the model changed it, so characters the engines cannot hold stay as typed.
void TKvadrixForm::CopyOut() {
    copyingOut_ = true;
    for (BoundControl& bound : controls_) {
        const Control& control = bound.info->get(form_);
        Control& shown = bound.shown;
        const bool textChanged = control.text != shown.text;
        switch (bound.info->kind) {
        case ControlKind::Label:
            if (textChanged) static_cast<QLabel*>(bound.widget)->setText(ToQt(control.text));
            break;
        case ControlKind::Input:
        case ControlKind::Output:
        case ControlKind::Memo:
            if (textChanged) static_cast<QLineEdit*>(bound.widget)->setText(ToQt(control.text));
            break;
        case ControlKind::SpinEdit: {
            auto* spin = static_cast<QSpinBox*>(bound.widget);
            if (control.minimum != shown.minimum || control.maximum != shown.maximum)
                spin->setRange(control.minimum, control.maximum);
            if (control.value != shown.value) spin->setValue(control.value);
            break;
        }
        case ControlKind::RadioButton: {
            auto* radio = static_cast<QRadioButton*>(bound.widget);
            if (textChanged) radio->setText(ToQt(control.text));
            if (control.checked != shown.checked) radio->setChecked(control.checked);
            break;
        }
        }
        // Disabling the focused field moves the focus on; its exit is queued.
        if (control.enabled != shown.enabled) bound.widget->setEnabled(control.enabled);
        shown = control;
    }
    copyingOut_ = false;
}

// The user changed an input's text: its outputs are emptied, in the window
// and in the open graph, before anything is computed again.
void TKvadrixForm::Edited(const char* control) {
    if (copyingOut_ || running_ || form_.Busy) return;
    CopyIn();
    InputEdited(form_, control);
    CopyOut();
    ReportChange();
}

void TKvadrixForm::ShowActivePage() {
    const int page = form_.ActivePage;
    if (page >= 0 && page < PageCount && pages_->currentIndex() != page) pages_->setCurrentIndex(page);
}

void TKvadrixForm::ApplyFocus(std::string_view control) {
    const auto found = widgets_.find(control);
    if (found != widgets_.end() && found->second->isEnabled()) found->second->setFocus(Qt::OtherFocusReason);
}

void TKvadrixForm::AppendLogLine(std::string_view line) {
    AppendLog(form_, line);
    MirrorLog();
}

// Brings the log page up to the model's log: appends the new lines, or shows
// it anew when the model's log was emptied or replaced. (appendPlainText
// would drop empty lines at the top: it fills an empty document's only block.)
void TKvadrixForm::MirrorLog() {
    const std::vector<std::string>& lines = form_.LogMemo;
    const bool consistent = shownLogLines_ <= lines.size() &&
                            (shownLogLines_ == 0 || lines[shownLogLines_ - 1] == lastShownLogLine_);
    if (!consistent) {
        logMemo_->clear();
        shownLogLines_ = 0;
    }
    if (shownLogLines_ == lines.size()) return;
    QScrollBar* bar = logMemo_->verticalScrollBar();
    const bool atBottom = bar->value() == bar->maximum();
    QTextCursor cursor(logMemo_->document());
    cursor.movePosition(QTextCursor::End);
    cursor.beginEditBlock();
    for (std::size_t i = shownLogLines_; i < lines.size(); ++i) {
        if (i > 0) cursor.insertBlock();
        cursor.insertText(LogLineText(lines[i]));
    }
    cursor.endEditBlock();
    if (atBottom) bar->setValue(bar->maximum());
    shownLogLines_ = lines.size();
    lastShownLogLine_ = lines.back();
}

void TKvadrixForm::RunModal(const std::function<void()>& step) {
    if (running_ || form_.Busy) return;
    running_ = true;
    form_.Busy = true;
    step();
    form_.Busy = false;
    running_ = false;
    activateWindow();  // offscreen and without a window manager a closed box does not give it back
    auto queued = std::move(pending_);
    pending_.clear();
    for (const auto& [handler, field] : queued) Run(handler, field);
}

// The print dialog on the default printer, where its "Print to PDF" is
// offered too. Without any printer the message offers a PDF file instead.
void TKvadrixForm::UdskrivLogMenuItemClick() {
    if (QPrinterInfo::availablePrinterNames().isEmpty()) {
        QMessageBox box(QMessageBox::Question, QStringLiteral("Udskriv log"),
                        QString::fromUtf8("Der er ingen printer. Vil du gemme loggen som PDF i stedet?"),
                        QMessageBox::Yes | QMessageBox::No, this);
        box.setObjectName(QStringLiteral("IngenPrinterBox"));
        box.button(QMessageBox::Yes)->setText(QStringLiteral("&Ja"));
        box.button(QMessageBox::No)->setText(QStringLiteral("&Nej"));
        box.setDefaultButton(QMessageBox::Yes);
        if (box.exec() == QMessageBox::Yes) GemLogPdfMenuItemClick();
        return;
    }
    const QPrinterInfo info = QPrinterInfo::defaultPrinter();
    QPrinter printer(info, QPrinter::HighResolution);
    if (!AskPrinter(printer)) return;
    const std::string problem = PrintLog(printer, form_.LogMemo);
    if (!problem.empty()) ShowErrorOK(ExpressionText(problem));
}

void TKvadrixForm::GemLogPdfMenuItemClick() {
    const QString path = AskSavePath(QStringLiteral("Gem log som PDF"), QStringLiteral("PDF-fil (*.pdf)"),
                                     QStringLiteral("pdf"));
    if (path.isEmpty()) return;
    const std::string problem = SaveLogPdf(path, form_.LogMemo);
    if (problem.empty())
        statusBar()->showMessage(QStringLiteral("Loggen er gemt i ") + path, MessageMilliseconds);
    else
        ShowErrorOK(ExpressionText(problem));
}

void TKvadrixForm::GemLogTekstMenuItemClick() {
    const QString path = AskSavePath(QStringLiteral("Gem log som tekst"), QStringLiteral("Tekstfil (*.txt)"),
                                     QStringLiteral("txt"));
    if (path.isEmpty()) return;
    const std::string problem = SaveLogText(path, form_.LogMemo);
    if (problem.empty())
        statusBar()->showMessage(QStringLiteral("Loggen er gemt i ") + path, MessageMilliseconds);
    else
        ShowErrorOK(ExpressionText(problem));
}

// One notation window, never modal, beside the work it explains.
void TKvadrixForm::NotationMenuItemClick() {
    if (!hjaelpForm_) hjaelpForm_ = new THjaelpForm(this);
    hjaelpForm_->ShowNotation(form_.DecimalComma);
}

const Form& TKvadrixForm::CurrentModel() {
    if (!running_) CopyIn();
    return form_;
}

int TKvadrixForm::CurrentPage() const { return pages_->currentIndex(); }

void TKvadrixForm::VisGrafMenuItemClick() { emit graphRequested(); }

// Runs after every handler and on every page change.
void TKvadrixForm::ReportChange() {
    if (!running_) emit pageChanged();
}
