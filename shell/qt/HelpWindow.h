#pragma once
// The "Hjælp" menu's windows: the notation the program reads, and "Om Kvadrix".
#include <QDialog>
#include <QString>

class QWidget;

// Non-modal window with the notation, built from the notation tables.
class THjaelpForm : public QDialog {
    Q_OBJECT

public:
    explicit THjaelpForm(QWidget* parent = nullptr);
};

// The notation help as HTML: sections with their rows, then the examples per page.
QString NotationHtml();

// The text of "Om Kvadrix": version, licence and what the "Kontrol: " lines mean.
QString AboutText();

// Shows "Om Kvadrix" as a modal box.
void ShowAboutBox(QWidget* parent);
