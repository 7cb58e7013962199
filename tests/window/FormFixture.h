// The two forms as start-up creates them, with boxes recorded instead of shown, and the user's
// ways of working the controls: keys for lists and edits, mouse clicks for buttons and boxes.
#pragma once

#include <gtest/gtest.h>

#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTabWidget>
#include <QTest>

#include <memory>

#include "RecordedBoxes.h"
#include "ReportListView.h"
#include "UnitAbout.h"
#include "UnitCANConfig.h"

namespace veltrix::test {

class FormFixture : public ::testing::Test {
  protected:
    FormFixture() {
        AboutBox = aboutBox_.get();
        FormCANConfig = form_.get();
    }
    ~FormFixture() override {
        FormCANConfig = nullptr;
        AboutBox = nullptr;
    }

    TFormCANConfig& Form() { return *form_; }

    // Shows the main window with page `index` of the settings pages in front.
    void ShowPage(int index) {
        form_->PageControlVerdane4->setCurrentIndex(index);
        form_->show();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(form_.get()));
    }

    // Picks the item with arrow keys, as a user does, so the list's change handler runs.
    static void PickItem(QComboBox* list, int index) {
        for (int step = 0; step < list->count() && list->currentIndex() != index; ++step) {
            QTest::keyClick(list, list->currentIndex() < index ? Qt::Key_Down : Qt::Key_Up);
        }
        ASSERT_EQ(list->currentIndex(), index) << list->objectName().toStdString();
    }

    // Replaces the edit's text by typing.
    static void Type(QLineEdit* edit, const QString& text) {
        edit->selectAll();
        QTest::keyClick(edit, Qt::Key_Delete);
        QTest::keyClicks(edit, text);
    }

    static void Click(QPushButton* button) { QTest::mouseClick(button, Qt::LeftButton); }

    // Clicks the box's indicator, which sits at its left edge.
    static void Click(QCheckBox* box) {
        QTest::mouseClick(box, Qt::LeftButton, {}, QPoint(8, box->height() / 2));
    }

    // The text of the label that names `control`, or "<none>".
    static QString LabelOf(const QWidget* control) {
        for (const QLabel* label : control->window()->findChildren<QLabel*>()) {
            if (label->buddy() == control) {
                return label->text();
            }
        }
        return "<none>";
    }

    // Hidden controls stay hidden even when their page is shown.
    static bool IsHidden(const QWidget* control) { return control->isHidden(); }

    RecordedBoxes boxes_;
    std::unique_ptr<TAboutBox> aboutBox_ = std::make_unique<TAboutBox>();
    std::unique_ptr<TFormCANConfig> form_ = std::make_unique<TFormCANConfig>();
};

}  // namespace veltrix::test
