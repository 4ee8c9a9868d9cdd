#pragma once

// Windows declared as tables: one row per control with its kind, name, parent, position, size,
// caption, items and initial value; BuildWindow makes the widgets.
// The main window, the print setup window and the question-type window all use it.

#include <QHash>
#include <QList>
#include <QRect>
#include <QSize>
#include <QString>
#include <QStringList>
#include <QWidget>

#include "ui/controls.h"

namespace sumwick::ui {

enum class ControlKind {
  GroupBox,
  Label,
  EditBox,
  CheckBox,
  RadioButton,
  ComboBox,
  Button,
  TabControl,
  ListView,
  HyperlinkLabel,
  PictureBox,
  ShapeBox,
};

// Where a control sits: the window, a control (a group box), or a page of a tab control.
struct ParentRef {
  QString name;   // empty: the window
  int page = -1;  // page index when name is a tab control
};
inline ParentRef Window() { return {}; }
inline ParentRef In(const QString& name) { return {name, -1}; }
inline ParentRef Page(const QString& tabControl, int page) { return {tabControl, page}; }

struct ListColumn {
  QString caption;
  int width = 0;
};

// One row of a window's layout table.
struct ControlRow {
  ControlKind kind = ControlKind::Label;
  QString name;
  ParentRef parent;
  QRect geometry;   // left, top, width, height, relative to the parent's client area; on a tab page
                    // relative to the tab control itself, its page captions included
  QString caption;  // caption, or an edit box's initial text (line breaks as CR LF)
  QStringList items;        // combo box items (values 0) or tab control page captions
  int selected = -1;        // combo box: selected index
  bool checked = false;     // check box, radio button
  InputRule input = InputRule::Free;
  int spinMin = 0;          // spinner range, when hasSpinner
  int spinMax = 0;
  bool hasSpinner = false;
  int pointSize = 0;        // 0: the default GUI font
  bool bold = false;
  bool wrap = false;        // label: wrapped at its width, starting at its top
  bool border = false;      // picture box: one-pixel line border
  QList<ListColumn> columns;  // list view
  QStringList pictures;       // list view's picture set, or the picture box's picture (resources)
  QString url;                // hyperlink label

  // Chainable modifiers, so a row of the table reads as one line.
  ControlRow& Spinner(int minimum, int maximum) {
    hasSpinner = true;
    spinMin = minimum;
    spinMax = maximum;
    return *this;
  }
  ControlRow& Font(int points, bool isBold = false) {
    pointSize = points;
    bold = isBold;
    return *this;
  }
  ControlRow& Bold() {
    bold = true;
    return *this;
  }
  ControlRow& Wrapped() {
    wrap = true;
    return *this;
  }
  ControlRow& Bordered() {
    border = true;
    return *this;
  }
  ControlRow& Pictures(const QStringList& resourcePaths) {
    pictures = resourcePaths;
    return *this;
  }
};

// Row helpers, one per kind.
ControlRow GroupBox(const QString& name, ParentRef parent, QRect geometry, const QString& caption);
ControlRow Label(const QString& name, ParentRef parent, QRect geometry, const QString& caption);
ControlRow Edit(const QString& name, ParentRef parent, QRect geometry, InputRule input,
                 const QString& text);
ControlRow CheckBox(const QString& name, ParentRef parent, QRect geometry, const QString& caption,
                     bool checked);
ControlRow Radio(const QString& name, ParentRef parent, QRect geometry, const QString& caption,
                  bool selected);
ControlRow Combo(const QString& name, ParentRef parent, QRect geometry, const QStringList& items,
                  int selected);
ControlRow Button(const QString& name, ParentRef parent, QRect geometry, const QString& caption);
ControlRow Tabs(const QString& name, ParentRef parent, QRect geometry, const QStringList& pages);
ControlRow List(const QString& name, ParentRef parent, QRect geometry,
                 const QList<ListColumn>& columns);
ControlRow Hyperlink(const QString& name, ParentRef parent, QRect geometry,
                      const QString& caption, const QString& url);
ControlRow PictureBox(const QString& name, ParentRef parent, QRect geometry,
                       const QString& resourcePath);
ControlRow ShapeBox(const QString& name, ParentRef parent, QRect geometry);

// Numbers from first to last in steps, as texts: NumberItems(10, 100, 10) is "10", "20", ... "100".
QStringList NumberItems(int first, int last, int step);

// A whole window: title, outer size (frame and title bar included), its controls, and its control
// order (the order in which the settings store visits controls of one kind).
struct WindowLayout {
  QString title;
  QSize outerSize;
  QStringList iconFiles;  // the icon's images (resources); empty: no icon of its own
  QList<ControlRow> controls;
  QStringList controlOrder;
};

// The controls of a built window by name.
class Controls {
 public:
  QWidget* Find(const QString& name) const { return byName_.value(name); }
  template <typename T>
  T* Get(const QString& name) const {
    return qobject_cast<T*>(byName_.value(name));
  }
  const QList<QWidget*>& InOrder() const { return ordered_; }
  void Add(const QString& name, QWidget* widget) {
    byName_.insert(name, widget);
    ordered_.append(widget);
  }

 private:
  QHash<QString, QWidget*> byName_;
  QList<QWidget*> ordered_;
};

// Makes the window's controls from the table, in table order (a parent's row comes before its
// children's rows): every control is a child of its parent, has its name as objectName, its
// geometry, caption, items (each item's integer value as item data), initial value and input rule.
// Also sets the title, the icon, the default GUI font, the control order, and the frame behaviour
// of ApplyFixedFrame.
Controls BuildWindow(QWidget* window, const WindowLayout& layout);

// The frame of every window of the program: fixed size, outer size outerSize (frame and title bar
// included: the client size is fitted once the window system reports the frame), centred on the
// screen when it opens, a minimize button and no maximize button, and Esc closes it as the close
// button does.
void ApplyFixedFrame(QWidget* window, QSize outerSize);

}  // namespace sumwick::ui
