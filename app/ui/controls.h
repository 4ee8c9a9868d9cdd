#pragma once

// The kinds of control that Sumwick's windows are made of, as Qt widgets. Each is a thin Qt widget
// with the look and behaviour that the windows' layouts assume; the settings store finds check boxes
// (QCheckBox), edit boxes (QLineEdit) and combo boxes (QComboBox) by kind and objectName.

#include <QColor>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QStringList>
#include <QStyledItemDelegate>
#include <QTabWidget>
#include <QTreeWidget>
#include <QUrl>
#include <QWidget>

namespace sumwick::ui {

enum class InputRule {
  Free,      // any text may be typed
  Digits,    // typed characters other than 0-9 and "-" are ignored; editing keys still work
  ReadOnly,  // the user cannot type at all
};

// The default GUI font of the windows: 9-point 宋体, or, where 宋体 is missing, a CJK
// face with the same metrics (full-width ideographs, half-width Latin letters, digits and spaces),
// so the runs of spaces in label captions leave the gaps over which edit and combo boxes sit.
QFont DefaultGuiFont();
// The same family at another point size.
QFont GuiFont(int pointSize, bool bold = false);

class SpinnerArrows;

// A group box drawn as the layouts assume: an etched frame whose top line runs through the
// middle of the caption, so children placed 16 or 24 pixels below the box's top sit inside it.
class GroupBoxFrame : public QGroupBox {
  Q_OBJECT
 public:
  using QGroupBox::QGroupBox;

 protected:
  void paintEvent(QPaintEvent* event) override;
};

// Single-line edit box: one-pixel line border, white background, centred text, an input rule and
// optionally a spinner.
class EditBox : public QLineEdit {
  Q_OBJECT
 public:
  EditBox(InputRule rule, QWidget* parent);
  InputRule inputRule() const { return rule_; }

  // Attaches a spinner with the integer range [minimum, maximum] at the right of the box.
  void AttachSpinner(int minimum, int maximum);
  SpinnerArrows* spinner() const { return spinner_; }

  // One spinner click: the text read as an integer (0 when it does not start with a number), plus
  // delta; a result outside the range becomes the lower bound on a step up and the upper bound on a
  // step down. Then the whole text is selected and the box takes the focus.
  void Step(int delta);

 protected:
  void keyPressEvent(QKeyEvent* event) override;
  void inputMethodEvent(QInputMethodEvent* event) override;
  void paintEvent(QPaintEvent* event) override;

 private:
  InputRule rule_;
  SpinnerArrows* spinner_ = nullptr;
  int minimum_ = 0;
  int maximum_ = 0;
};

// The up and down arrows of a spinner, a sibling right of its edit box.
class SpinnerArrows : public QWidget {
  Q_OBJECT
 public:
  explicit SpinnerArrows(EditBox* edit);
  void ClickUp() { edit_->Step(+1); }
  void ClickDown() { edit_->Step(-1); }
  static constexpr int kWidth = 14;

 protected:
  void paintEvent(QPaintEvent* event) override;
  void mousePressEvent(QMouseEvent* event) override;
  void mouseReleaseEvent(QMouseEvent* event) override;

 private:
  EditBox* edit_;
  int pressed_ = 0;  // +1 up, -1 down, 0 none
};

// A label whose caption may hold line breaks (CR LF) and wraps at its width, starting at its top,
// with the line pitch of the font's character height (as 宋体 sets it), so the five lines of the
// page "关于" fit their 96-pixel label whatever the face's own leading.
class WrappedLabel : public QLabel {
  Q_OBJECT
 public:
  using QLabel::QLabel;

 protected:
  void paintEvent(QPaintEvent* event) override;
};

// A hyperlink label: its caption centred on one line, blue, light blue while the mouse is over it,
// dark red once it has been opened. A click opens the address with QDesktopServices.
class HyperlinkLabel : public QLabel {
  Q_OBJECT
 public:
  static inline const QColor kNormal{0x00, 0x00, 0xFF};
  static inline const QColor kHover{0x33, 0x99, 0xFF};
  static inline const QColor kVisited{0x80, 0x00, 0x00};

  HyperlinkLabel(const QString& caption, const QUrl& url, QWidget* parent);
  QUrl url() const { return url_; }
  bool visited() const { return visited_; }
  bool hovered() const { return hovered_; }
  QColor currentColor() const;

 signals:
  void opened(const QUrl& url);

 protected:
  void enterEvent(QEnterEvent* event) override;
  void leaveEvent(QEvent* event) override;
  void mouseReleaseEvent(QMouseEvent* event) override;

 private:
  void UpdateColor();
  QUrl url_;
  bool visited_ = false;
  bool hovered_ = false;
};

// A tab control. Controls on its pages are placed relative to the tab control itself (its page
// captions included), so their place inside the page widget is their position minus PageOffset().
class TabControl : public QTabWidget {
  Q_OBJECT
 public:
  explicit TabControl(QWidget* parent);
  // Where the page widgets start inside the tab control, for its current size, style and captions.
  QPoint PageOffset() const;

  // With the page headers switched off, the tab control draws neither its page headers nor its
  // frame and ignores clicks on the header strip and the page-switching keys, while the controls
  // of its current page stay where they are, visible and usable.
  void SetHeadersShown(bool shown);
  bool headersShown() const { return headersShown_; }

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override;
  void paintEvent(QPaintEvent* event) override;
  void keyPressEvent(QKeyEvent* event) override;

 private:
  bool headersShown_ = true;
};

// A report-view list: a header of column captions, rows of cells; with a picture set, cells can show
// pictures of 350 by 80 pixels and every row is 80 pixels high. Pictures are Qt resources, loaded
// when first shown in a cell.
class ListView : public QTreeWidget {
  Q_OBJECT
 public:
  static constexpr int kPictureRole = Qt::UserRole + 1;

  explicit ListView(QWidget* parent);
  void SetPictureSet(const QStringList& resourcePaths);
  const QStringList& pictureSet() const { return pictures_; }
  bool hasPictureSet() const { return !pictures_.isEmpty(); }

  // Appends an empty row; returns its index.
  int AddRow();
  void SetCellText(int row, int column, const QString& text);
  QString CellText(int row, int column) const;
  // Shows picture k of the list's picture set in a cell.
  void SetCellPicture(int row, int column, int k);
  int SelectedRow() const;

 private:
  QStringList pictures_;
};

// Paints a cell's picture at the cell's top-left corner, clipped to the cell; rows of a list with a
// picture set are 80 pixels high.
class PictureDelegate : public QStyledItemDelegate {
  Q_OBJECT
 public:
  using QStyledItemDelegate::QStyledItemDelegate;
  void paint(QPainter* painter, const QStyleOptionViewItem& option,
             const QModelIndex& index) const override;
  QSize sizeHint(const QStyleOptionViewItem& option, const QModelIndex& index) const override;
};

}  // namespace sumwick::ui
