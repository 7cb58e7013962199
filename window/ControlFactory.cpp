#include "ControlFactory.h"

#include <QBoxLayout>
#include <QCheckBox>
#include <QComboBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

namespace window {

QComboBox* NewList(const char* name, const QStringList& items, int defaultIndex) {
    auto* list = new QComboBox();
    list->setObjectName(name);
    list->setEditable(false);
    list->addItems(items);
    list->setCurrentIndex(defaultIndex);
    return list;
}

QComboBox* NewList(const char* name, std::span<const char* const> items, int defaultIndex) {
    QStringList texts;
    for (const char* item : items) {
        texts << item;
    }
    return NewList(name, texts, defaultIndex);
}

QLineEdit* NewEdit(const char* name, const QString& text) {
    auto* edit = new QLineEdit(text);
    edit->setObjectName(name);
    return edit;
}

QCheckBox* NewCheckBox(const char* name, const QString& caption) {
    auto* box = new QCheckBox(caption);
    box->setObjectName(name);
    return box;
}

QPushButton* NewButton(const char* name, const QString& caption) {
    auto* button = new QPushButton(caption);
    button->setObjectName(name);
    return button;
}

void Place(QWidget* control, QWidget* parent, const QRect& geometry) {
    control->setParent(parent);
    control->setGeometry(geometry);
}

QGridLayout& AddGroup(QBoxLayout& column, const QString& title) {
    auto* group = new QGroupBox(title);
    column.addWidget(group);
    return *new QGridLayout(group);
}

QLabel* AddLabelled(QGridLayout& grid, int row, int column, const QString& label,
                    QWidget* control) {
    auto* caption = new QLabel(label);
    caption->setBuddy(control);
    grid.addWidget(caption, row, column);
    grid.addWidget(control, row, column + 1);
    return caption;
}

void HideWithLabel(QWidget* control, QLabel* label) {
    control->hide();
    label->hide();
}

}  // namespace window
