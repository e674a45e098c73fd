#include "QtHost.h"

#include <QMessageBox>
#include <QPushButton>

#include "Cp1252.h"
#include "KvadrixForm.h"

void QtHost::AddLogLine(std::string_view line) { window_.AppendLogLine(line); }

bool QtHost::ErrorBox(std::string_view message, bool withIgnore) {
    // Messages put the expression on its own line after LF CR.
    QString text = QString::fromStdString(Cp1252ToUtf8(message));
    text.replace(QLatin1String("\n\r"), QLatin1String("\n")).replace(QLatin1Char('\r'), QLatin1Char('\n'));

    QMessageBox box(QMessageBox::Critical, window_.ErrorBoxTitle(), text, QMessageBox::Ok, &window_);
    box.setObjectName(QStringLiteral("ErrorBox"));
    box.setTextFormat(Qt::PlainText);  // an expression such as x<2 is no markup
    QAbstractButton* ignore = withIgnore ? box.addButton(QMessageBox::Ignore) : nullptr;
    if (ignore) ignore->setText(QStringLiteral("Ignorer"));  // Qt's own text is English
    box.setDefaultButton(QMessageBox::Ok);
    box.setEscapeButton(QMessageBox::Ok);  // Esc and closing the box count as OK
    box.exec();
    const bool ignored = ignore && box.clickedButton() == ignore;
    // The window does not get the activation back by itself when the box closes.
    window_.activateWindow();
    return ignored;
}
