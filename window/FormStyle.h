// What the two forms share: their font, their border and their place on the screen.
#pragma once

#include <QFont>
#include <Qt>

class QWidget;

namespace window {

// A narrow frame with a caption and a close box only; the forms also fix their size.
inline constexpr Qt::WindowFlags CLOSE_BOX_ONLY =
    Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowCloseButtonHint;

// Covers Latin and Chinese alike, so every text of the forms is drawn in one face.
QFont FormFont();

// Moves a top-level form so that its frame is centred on the available area of its screen.
void CentreOnScreen(QWidget& form);

}  // namespace window
