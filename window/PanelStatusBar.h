// A status bar of two panels side by side: a fixed first panel and a second that takes the rest.
#pragma once

#include <QFrame>

#include <array>

class QLabel;

namespace window {

class PanelStatusBar : public QFrame {
  public:
    PanelStatusBar(const char* name, int firstPanelWidth, int secondPanelMinimumWidth);

    // Panel 0 or 1; any other index throws std::out_of_range.
    QLabel* Panel(int index) const;

  private:
    std::array<QLabel*, 2> panels_;
};

}  // namespace window
