// The user's ways of working the controls: keys for lists and edits, mouse clicks for buttons
// and boxes, so that every handler runs as it does for a user.
#pragma once

#include <gtest/gtest.h>

#include <QCheckBox>
#include <QComboBox>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>

namespace veltrix::test {

// Picks the item with arrow keys, as a user does, so the list's change handler runs.
inline void PickItem(QComboBox* list, int index) {
    for (int step = 0; step < list->count() && list->currentIndex() != index; ++step) {
        QTest::keyClick(list, list->currentIndex() < index ? Qt::Key_Down : Qt::Key_Up);
    }
    ASSERT_EQ(list->currentIndex(), index) << list->objectName().toStdString();
}

// Replaces the edit's text by typing.
inline void Type(QLineEdit* edit, const QString& text) {
    edit->selectAll();
    QTest::keyClick(edit, Qt::Key_Delete);
    QTest::keyClicks(edit, text);
}

inline void Click(QPushButton* button) {
    QTest::mouseClick(button, Qt::LeftButton);
}

// Clicks the box's indicator, which sits at its left edge.
inline void Click(QCheckBox* box) {
    QTest::mouseClick(box, Qt::LeftButton, {}, QPoint(8, box->height() / 2));
}

}  // namespace veltrix::test
