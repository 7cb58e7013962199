// Every page of the main window and the About box fit their fixed sizes: no text is cut, no
// control leaves its parent; and each is written as a picture for a reviewer to look at.
#include <QDir>
#include <QGroupBox>
#include <QTabBar>

#include "FormFixture.h"

namespace veltrix::test {
namespace {

// Where the pictures go, under the build tree.
const QString PICTURES_DIR = QStringLiteral(WINDOW_PICTURES_DIR);

std::string NameOf(const QWidget* widget) {
    return (widget->metaObject()->className() + QString(" '") + widget->objectName() + "' " +
            widget->property("text").toString() + widget->property("title").toString())
        .toStdString();
}

// What a control needs to show its whole text; an empty size for controls without text.
QSize TextNeeds(const QWidget* widget) {
    const QFontMetrics metrics = widget->fontMetrics();
    const int line = metrics.height() + 4;
    if (const auto* label = qobject_cast<const QLabel*>(widget)) {
        return label->sizeHint();
    }
    if (qobject_cast<const QCheckBox*>(widget) != nullptr ||
        qobject_cast<const QGroupBox*>(widget) != nullptr) {
        return widget->minimumSizeHint();
    }
    if (const auto* button = qobject_cast<const QPushButton*>(widget)) {
        return {metrics.horizontalAdvance(button->text()) + 16, line};
    }
    if (const auto* list = qobject_cast<const QComboBox*>(widget)) {
        return {list->sizeHint().width(), line};
    }
    if (const auto* edit = qobject_cast<const QLineEdit*>(widget)) {
        // The edit inside an editable list has no frame of its own.
        const int frames = edit->hasFrame() ? 4 : 0;
        return {metrics.horizontalAdvance(edit->text()) + 4 + frames,
                metrics.height() + 2 + frames};
    }
    if (const auto* tabs = qobject_cast<const QTabBar*>(widget)) {
        return tabs->sizeHint();
    }
    return {};
}

// Every shown control of `form` is as large as its text needs and lies within its parent.
void ExpectNothingClipped(const QWidget* form) {
    for (const QWidget* widget : form->findChildren<QWidget*>()) {
        if (!widget->isVisible() || widget->isWindow()) {
            continue;
        }
        const QSize needed = TextNeeds(widget);
        EXPECT_GE(widget->width(), needed.width()) << NameOf(widget);
        EXPECT_GE(widget->height(), needed.height()) << NameOf(widget);
        const QRect parentArea = widget->parentWidget()->rect();
        EXPECT_TRUE(parentArea.contains(widget->geometry()))
            << NameOf(widget) << " leaves " << NameOf(widget->parentWidget());
    }
}

class PicturesTest : public FormFixture {
  protected:
    void SetUp() override { ASSERT_TRUE(QDir().mkpath(PICTURES_DIR)); }

    static void Save(QWidget* form, const QString& name) {
        EXPECT_TRUE(form->grab().save(PICTURES_DIR + "/" + name + ".png")) << name.toStdString();
    }
};

TEST_F(PicturesTest, EveryPageFitsTheWindowAndIsWrittenAsPicture) {
    const char* const names[] = {"basic-info", "conversion", "serial", "can", "filter"};
    for (int page = 0; page < 5; ++page) {
        ShowPage(page);
        SCOPED_TRACE(names[page]);
        ExpectNothingClipped(&Form());
        Save(&Form(), QString("page-%1-%2").arg(page).arg(names[page]));
    }
}

TEST_F(PicturesTest, FilterPageWithRowsAndEnabledEditorIsWrittenAsPicture) {
    ShowPage(4);
    Click(Form().CheckBoxTorvane8FilterEnable);
    Click(Form().ButtonTorvane8FilterIDAdd);
    PickItem(Form().ComboBoxTorvane8FrameType, 1);
    Click(Form().ButtonTorvane8FilterIDAdd);
    ExpectNothingClipped(&Form());
    Save(&Form(), "page-4-filter-with-rows");
}

TEST_F(PicturesTest, AboutBoxFitsAndIsWrittenAsPicture) {
    About().show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&About()));
    ExpectNothingClipped(&About());
    Save(&About(), "about-box");
    About().close();
}

}  // namespace
}  // namespace veltrix::test
