#pragma once
// TDodekaederSplashForm: the start-up window with the program's name, two
// lines of text and a turning solid dodecahedron. Each 50 ms tick draws a
// whole frame into an off-screen image and copies it onto the window in one
// operation. The timer stops after 1024 ticks, on any key, on a mouse click
// or when the window is closed; start-up waits while it runs.
#include <QImage>
#include <QPainterPath>
#include <QRect>
#include <QTimer>
#include <QWidget>

#include <vector>

#include "Geometry3D.h"

class TDodekaederSplashForm : public QWidget {
    Q_OBJECT

public:
    static constexpr int TickInterval = 50;  // ms
    static constexpr int TickLimit = 1024;
    static constexpr int ImageWidth = 480, ImageHeight = 360;

    explicit TDodekaederSplashForm(QWidget* parent = nullptr);

    bool TimerEnabled() const { return Timer.isActive(); }
    int Ticks() const { return ticks_; }
    const QImage& HiddenImage() const { return hiddenImage_; }
    QRect Destination() const { return destination_; }
    // The painted texts: the name first, then the two lines at the bottom.
    const std::vector<QPainterPath>& Texts() const { return textPaths_; }

    // One timer tick: count, draw the next frame, copy it onto the window.
    void TimerTimer();

    // Draws the scene's next frame into the image (no copy to the window).
    static void DrawDodecahedron(DodecahedronScene& scene, QImage& image, const QColor& background);

signals:
    void Finished();

protected:
    void paintEvent(QPaintEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void closeEvent(QCloseEvent* event) override;

private:
    void StopTimer();

    // The name and the two lines at the bottom, in window coordinates.
    std::vector<QPainterPath> textPaths_;
    std::vector<QRect> textRects_;  // their bounds
    QTimer Timer;
    QImage hiddenImage_;
    QRect destination_;
    QColor background_;
    DodecahedronScene scene_;
    int ticks_ = 0;
};

// Start-up's splash phase: shows the window, paints it at once and processes
// events while its timer runs. The caller destroys it after creating the
// main window.
void RunSplashPhase(TDodekaederSplashForm& splash);
