#pragma once

#include <QString>

class QWidget;

namespace sumwick {

// The settings store: the states of a window's check boxes (QCheckBox), edit boxes
// (QLineEdit) and combo boxes (QComboBox), kept in one INI file in GBK, keyed by the controls'
// objectName in the sections "选择框", "编辑框" and "组合框".
//
// The store knows no control in advance: it visits every control of one kind inside the window,
// nested ones included, in the window's control order (see SetControlOrder), and keeps nothing in
// memory between calls. Failures are silent: a missing or unreadable file, section, key or value
// leaves the control as it is, and a failed save leaves the file as it was.
//
// exclusions: control names separated by "|"; a control whose name equals one of them exactly is
// not saved. An empty list excludes nothing.

void RestoreCheckBoxes(QWidget* window, const QString& file);
void RestoreEditBoxes(QWidget* window, const QString& file);
void RestoreComboBoxes(QWidget* window, const QString& file);

// Each returns false when the file could not be written (it is then left as it was).
bool SaveCheckBoxes(QWidget* window, const QString& file, const QString& exclusions);
bool SaveEditBoxes(QWidget* window, const QString& file, const QString& exclusions);
bool SaveComboBoxes(QWidget* window, const QString& file, const QString& exclusions);

// RestoreCheckBoxes, RestoreEditBoxes, RestoreComboBoxes in this order.
void RestoreWindowStates(QWidget* window, const QString& file);

// What SaveCheckBoxes, SaveEditBoxes, SaveComboBoxes in this order write, in one atomic write of the
// file. comboExclusions goes to the combo boxes only (the print setup window passes
// "组合框_打印机"); check boxes and edit boxes exclude nothing. False when the file could not be
// written (it is then left as it was).
bool SaveWindowStates(QWidget* window, const QString& file, const QString& comboExclusions = {});

// The window's control order: the order in which the store visits controls of one kind. Controls
// not listed follow the listed ones in the order of the widget tree.
void SetControlOrder(QWidget* window, const QStringList& names);

// Value encodings of the file, exposed for tests.
QString EncodeEditText(const QString& text);
QString DecodeEditText(const QString& value);
// The leading decimal number of a text, truncated to an integer; 0 when there is none.
int LeadingNumber(const QString& text);

}  // namespace sumwick
