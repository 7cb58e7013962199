#include "FieldText.h"

#include <QLineEdit>

#include "TextConversions.h"

namespace window {

uint32_t HexFieldValue(const QLineEdit* edit) {
    return platform::HexFieldToInt(edit->text().toStdString());
}

QString PrefixedHex8(uint32_t value) {
    return QString::fromStdString("0x" + platform::IntToHex(value, 8));
}

}  // namespace window
