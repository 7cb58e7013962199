#include "FieldText.h"

#include <QLineEdit>

#include "TextConversions.h"

namespace window {

uint32_t HexFieldValue(const QLineEdit* edit) {
    return platform::HexFieldToInt(edit->text().toStdString());
}

}  // namespace window
