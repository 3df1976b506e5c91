// The Qt widget behind a framework window: paints it through WM_PAINT into
// its picture, draws its sizing border and resizes from it, and turns
// pointer, key, timer and close events into messages.
#pragma once

#include <QImage>
#include <QRegion>
#include <QWidget>
#include <utility>

#include "platform/qt/handle/hwnd.h"

class WndWidget : public QWidget {
    Q_OBJECT  // a class name of its own, by which Qt's accessibility finds it
public:
    WndWidget(HWND hwnd, QWidget* parent);

    HWND Handle() const { return m_hwnd; }
    void Detach() { m_hwnd = nullptr; }

protected:
    bool event(QEvent* e) override;
    void paintEvent(QPaintEvent* e) override;
    void resizeEvent(QResizeEvent* e) override;
    void moveEvent(QMoveEvent* e) override;
    void showEvent(QShowEvent* e) override;
    void hideEvent(QHideEvent* e) override;
    void closeEvent(QCloseEvent* e) override;
    void keyPressEvent(QKeyEvent* e) override;
    void mousePressEvent(QMouseEvent* e) override;
    void mouseReleaseEvent(QMouseEvent* e) override;
    void mouseDoubleClickEvent(QMouseEvent* e) override;
    void mouseMoveEvent(QMouseEvent* e) override;

public:
    // Paints the window's update region now. A child window's pixels then
    // go to the screen straight away, just that region of them.
    void PaintUpdate();
    // For tests: the picture, the region the last paint put on the screen
    // (client coordinates) and how many paints put pixels there.
    const QImage& Picture() const { return m_picture; }
    const QRegion& LastShown() const { return m_lastShown; }
    int PaintsShown() const { return m_paintsShown; }

private:
    void PaintSizingBorder(QPainter& painter);
    // Runs WM_PAINT into the picture for the region and the update region
    // together; returns the region painted, client coordinates, which the
    // caller then puts on the screen.
    QRegion Render(QRegion region);
    QPoint ClientOrigin() const;
    Qt::Edges BorderEdges(QPoint pos) const;
    // The least and the largest size the sizing border may give, as the window says.
    std::pair<QSize, QSize> TrackLimits() const;
    void SendMouse(UINT message, QMouseEvent* e);

    HWND m_hwnd;
    QImage m_picture;         // the client area as the window last painted it
    QRegion m_lastShown;
    int m_paintsShown = 0;
    bool m_flushOnly = false;  // a paint that shows the picture without WM_PAINT
    bool m_fitFrame = false;   // shown, and its frame not yet fitted on the screen
    Qt::Edges m_resizeEdges;
    bool m_leftDown = false;  // a left press was sent and its release not yet
    QPoint m_resizeStart;
    QRect m_resizeGeometry;
    std::pair<QSize, QSize> m_resizeLimits;
};
