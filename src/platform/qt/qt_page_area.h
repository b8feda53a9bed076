#pragma once
// The main window's client area: the banner is painted on it and the pages are its children. A
// page keeps the size its layout asks for, also when a value shown on it grows after it opened.

#include <functional>

#include <QPointer>
#include <QWidget>

namespace korvel {

class QtPageArea final : public QWidget {
  public:
    static constexpr int kPageMargin = 6;

    explicit QtPageArea(QWidget* parent);

    void setBannerShown(bool shown);

    // Shows `page` at the top, in the middle of the width, or near the middle of both when
    // `centred` (the start panel); it keeps its place as the window is resized. Returns the room
    // the page needs, margins included.
    QSize place(QWidget* page, bool centred);

    // Told the room the page needs whenever it grows after it was placed.
    std::function<void(QSize)> pageGrown;
    // Told whenever the room the page needs is measured again (a page placed, a page grown),
    // before the window grows for it: the docked results make room first.
    std::function<void()> pageFitted;

  protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    void paintEvent(QPaintEvent* event) override;

  private:
    QSize fitPage();
    void stretchPage();
    void placePage();

    bool bannerShown_ = false;
    bool centred_ = false;
    QPointer<QWidget> page_;
};

} // namespace korvel
