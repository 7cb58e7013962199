#include "FormStyle.h"

#include <QScreen>
#include <QWidget>

namespace window {

namespace {

constexpr int FONT_PIXEL_SIZE = 12;

}  // namespace

QFont FormFont() {
    QFont font("WenQuanYi Micro Hei");
    font.setPixelSize(FONT_PIXEL_SIZE);
    return font;
}

void CentreOnScreen(QWidget& form) {
    const QRect available = form.screen()->availableGeometry();
    QRect frame = form.frameGeometry();
    frame.moveCenter(available.center());
    form.move(frame.topLeft());
}

}  // namespace window
