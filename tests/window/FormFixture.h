// The two forms as start-up creates them, with boxes recorded instead of shown and no serial port
// to find.
#pragma once

#include <gtest/gtest.h>

#include <QLabel>
#include <QTabWidget>
#include <QTest>

#include "PortDirectory.h"
#include "RecordedBoxes.h"
#include "ReportListView.h"
#include "StartedForms.h"
#include "UserActions.h"

namespace veltrix::test {

class FormFixture : public ::testing::Test {
  protected:
    TFormCANConfig& Form() { return forms_.Form(); }
    TAboutBox& About() { return forms_.About(); }

    // Shows the main window with page `index` of the settings pages in front.
    void ShowPage(int index) {
        Form().PageControlVerdane4->setCurrentIndex(index);
        Form().show();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(&Form()));
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

    // Empty: the port scan of start-up finds nothing and touches no real port.
    PortDirectory ports_;
    RecordedBoxes boxes_;
    StartedForms forms_;
};

}  // namespace veltrix::test
