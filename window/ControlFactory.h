// Builds the standard controls of the forms, each named after its role so that it can be found.
#pragma once

#include <QString>
#include <QStringList>

#include <span>

class QCheckBox;
class QComboBox;
class QBoxLayout;
class QGridLayout;
class QLabel;
class QLineEdit;
class QPushButton;
class QRect;
class QWidget;

namespace window {

// A list the user can only pick from, with `defaultIndex` selected.
QComboBox* NewList(const char* name, const QStringList& items, int defaultIndex);
QComboBox* NewList(const char* name, std::span<const char* const> items, int defaultIndex);
QLineEdit* NewEdit(const char* name, const QString& text);
QCheckBox* NewCheckBox(const char* name, const QString& caption);
QPushButton* NewButton(const char* name, const QString& caption);

// Gives a control of the frame its parent and its place within the parent's client area.
void Place(QWidget* control, QWidget* parent, const QRect& geometry);

// A group box with `title` appended to `column`; returns the grid that lays out its controls.
QGridLayout& AddGroup(QBoxLayout& column, const QString& title);

// Puts `label` in front of `control` in one row of `grid`; the label names the control as buddy.
QLabel* AddLabelled(QGridLayout& grid, int row, int column, const QString& label, QWidget* control);

// Hides a control together with the label that names it.
void HideWithLabel(QWidget* control, QLabel* label);

}  // namespace window
