#pragma once

// Control tables written out in the tests, independently of the windows' own layout tables,
// and what a built widget is and shows.

#include <QAbstractButton>
#include <QCheckBox>
#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QRect>
#include <QString>

#include "ui/controls.h"

namespace sumwick::test {

struct ExpectedControl {
  const char* kind;
  const char* name;
  const char* parent;  // "window", "page N" of the tab control, or a group box's name
  QRect geometry;      // relative to the parent's client area; on a page, to the tab control
  const char* caption;
};

inline QString KindOf(const QWidget* w) {
  if (qobject_cast<const ui::HyperlinkLabel*>(w)) return "link";
  if (qobject_cast<const QGroupBox*>(w)) return "group";
  if (auto* l = qobject_cast<const QLabel*>(w)) return l->pixmap().isNull() ? "label" : "picture";
  if (qobject_cast<const QLineEdit*>(w)) return "edit";
  if (qobject_cast<const QCheckBox*>(w)) return "check";
  if (qobject_cast<const QRadioButton*>(w)) return "radio";
  if (qobject_cast<const QComboBox*>(w)) return "combo";
  if (qobject_cast<const QPushButton*>(w)) return "button";
  if (qobject_cast<const ui::ListView*>(w)) return "list";
  return "other";
}

inline QString CaptionOf(const QWidget* w) {
  if (auto* g = qobject_cast<const QGroupBox*>(w)) return g->title();
  if (auto* l = qobject_cast<const QLabel*>(w)) return l->text();
  if (auto* e = qobject_cast<const QLineEdit*>(w)) return e->text();
  if (auto* b = qobject_cast<const QAbstractButton*>(w)) return b->text();
  if (auto* c = qobject_cast<const QComboBox*>(w)) return c->currentText();
  return {};
}

}  // namespace sumwick::test
