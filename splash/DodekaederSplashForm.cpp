#include "DodekaederSplashForm.h"

#include <QApplication>
#include <QCloseEvent>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QPaintEvent>
#include <QPainter>
#include <QPolygon>

#include "TextOutlines.h"

namespace {

constexpr QPoint ImagePosition(151, 168);

QPainterPath OutlinePath(const splashtext::Text& text) {
    using splashtext::Element;
    QPainterPath path;
    path.setFillRule(text.windingFill ? Qt::WindingFill : Qt::OddEvenFill);
    for (int i = 0; i < text.count; ++i) {
        const Element& e = text.elements[i];
        if (e.kind == Element::MoveTo) {
            path.moveTo(e.x, e.y);
        } else if (e.kind == Element::LineTo) {
            path.lineTo(e.x, e.y);
        } else if (e.kind == Element::CurveTo && i + 2 < text.count) {
            const Element& c2 = text.elements[i + 1];
            const Element& end = text.elements[i + 2];
            path.cubicTo(e.x, e.y, c2.x, c2.y, end.x, end.y);
            i += 2;
        }
    }
    return path;
}

}  // namespace

TDodekaederSplashForm::TDodekaederSplashForm(QWidget* parent)
    : QWidget(parent),
      hiddenImage_(ImageWidth, ImageHeight, QImage::Format_RGB32),
      destination_(ImagePosition, QSize(ImageWidth, ImageHeight)),
      background_(palette().color(QPalette::Button)) {
    setObjectName(QStringLiteral("DodekaederSplashForm"));
    setWindowTitle(QStringLiteral("Kvadrix"));
    setFixedSize(splashtext::WindowWidth, splashtext::WindowHeight);
    move(1, 2);
    setFocusPolicy(Qt::StrongFocus);

    // The texts are painted from outlines made at build time (no labels, no
    // fonts), so the first paint does not wait for the font system.
    QStringList lines;
    for (const splashtext::Text& text : splashtext::Texts) {
        textPaths_.push_back(OutlinePath(text));
        textRects_.push_back(textPaths_.back().controlPointRect().toAlignedRect().adjusted(-1, -1, 1, 1));
        if (&text != &splashtext::Texts[0]) lines << QString::fromUtf8(text.utf8);
    }
    setAccessibleName(QString::fromUtf8(splashtext::Texts[0].utf8));
    setAccessibleDescription(lines.join(QLatin1Char('\n')));

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

void TDodekaederSplashForm::paintEvent(QPaintEvent* event) {
    QPainter painter(this);
    painter.drawImage(destination_.topLeft(), hiddenImage_);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setPen(Qt::NoPen);
    painter.setBrush(palette().color(QPalette::WindowText));
    // A tick repaints only the picture, which no text overlaps.
    for (size_t i = 0; i < textPaths_.size(); ++i)
        if (event->rect().intersects(textRects_[i])) painter.drawPath(textPaths_[i]);
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
