#pragma once
// The "Hjælp" menu's windows: the notation the program reads, and "Om Kvadrix".
#include <QDialog>
#include <QString>

class QTextBrowser;
class QWidget;

// Non-modal window with the notation, built from the notation tables.
class THjaelpForm : public QDialog {
    Q_OBJECT

public:
    explicit THjaelpForm(QWidget* parent = nullptr);
    // Shows the notation with the window's number format: the examples' results
    // as the fields show them.
    void ShowNotation(bool decimalComma);

private:
    QTextBrowser* browser_ = nullptr;
};

// The notation help as HTML: sections with their rows, then the examples per
// page, their results with the decimal comma when it is on.
QString NotationHtml(bool decimalComma = false);

// The text of "Om Kvadrix": version, licence and what the "Kontrol: " lines mean.
QString AboutText();

// Shows "Om Kvadrix" as a modal box.
void ShowAboutBox(QWidget* parent);
