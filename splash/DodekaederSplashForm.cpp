#include "DodekaederSplashForm.h"

#include <QApplication>
#include <QCloseEvent>
#include <QKeyEvent>
#include <QLabel>
#include <QMouseEvent>
#include <QPainter>
#include <QPolygon>

namespace {

constexpr QPoint ImagePosition(151, 168);

QLabel* MakeLabel(QWidget* parent, const char* name, const QString& text, const QFont& font, QPoint at) {
    auto* label = new QLabel(text, parent);
    label->setObjectName(QString::fromLatin1(name));
    label->setFont(font);
    label->adjustSize();
    label->move(at);
    return label;
}

}  // namespace

TDodekaederSplashForm::TDodekaederSplashForm(QWidget* parent)
    : QWidget(parent),
      hiddenImage_(ImageWidth, ImageHeight, QImage::Format_RGB32),
      destination_(ImagePosition, QSize(ImageWidth, ImageHeight)),
      background_(palette().color(QPalette::Button)) {
    setObjectName(QStringLiteral("DodekaederSplashForm"));
    setWindowTitle(QStringLiteral("Kvadrix"));
    setFixedSize(808, 627);
    move(1, 2);
    setFocusPolicy(Qt::StrongFocus);
    QFont base = font();
    base.setPointSize(10);
    setFont(base);

    // Arial Black where installed; otherwise the heaviest sans-serif at hand.
    QFont heavy(QStringLiteral("Arial Black"));
    heavy.setStyleHint(QFont::SansSerif);
    heavy.setWeight(QFont::Black);
    heavy.setPixelSize(64);
    KvadrixLabel = MakeLabel(this, "KvadrixLabel", QStringLiteral("Kvadrix"), heavy, QPoint(45, 54));

    QFont small(QStringLiteral("Times New Roman"));
    small.setStyleHint(QFont::Serif);
    small.setPointSize(10);
    auto* owner = MakeLabel(this, "EjerLabel", QStringLiteral("Kvadrix \u2013 matematik til skolebrug"), small, {});
    auto* maker = MakeLabel(this, "UdviklerLabel", QStringLiteral("Udviklet af Kvadrix-holdet \u00B7 Tryk p\u00E5 en tast for at begynde"),
                            small, {});
    owner->move(12, height() - owner->height() - maker->height() - 8);
    maker->move(12, height() - maker->height() - 6);

    hiddenImage_.fill(background_);
    Timer.setInterval(TickInterval);
    connect(&Timer, &QTimer::timeout, this, &TDodekaederSplashForm::TimerTimer);
    Timer.start();
}

void TDodekaederSplashForm::DrawDodecahedron(DodecahedronScene& scene, QImage& image, const QColor& background) {
    WorldWindow window;
    window.Width = image.width();
    window.Height = image.height();
    const std::vector<FacePolygon> faces = scene.NextFrame(window);
    image.fill(background);
    QPainter painter(&image);
    for (const FacePolygon& face : faces) {
        const Rgb c = Palette[face.colour];
        const QColor colour(c.r, c.g, c.b);
        painter.setPen(colour);
        painter.setBrush(colour);
        QPolygon polygon;
        for (const Pixel& p : face.points) polygon << QPoint(p.x, p.y);
        painter.drawPolygon(polygon);
    }
}

void TDodekaederSplashForm::TimerTimer() {
    if (ticks_ >= TickLimit) return;
    ++ticks_;
    DrawDodecahedron(scene_, hiddenImage_, background_);
    // Synchronous: the finished frame reaches the screen in this tick.
    if (isVisible()) repaint(destination_);
    if (ticks_ >= TickLimit) StopTimer();
}

void TDodekaederSplashForm::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    painter.drawImage(destination_.topLeft(), hiddenImage_);
}

void TDodekaederSplashForm::keyPressEvent(QKeyEvent*) { StopTimer(); }

void TDodekaederSplashForm::mousePressEvent(QMouseEvent*) { StopTimer(); }

// Closing the window ends the splash too; otherwise start-up would wait for
// a timer that nobody can see.
void TDodekaederSplashForm::closeEvent(QCloseEvent* event) {
    StopTimer();
    event->accept();
}

void TDodekaederSplashForm::StopTimer() {
    if (!Timer.isActive()) return;
    Timer.stop();
    emit Finished();
}

void RunSplashPhase(TDodekaederSplashForm& splash) {
    splash.setAttribute(Qt::WA_QuitOnClose, false);  // closing it starts the program
    splash.show();
    splash.activateWindow();  // keys reach it without a window manager too
    splash.repaint();
    while (splash.TimerEnabled()) QCoreApplication::processEvents(QEventLoop::WaitForMoreEvents);
}
